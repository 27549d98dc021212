#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// The [Desktop Entry] group of a freedesktop desktop entry file, written in the order the
// keys were set, with the format's escapes so that any text stays one value.
class DesktopEntry {
public:
    // Adds key=value; an empty value leaves the key out.
    void set(const QString& key, const QString& value);
    QString text() const;
    // Writes the file whole or not at all; true when it was written.
    bool save(const QString& fileName) const;

    // The Exec value that starts program with arguments, each quoted where needed.
    static QString execLine(const QString& program, const QStringList& arguments);
    // The value with "\", line breaks, tabs and a leading blank escaped.
    static QString escapeValue(const QString& value);

private:
    std::vector<std::pair<QString, QString>> entries_;
};
