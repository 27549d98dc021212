#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

class QPainter;

// The small mark-up of the rich-text controls: <b>, <br>, <font color="...">, the indent
// tag <ind="N"> (also written <ind x="N">), links <a href="..."> and the entities &amp; &lt;
// &gt; &quot; &apos; &nbsp; &#N; &#xN;. Tag names and colour names are case-insensitive;
// unknown tags are dropped, anything that is not a well-formed tag or entity is kept as
// text, so no input text is ever lost. Closing tags need not nest: </b> ends one <b>,
// </font> the latest <font>, whatever lies between.
namespace platform::markup {

// One piece of parsed mark-up.
struct Item {
    enum class Kind { Text, LineBreak, Indent };
    Kind kind = Kind::Text;
    QString text;   // Text only
    int indent = 0; // Indent: pixels from the left edge
    bool bold = false;
    QColor color;   // invalid: the control's text colour
    QString href;   // non-empty inside a link
};

// Mark-up into items; adjacent text of the same style is merged into one item.
std::vector<Item> parse(const QString& markup);

// The text a reader sees, with "\n" for each line break (indents are left out).
QString plainText(const QString& markup);

// A colour name of the mark-up (clRed, clblue, ... or #RRGGBB); nullopt when unknown.
std::optional<QColor> colorByName(const QString& name);

struct Options {
    QFont font;
    QColor textColor = Qt::black;
    QColor linkColor = QColor(0, 0, 255);
    int lineSpacing = 0; // extra pixels between lines
};

// A run of text placed on a line.
struct Fragment {
    QRect rect; // the run's box: its advance wide, the line high
    int baseline = 0;
    QString text;
    QFont font;
    QColor color;
    QString href;
};

struct Layout {
    std::vector<Fragment> fragments;
    QSize size; // the text's extent from (0, 0)
};

// Places the items on lines: each line as high as the font, lineSpacing pixels between
// lines; an indent moves the pen to its position unless the line already reaches past it.
Layout layOut(const std::vector<Item>& items, const Options& options);
inline Layout layOut(const QString& markup, const Options& options) { return layOut(parse(markup), options); }

// The link under a point of the layout's coordinates; empty when there is none.
QString linkAt(const Layout& layout, QPoint point);

void paint(QPainter& painter, const Layout& layout, QPoint origin);

} // namespace platform::markup
