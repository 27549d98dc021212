#include "util/IniFile.h"

#include "platform/CodePage.h"
#include "platform/Errors.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF");

enum class Kind { Section, Entry, Other };

struct Parsed {
    Kind kind = Kind::Other;
    QString name;
    QString value;
};

Parsed parse(const QString& text)
{
    const QString line = text.trimmed();
    if (line.startsWith(u'[')) {
        const qsizetype close = line.indexOf(u']');
        return {Kind::Section, line.mid(1, close < 0 ? -1 : close - 1).trimmed(), {}};
    }
    if (line.startsWith(u';') || line.startsWith(u'#'))
        return {};
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return {};
    return {Kind::Entry, line.left(eq).trimmed(), line.mid(eq + 1).trimmed()};
}

bool sameName(const QString& a, const QString& b)
{
    return QString::compare(a.trimmed(), b.trimmed(), Qt::CaseInsensitive) == 0;
}

bool hasLineBreak(const QString& s)
{
    return s.contains(u'\n') || s.contains(u'\r') || s.contains(QChar(u'\0'));
}

// Why text cannot be stored as it stands, or empty text when it can.
QString formatProblem(const QString& section, const QString& key, const QString& value)
{
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value))
        return QStringLiteral("a section, key or value holds a line break");
    if (section.trimmed().isEmpty() || section.contains(u']'))
        return QStringLiteral("the section name is empty or holds \"]\"");
    const QString k = key.trimmed();
    if (k.isEmpty() || k.contains(u'=') || k.startsWith(u'[') || k.startsWith(u';') || k.startsWith(u'#'))
        return QStringLiteral("the key is empty, holds \"=\" or begins with \"[\", \";\" or \"#\"");
    return {};
}

bool isDigits(QStringView s, int base)
{
    if (s.isEmpty())
        return false;
    for (const QChar c : s) {
        const bool dec = c >= u'0' && c <= u'9';
        const bool hex = (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (!(dec || (base == 16 && hex)))
            return false;
    }
    return true;
}

} // namespace

IniFile::IniFile(const QString& fileName)
    : fileName_(fileName)
{
    load();
}

void IniFile::load()
{
    QFile file(platform::nativePath(fileName_));
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        state_ = State::Unreadable;
        return;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        state_ = State::Unreadable;
        return;
    }
    state_ = State::Loaded;
    if (bytes.startsWith(utf8Bom)) {
        byteOrderMark_ = true;
        bytes.remove(0, utf8Bom.size());
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        encoding_ = Encoding::Windows1250;
        text = platform::fromAnsi(bytes);
    }

    bool endingSeen = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\n' && c != u'\r')
            continue;
        const qsizetype endLength = (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ? 2 : 1;
        Line line{text.mid(start, i - start), text.mid(i, endLength)};
        if (!endingSeen) {
            newLine_ = line.ending;
            endingSeen = true;
        }
        lines_.push_back(std::move(line));
        i += endLength - 1;
        start = i + 1;
    }
    if (start < text.size())
        lines_.push_back({text.mid(start), {}});
}

std::optional<qsizetype> IniFile::findSection(const QString& section) const
{
    for (qsizetype i = 0; i < qsizetype(lines_.size()); ++i) {
        const Parsed p = parse(lines_[i].text);
        if (p.kind == Kind::Section && sameName(p.name, section))
            return i;
    }
    return std::nullopt;
}

qsizetype IniFile::sectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < qsizetype(lines_.size()) && parse(lines_[i].text).kind != Kind::Section)
        ++i;
    return i;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const
{
    const std::optional<qsizetype> header = findSection(section);
    if (!header)
        return std::nullopt;
    const qsizetype end = sectionEnd(*header);
    for (qsizetype i = *header + 1; i < end; ++i) {
        Parsed p = parse(lines_[i].text);
        if (p.kind == Kind::Entry && sameName(p.name, key))
            return std::move(p.value);
    }
    return std::nullopt;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const
{
    const std::optional<QString> v = value(section, key);
    return v ? v->left(MaxValueLength) : def.left(MaxValueLength);
}

std::int32_t IniFile::readInteger(const QString& section, const QString& key, std::int32_t def) const
{
    const std::optional<std::int32_t> n = parseInteger(readString(section, key, {}));
    return n ? *n : def;
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

std::optional<std::int32_t> IniFile::parseInteger(const QString& text)
{
    bool ok = false;
    if (text.size() > 2 && text.at(0) == u'0' && (text.at(1) == u'x' || text.at(1) == u'X')) {
        const QStringView digits = QStringView(text).mid(2);
        if (!isDigits(digits, 16))
            return std::nullopt;
        const qulonglong n = digits.toULongLong(&ok, 16);
        if (!ok || n > 0xFFFFFFFFull)
            return std::nullopt;
        return platform::wrap32(static_cast<std::int64_t>(n));
    }
    const QStringView view(text);
    const bool signed_ = view.startsWith(u'-') || view.startsWith(u'+');
    if (!isDigits(view.mid(signed_ ? 1 : 0), 10))
        return std::nullopt;
    const qlonglong n = view.toLongLong(&ok, 10);
    if (!ok || n < INT32_MIN || n > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(n);
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    setValue(section, key, value);
    save();
}

void IniFile::writeInteger(const QString& section, const QString& key, std::int32_t value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::insertLine(qsizetype at, const QString& text)
{
    if (at > 0 && lines_[at - 1].ending.isEmpty())
        lines_[at - 1].ending = newLine_;
    lines_.insert(lines_.begin() + at, Line{text, newLine_});
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    if (state_ == State::Unreadable)
        failWrite();
    if (const QString problem = formatProblem(section, key, value); !problem.isEmpty())
        failWrite(problem);
    if (encoding_ == Encoding::Windows1250) {
        const QString added = section + key + value;
        if (platform::fromAnsi(platform::toAnsi(added)) != added)
            failWrite(QStringLiteral("the text does not fit the file's code page"));
    }

    const QString entry = key.trimmed() + u'=' + value;
    const std::optional<qsizetype> header = findSection(section);
    if (!header) {
        if (!lines_.empty() && !lines_.back().text.trimmed().isEmpty())
            insertLine(qsizetype(lines_.size()), QString());
        insertLine(qsizetype(lines_.size()), u'[' + section.trimmed() + u']');
        insertLine(qsizetype(lines_.size()), entry);
        return;
    }
    const qsizetype end = sectionEnd(*header);
    qsizetype after = *header;
    for (qsizetype i = *header + 1; i < end; ++i) {
        const Parsed p = parse(lines_[i].text);
        if (p.kind != Kind::Entry)
            continue;
        if (sameName(p.name, key)) {
            QString& text = lines_[i].text;
            QString keyPart = text.left(text.indexOf(u'='));
            while (!keyPart.isEmpty() && keyPart.back().isSpace())
                keyPart.chop(1);
            text = keyPart + u'=' + value;
            return;
        }
        after = i;
    }
    insertLine(after + 1, entry);
}

void IniFile::save() const
{
    const QString path = platform::nativePath(fileName_);
    if (platform::isWriteProtected(path))
        failWrite();
    QString text;
    for (const Line& line : lines_)
        text += line.text + line.ending;
    QByteArray bytes = encoding_ == Encoding::Utf8 ? text.toUtf8() : platform::toAnsi(text);
    if (byteOrderMark_)
        bytes.prepend(utf8Bom);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        failWrite();
}

void IniFile::failWrite(const QString& reason) const
{
    QString message = QStringLiteral("Unable to write to %1").arg(fileName_);
    if (!reason.isEmpty())
        message += QStringLiteral(": ") + reason;
    throw platform::EIniFileException(message);
}
