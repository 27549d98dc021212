#include "platform/db/FIBField.h"

#include "platform/CodePage.h"
#include "platform/Errors.h"
#include "platform/Numbers.h"

#include <QDateTime>
#include <cmath>

namespace platform {

namespace {

EConvertError notConvertible(const QVariant& value, const char* what)
{
    return EConvertError(QStringLiteral("Wartości '%1' nie można odczytać jako %2")
                             .arg(value.toString(), QString::fromLatin1(what)));
}

bool isIntegral(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

bool isFloating(const QVariant& value)
{
    return value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float;
}

std::int32_t checked32(long double value, const QVariant& original)
{
    if (!std::isfinite(value) || value >= 2147483648.0L || value <= -2147483649.0L)
        throw notConvertible(original, "liczbę całkowitą");
    return static_cast<std::int32_t>(Trunc(value));
}

QDateTime validMoment(TDateTime value)
{
    const QDateTime moment = toQDateTime(value);
    if (!moment.isValid())
        throw EConvertError(QStringLiteral("Nieprawidłowa wartość daty i czasu: %1").arg(value, 0, 'g', 17));
    return moment;
}

} // namespace

void TFIBParam::SetAsDateTime(TDateTime value)
{
    value_ = validMoment(value);
}

void TFIBParam::SetAsDate(TDateTime value)
{
    value_ = validMoment(value).date();
}

std::int32_t TFIBField::AsInteger() const
{
    if (value_.isNull())
        return 0;
    if (value_.typeId() == QMetaType::ULongLong) {
        const qulonglong v = value_.toULongLong();
        if (v > static_cast<qulonglong>(INT32_MAX))
            throw notConvertible(value_, "liczbę całkowitą");
        return static_cast<std::int32_t>(v);
    }
    if (isIntegral(value_)) {
        const qlonglong v = value_.toLongLong();
        if (v > INT32_MAX || v < INT32_MIN)
            throw notConvertible(value_, "liczbę całkowitą");
        return static_cast<std::int32_t>(v);
    }
    if (isFloating(value_))
        return checked32(value_.toDouble(), value_);
    if (value_.typeId() == QMetaType::QString) {
        bool ok = false;
        const qlonglong v = value_.toString().trimmed().toLongLong(&ok);
        if (!ok || v > INT32_MAX || v < INT32_MIN)
            throw notConvertible(value_, "liczbę całkowitą");
        return static_cast<std::int32_t>(v);
    }
    throw notConvertible(value_, "liczbę całkowitą");
}

QString TFIBField::AsString() const
{
    if (value_.isNull())
        return QString();
    if (value_.typeId() == QMetaType::QByteArray)
        return textBytes_ == TTextBytes::Utf8 ? QString::fromUtf8(value_.toByteArray()) : fromAnsi(value_.toByteArray());
    return value_.toString();
}

double TFIBField::AsFloat() const
{
    if (value_.isNull())
        return 0;
    if (isIntegral(value_) || isFloating(value_))
        return value_.toDouble();
    if (value_.typeId() == QMetaType::QString) {
        bool ok = false;
        const double v = value_.toString().trimmed().toDouble(&ok);
        if (ok)
            return v;
    }
    throw notConvertible(value_, "liczbę");
}

TDateTime TFIBField::AsDateTime() const
{
    if (value_.isNull())
        return 0;
    switch (value_.typeId()) {
    case QMetaType::QDateTime:
        return fromQDateTime(value_.toDateTime());
    case QMetaType::QDate:
        return fromQDateTime(value_.toDate().startOfDay());
    case QMetaType::QTime:
        return EncodeTime(value_.toTime().hour(), value_.toTime().minute(), value_.toTime().second(),
                          value_.toTime().msec());
    default:
        throw notConvertible(value_, "datę i czas");
    }
}

void TFIBField::SaveToStream(TMemoryStream& stream) const
{
    if (value_.isNull())
        return;
    if (value_.typeId() == QMetaType::QByteArray)
        stream.Write(value_.toByteArray());
    else
        stream.Write(textBytes_ == TTextBytes::Utf8 ? AsString().toUtf8() : toAnsi(AsString()));
}

TTextBytes textBytesOf(const QString& charSet)
{
    const bool utf8 = charSet.compare(QLatin1String("UTF8"), Qt::CaseInsensitive) == 0
        || charSet.compare(QLatin1String("UNICODE_FSS"), Qt::CaseInsensitive) == 0;
    return utf8 ? TTextBytes::Utf8 : TTextBytes::Ansi;
}

} // namespace platform
