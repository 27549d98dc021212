#include "platform/MemoryStream.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace platform {

namespace {

constexpr std::int64_t maxSize = std::numeric_limits<qsizetype>::max() / 2;

} // namespace

void TMemoryStream::SetSize(std::int64_t size)
{
    size = std::clamp<std::int64_t>(size, 0, maxSize);
    data_.resize(static_cast<qsizetype>(size), '\0');
    position_ = std::min(position_, size);
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, Origin origin)
{
    const std::int64_t base = origin == Origin::Beginning ? 0 : origin == Origin::Current ? position_ : Size();
    // Both operands lie within +-maxSize once clamped, so the sum cannot overflow.
    SetPosition(std::clamp<std::int64_t>(offset, -maxSize, maxSize) + base);
    return position_;
}

std::int64_t TMemoryStream::Read(char* buffer, std::int64_t count)
{
    if (count <= 0 || position_ >= Size())
        return 0;
    const std::int64_t n = std::min(count, Size() - position_);
    std::memcpy(buffer, data_.constData() + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
}

std::int64_t TMemoryStream::Write(const char* buffer, std::int64_t count)
{
    if (count <= 0 || position_ > maxSize - count)
        return 0;
    const std::int64_t end = position_ + count;
    if (end > Size())
        data_.resize(static_cast<qsizetype>(end), '\0');
    std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
    position_ = end;
    return count;
}

void TMemoryStream::Clear()
{
    data_.clear();
    position_ = 0;
}

} // namespace platform
