#pragma once

#include <QByteArray>
#include <cstdint>

namespace platform {

// A stream of bytes held in memory, with a read/write position.
class TMemoryStream {
public:
    enum class Origin { Beginning, Current, End };

    std::int64_t Size() const { return static_cast<std::int64_t>(data_.size()); }
    // Grows with zero bytes or cuts the content; a position past the new end moves to the end.
    void SetSize(std::int64_t size);

    std::int64_t Position() const { return position_; }
    // A position past the end is allowed: the next write fills the gap with zero bytes.
    // A negative position becomes 0.
    void SetPosition(std::int64_t position) { position_ = position < 0 ? 0 : position; }
    // Returns the new position.
    std::int64_t Seek(std::int64_t offset, Origin origin);

    // Reads up to count bytes at the position and moves past them; returns how many were read.
    std::int64_t Read(char* buffer, std::int64_t count);
    // Writes count bytes at the position, overwriting or extending the content.
    std::int64_t Write(const char* buffer, std::int64_t count);
    std::int64_t Write(const QByteArray& bytes) { return Write(bytes.constData(), bytes.size()); }

    // Empties the stream and moves to position 0.
    void Clear();

    // The whole content, whatever the position.
    const QByteArray& Bytes() const { return data_; }

private:
    QByteArray data_;
    std::int64_t position_ = 0;
};

} // namespace platform
