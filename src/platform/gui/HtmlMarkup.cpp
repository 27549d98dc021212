#include "platform/gui/HtmlMarkup.h"

#include "platform/gui/Color.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>

namespace platform::markup {

namespace {

struct NamedColor {
    const char* name; // without the "cl" prefix, lower case
    TColor color;
};

constexpr std::array namedColors{
    NamedColor{"black", clBlack}, NamedColor{"maroon", clMaroon}, NamedColor{"green", clGreen},
    NamedColor{"olive", clOlive}, NamedColor{"navy", clNavy},     NamedColor{"purple", clPurple},
    NamedColor{"teal", clTeal},   NamedColor{"gray", clGray},     NamedColor{"silver", clSilver},
    NamedColor{"red", clRed},     NamedColor{"lime", clLime},     NamedColor{"yellow", clYellow},
    NamedColor{"blue", clBlue},   NamedColor{"fuchsia", clFuchsia}, NamedColor{"aqua", clAqua},
    NamedColor{"white", clWhite},
};

struct Tag {
    QString name; // lower case
    bool closing = false;
    QString value; // of <name="value">
    std::vector<std::pair<QString, QString>> attributes; // names in lower case
    qsizetype end = 0; // index just past '>'

    QString attribute(const QString& key) const
    {
        for (const auto& [k, v] : attributes)
            if (k == key)
                return v;
        return {};
    }
};

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isNameChar(QChar c)
{
    return isAsciiLetter(c) || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_';
}

// The index of the '>' that ends the tag opened at `open`, honouring quoted values; an
// unterminated quote falls back to the first '>'. -1 when the tag never ends, or when
// another '<' comes first (then the first '<' was ordinary text).
qsizetype tagEnd(const QString& s, qsizetype open)
{
    QChar quote;
    for (qsizetype k = open + 1; k < s.size(); ++k) {
        const QChar c = s.at(k);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            return k;
        } else if (c == u'<') {
            return -1;
        }
    }
    if (quote.isNull())
        return -1;
    const qsizetype gt = s.indexOf(u'>', open + 1);
    const qsizetype lt = s.indexOf(u'<', open + 1);
    return lt >= 0 && lt < gt ? -1 : gt;
}

// A value after '=' starting at k: quoted (up to the closing quote or the end) or bare.
QString readValue(const QString& body, qsizetype& k)
{
    while (k < body.size() && body.at(k).isSpace())
        ++k;
    if (k >= body.size())
        return {};
    const QChar c = body.at(k);
    if (c == u'"' || c == u'\'') {
        const qsizetype close = body.indexOf(c, k + 1);
        const qsizetype stop = close < 0 ? body.size() : close;
        QString v = body.mid(k + 1, stop - k - 1);
        k = close < 0 ? body.size() : close + 1;
        return v;
    }
    const qsizetype start = k;
    while (k < body.size() && !body.at(k).isSpace())
        ++k;
    return body.mid(start, k - start);
}

std::optional<Tag> readTag(const QString& s, qsizetype open)
{
    qsizetype j = open + 1;
    Tag tag;
    if (j < s.size() && s.at(j) == u'/') {
        tag.closing = true;
        ++j;
    }
    if (j >= s.size() || !isAsciiLetter(s.at(j)))
        return std::nullopt;
    const qsizetype end = tagEnd(s, open);
    if (end < 0)
        return std::nullopt;
    qsizetype k = j;
    while (k < end && isNameChar(s.at(k)))
        ++k;
    tag.name = s.mid(j, k - j).toLower();
    tag.end = end + 1;

    QString body = s.mid(k, end - k);
    if (body.endsWith(u'/'))
        body.chop(1);
    qsizetype p = 0;
    while (p < body.size() && body.at(p).isSpace())
        ++p;
    if (p < body.size() && body.at(p) == u'=') {
        ++p;
        tag.value = readValue(body, p);
    }
    while (p < body.size()) {
        if (body.at(p).isSpace()) {
            ++p;
            continue;
        }
        const qsizetype start = p;
        while (p < body.size() && !body.at(p).isSpace() && body.at(p) != u'=')
            ++p;
        QString key = body.mid(start, p - start).toLower();
        while (p < body.size() && body.at(p).isSpace())
            ++p;
        QString value;
        if (p < body.size() && body.at(p) == u'=') {
            ++p;
            value = readValue(body, p);
        }
        if (!key.isEmpty())
            tag.attributes.emplace_back(std::move(key), std::move(value));
    }
    return tag;
}

struct Entity {
    QString text;
    qsizetype end = 0;
};

std::optional<Entity> readEntity(const QString& s, qsizetype amp)
{
    const qsizetype semi = s.indexOf(u';', amp + 1);
    if (semi < 0 || semi - amp > 12)
        return std::nullopt;
    const QString name = s.mid(amp + 1, semi - amp - 1);
    if (name.startsWith(u'#')) {
        bool ok = false;
        const bool hex = name.size() > 1 && (name.at(1) == u'x' || name.at(1) == u'X');
        const QString digits = name.mid(hex ? 2 : 1);
        if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [hex](QChar c) {
                return (c >= u'0' && c <= u'9') || (hex && isAsciiLetter(c));
            }))
            return std::nullopt;
        const uint code = digits.toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        const char32_t cp = code;
        return Entity{QString::fromUcs4(&cp, 1), semi + 1};
    }
    static const std::array<std::pair<const char*, char16_t>, 6> names{{
        {"amp", u'&'}, {"lt", u'<'}, {"gt", u'>'}, {"quot", u'"'}, {"apos", u'\''}, {"nbsp", u'\u00A0'},
    }};
    for (const auto& [n, ch] : names)
        if (name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
            return Entity{QString(QChar(ch)), semi + 1};
    return std::nullopt;
}

class Parser {
public:
    std::vector<Item> run(const QString& s)
    {
        qsizetype i = 0;
        while (i < s.size()) {
            const QChar c = s.at(i);
            if (c == u'<') {
                if (const std::optional<Tag> tag = readTag(s, i)) {
                    flush();
                    apply(*tag);
                    i = tag->end;
                    continue;
                }
                pending_ += c;
            } else if (c == u'&') {
                if (const std::optional<Entity> e = readEntity(s, i)) {
                    pending_ += e->text;
                    i = e->end;
                    continue;
                }
                pending_ += c;
            } else if (c == u'\r' || c == u'\n') {
                if (c == u'\r' && i + 1 < s.size() && s.at(i + 1) == u'\n')
                    ++i;
                lineBreak();
            } else if (c == u'\t') {
                pending_ += u' ';
            } else {
                pending_ += c;
            }
            ++i;
        }
        flush();
        return std::move(items_);
    }

private:
    void flush()
    {
        if (pending_.isEmpty())
            return;
        const bool bold = bold_ > 0;
        const QColor color = colors_.empty() ? QColor() : colors_.back();
        if (!items_.empty()) {
            Item& last = items_.back();
            if (last.kind == Item::Kind::Text && last.bold == bold && last.color == color && last.href == href_) {
                last.text += pending_;
                pending_.clear();
                return;
            }
        }
        items_.push_back({Item::Kind::Text, pending_, 0, bold, color, href_});
        pending_.clear();
    }

    void lineBreak()
    {
        flush();
        items_.push_back({Item::Kind::LineBreak, {}, 0, false, {}, {}});
    }

    void apply(const Tag& tag)
    {
        if (tag.name == u"br") {
            lineBreak();
        } else if (tag.name == u"b") {
            bold_ = tag.closing ? std::max(0, bold_ - 1) : bold_ + 1;
        } else if (tag.name == u"font") {
            if (tag.closing) {
                if (!colors_.empty())
                    colors_.pop_back();
            } else {
                const std::optional<QColor> named = colorByName(tag.attribute(QStringLiteral("color")).trimmed());
                colors_.push_back(named ? *named : colors_.empty() ? QColor() : colors_.back());
            }
        } else if (tag.name == u"a") {
            href_ = tag.closing ? QString() : tag.attribute(QStringLiteral("href")).trimmed();
        } else if (tag.name == u"ind" && !tag.closing) {
            const QString text = tag.value.isEmpty() ? tag.attribute(QStringLiteral("x")) : tag.value;
            bool ok = false;
            const int px = text.trimmed().toInt(&ok);
            if (ok)
                items_.push_back({Item::Kind::Indent, {}, std::clamp(px, 0, 32767), false, {}, {}});
        }
    }

    std::vector<Item> items_;
    QString pending_;
    int bold_ = 0;
    std::vector<QColor> colors_;
    QString href_;
};

} // namespace

std::optional<QColor> colorByName(const QString& name)
{
    if (name.startsWith(u'#')) {
        const QColor c = QColor::fromString(name);
        return c.isValid() && name.size() == 7 ? std::optional<QColor>(c) : std::nullopt;
    }
    QString key = name.toLower();
    if (key.startsWith(QLatin1String("cl")))
        key.remove(0, 2);
    for (const NamedColor& n : namedColors)
        if (key == QLatin1String(n.name))
            return QColor(GetRValue(n.color), GetGValue(n.color), GetBValue(n.color));
    return std::nullopt;
}

std::vector<Item> parse(const QString& markup)
{
    return Parser().run(markup);
}

QString plainText(const QString& markup)
{
    QString out;
    for (const Item& item : parse(markup)) {
        if (item.kind == Item::Kind::Text)
            out += item.text;
        else if (item.kind == Item::Kind::LineBreak)
            out += u'\n';
    }
    return out;
}

Layout layOut(const std::vector<Item>& items, const Options& options)
{
    QFont regular = options.font;
    QFont bold = regular;
    bold.setBold(true);
    const QFontMetrics regularMetrics(regular);
    const QFontMetrics boldMetrics(bold);
    const int ascent = std::max(regularMetrics.ascent(), boldMetrics.ascent());
    const int lineHeight = std::max(regularMetrics.height(), boldMetrics.height());
    const int spacing = std::max(0, options.lineSpacing);

    Layout layout;
    int x = 0;
    int top = 0;
    int width = 0;
    for (const Item& item : items) {
        switch (item.kind) {
        case Item::Kind::Text: {
            QFont font = item.bold ? bold : regular;
            if (!item.href.isEmpty())
                font.setUnderline(true);
            const int advance = QFontMetrics(font).horizontalAdvance(item.text);
            const QColor color = item.color.isValid() ? item.color
                : item.href.isEmpty()                 ? options.textColor
                                                      : options.linkColor;
            layout.fragments.push_back({QRect(x, top, advance, lineHeight), top + ascent, item.text, font, color, item.href});
            x += advance;
            break;
        }
        case Item::Kind::LineBreak:
            top += lineHeight + spacing;
            x = 0;
            break;
        case Item::Kind::Indent:
            x = std::max(x, item.indent);
            break;
        }
        width = std::max(width, x);
    }
    layout.size = QSize(width, top + lineHeight);
    return layout;
}

QString linkAt(const Layout& layout, QPoint point)
{
    for (const Fragment& f : layout.fragments)
        if (!f.href.isEmpty() && f.rect.contains(point))
            return f.href;
    return {};
}

void paint(QPainter& painter, const Layout& layout, QPoint origin)
{
    painter.save();
    for (const Fragment& f : layout.fragments) {
        painter.setFont(f.font);
        painter.setPen(f.color);
        painter.drawText(origin + QPoint(f.rect.x(), f.baseline), f.text);
    }
    painter.restore();
}

} // namespace platform::markup
