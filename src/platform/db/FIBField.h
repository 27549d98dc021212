#pragma once

#include "platform/DateTime.h"
#include "platform/MemoryStream.h"

#include <QVariant>
#include <cstdint>

namespace platform {

// A statement parameter: null until a value is set.
class TFIBParam {
public:
    void SetAsInteger(std::int32_t value) { value_ = value; }
    void SetAsString(const QString& value) { value_ = value; }
    void SetAsFloat(double value) { value_ = value; }
    // Raise EConvertError for a value that is no valid date-time.
    void SetAsDateTime(TDateTime value);
    // The date part only.
    void SetAsDate(TDateTime value);
    // The stream's whole content, whatever its position, as a binary value.
    void LoadFromStream(const TMemoryStream& stream) { value_ = stream.Bytes(); }
    void Clear() { value_ = QVariant(); }

    const QVariant& Value() const { return value_; }

private:
    QVariant value_;
};

// How text blobs and other byte values are read as text: in the connection's character set,
// which is UTF-8 or else taken to be the system's 8-bit code page.
enum class TTextBytes { Utf8, Ansi };

// One column of the current row. A column holding no value reads as 0, empty text or
// nothing. A value that cannot be read in the asked form raises EConvertError.
class TFIBField {
public:
    TFIBField() = default;
    TFIBField(QVariant value, TTextBytes textBytes) : value_(std::move(value)), textBytes_(textBytes) {}

    bool IsNull() const { return value_.isNull(); }
    // A fraction is cut toward zero; a value outside 32 bits raises EConvertError.
    std::int32_t AsInteger() const;
    QString AsString() const;
    double AsFloat() const;
    TDateTime AsDateTime() const;
    // Writes the value's bytes at the stream's position; text is encoded as it is read.
    void SaveToStream(TMemoryStream& stream) const;

    const QVariant& Value() const { return value_; }

private:
    QVariant value_;
    TTextBytes textBytes_ = TTextBytes::Utf8;
};

// The text encoding of byte values read through a connection with this character set.
TTextBytes textBytesOf(const QString& charSet);

} // namespace platform
