#include "util/DesktopEntry.h"

#include <QFile>
#include <QSaveFile>

namespace {

bool needsQuotes(const QString& arg)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    if (arg.isEmpty())
        return true;
    for (const QChar c : arg) {
        if (reserved.contains(c))
            return true;
    }
    return false;
}

QString quoteArgument(const QString& arg)
{
    QString out;
    if (!needsQuotes(arg)) {
        out = arg;
    } else {
        out = u'"';
        for (const QChar c : arg) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                out += u'\\';
            out += c;
        }
        out += u'"';
    }
    // "%" starts a field code; a literal one is doubled.
    out.replace(u'%', QStringLiteral("%%"));
    return out;
}

} // namespace

void DesktopEntry::set(const QString& key, const QString& value)
{
    if (!value.isEmpty())
        entries_.emplace_back(key, value);
}

QString DesktopEntry::text() const
{
    QString out = QStringLiteral("[Desktop Entry]\n");
    for (const auto& [key, value] : entries_)
        out += key + u'=' + escapeValue(value) + u'\n';
    return out;
}

bool DesktopEntry::save(const QString& fileName) const
{
    QSaveFile file(fileName);
    const QByteArray bytes = text().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return false;
    // Desktops start an entry outside their menus only when it is marked executable.
    QFile::setPermissions(fileName, QFile::permissions(fileName) | QFile::ExeOwner);
    return true;
}

QString DesktopEntry::execLine(const QString& program, const QStringList& arguments)
{
    QString out = quoteArgument(program);
    for (const QString& arg : arguments)
        out += u' ' + quoteArgument(arg);
    return out;
}

QString DesktopEntry::escapeValue(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c == u' ' && i == 0)
            out += QStringLiteral("\\s");
        else
            out += c;
    }
    return out;
}
