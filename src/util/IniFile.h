#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// One settings file in the sectioned key=value format:
//   [Section]
//   key=value
// Section and key names are compared without regard to case and without their surrounding
// blanks; the first matching section and the first matching key win. Lines beginning with
// ";" or "#" are comments. A write changes or adds exactly one line (and a section header
// when needed): every other line keeps its text, its line ending and its place.
//
// The file is UTF-8; an existing file that is not valid UTF-8 is taken as Windows-1250 and
// is written back in that code page. A name without a folder is resolved against the
// current folder; "\" separates folders as "/" does.
class IniFile {
public:
    static constexpr qsizetype MaxValueLength = 2047;

    // Reads the file; a missing or unreadable file reads as empty.
    explicit IniFile(const QString& fileName);

    // The value as stored (surrounding blanks removed), or nothing when the section or the
    // key is missing.
    std::optional<QString> value(const QString& section, const QString& key) const;

    // The value up to MaxValueLength characters; def when missing.
    QString readString(const QString& section, const QString& key, const QString& def) const;
    // Decimal, or hexadecimal after "0x"; def when missing or not a 32-bit number.
    std::int32_t readInteger(const QString& section, const QString& key, std::int32_t def) const;
    // readInteger with 1 or 0 as the default; true when not 0.
    bool readBool(const QString& section, const QString& key, bool def) const;

    // Each write stores one value and saves the file at once. Raises
    // platform::EIniFileException ("Unable to write to <file>") when the file cannot be
    // written, and without touching the file when a name or the value would break the
    // format (a line break, "]" in a section name, "=" in a key and the like).
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, std::int32_t value);
    void writeBool(const QString& section, const QString& key, bool value);

    // The integer rule of readInteger on a stored value.
    static std::optional<std::int32_t> parseInteger(const QString& text);

private:
    struct Line {
        QString text;
        QString ending;
    };
    enum class Encoding { Utf8, Windows1250 };
    enum class State { Missing, Loaded, Unreadable };

    void load();
    void setValue(const QString& section, const QString& key, const QString& value);
    void save() const;
    [[noreturn]] void failWrite(const QString& reason = {}) const;

    std::optional<qsizetype> findSection(const QString& section) const;
    qsizetype sectionEnd(qsizetype header) const;
    void insertLine(qsizetype at, const QString& text);

    QString fileName_;
    std::vector<Line> lines_;
    QString newLine_ = QStringLiteral("\n");
    Encoding encoding_ = Encoding::Utf8;
    bool byteOrderMark_ = false;
    State state_ = State::Missing;
};
