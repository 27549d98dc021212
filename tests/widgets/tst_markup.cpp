#include "tst_markup.h"

#include "platform/gui/HtmlMarkup.h"

#include <QFontMetrics>
#include <QTest>

using namespace platform::markup;

namespace {

// One line per item: 'text' with its style, "br" or "ind<N>".
QString describe(const std::vector<Item>& items)
{
    QStringList out;
    for (const Item& item : items) {
        switch (item.kind) {
        case Item::Kind::Text: {
            QString s = u'\'' + item.text + u'\'';
            if (item.bold)
                s += QStringLiteral(" b");
            if (item.color.isValid())
                s += u' ' + item.color.name();
            if (!item.href.isEmpty())
                s += QStringLiteral(" ->") + item.href;
            out << s;
            break;
        }
        case Item::Kind::LineBreak:
            out << QStringLiteral("br");
            break;
        case Item::Kind::Indent:
            out << QStringLiteral("ind%1").arg(item.indent);
            break;
        }
    }
    return out.join(QStringLiteral(" | "));
}

QFont arial(int pixels)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    return f;
}

} // namespace

void TestMarkup::parse_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("items");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("plain text keeps its blanks") << u"  <b>MTTR:</b> 00:22:30"_qs << u"'  ' | 'MTTR:' b | ' 00:22:30'"_qs;
    QTest::newRow("colour names in either case")
        << u"<font color=\"clRed\">a</font><FONT COLOR=\"CLBLUE\">b</FONT><font color=\"clgreen\">c</font>"_qs
        << u"'a' #ff0000 | 'b' #0000ff | 'c' #008000"_qs;
    QTest::newRow("blank before the closing bracket")
        << u"<font color=\"clblue\" ><b>Cz.Operacyjny</b></font> [07:10:00]"_qs
        << u"'Cz.Operacyjny' b #0000ff | ' [07:10:00]'"_qs;
    QTest::newRow("closing tags out of order")
        << u"<b><font color=\"clblue\" >Cz.Efektywnej Pracy</b></font> [05:00:00]"_qs
        << u"'Cz.Efektywnej Pracy' b #0000ff | ' [05:00:00]'"_qs;
    QTest::newRow("nested fonts restore the outer colour")
        << u"<font color=\"clRed\">a<font color=\"clNavy\">b</font>c</font>d"_qs
        << u"'a' #ff0000 | 'b' #000080 | 'c' #ff0000 | 'd'"_qs;
    QTest::newRow("other named and hex colours")
        << u"<font color=\"clTeal\">a</font><font color=\"#123456\">b</font><font color=\"Maroon\">c</font>"_qs
        << u"'a' #008080 | 'b' #123456 | 'c' #800000"_qs;
    QTest::newRow("unknown colour keeps the current one")
        << u"<font color=\"clRed\">a<font color=\"clNope\">b</font>c</font>"_qs << u"'abc' #ff0000"_qs;
    QTest::newRow("line breaks in every spelling") << u"a<br>b<BR/>c<br />d\r\ne\nf"_qs
                                                   << u"'a' | br | 'b' | br | 'c' | br | 'd' | br | 'e' | br | 'f'"_qs;
    QTest::newRow("indent tag and its attribute form")
        << u"Czas Operacyjny:<ind=\"150\">07:10:00<IND x=\"250\">R"_qs
        << u"'Czas Operacyjny:' | ind150 | '07:10:00' | ind250 | 'R'"_qs;
    QTest::newRow("indent without a number is dropped") << u"a<ind=\"abc\">b<ind>c"_qs << u"'abc'"_qs;
    QTest::newRow("negative indent stays at the left edge") << u"<ind=\"-20\">a"_qs << u"ind0 | 'a'"_qs;
    QTest::newRow("link with surrounding text")
        << u"Artykuł  <A href=\"https://example.org/pliki/oee.pdf\">Wskaźnik OEE - Teoria i praktyka </A>"_qs
        << u"'Artykuł  ' | 'Wskaźnik OEE - Teoria i praktyka ' ->https://example.org/pliki/oee.pdf"_qs;
    QTest::newRow("link with a quoted bracket") << u"<a href='x?a>b'>t</a>"_qs << u"'t' ->x?a>b"_qs;
    QTest::newRow("entities") << u"&amp;&lt;b&gt;&quot;&apos;&#261;&#x142;&NBSP;"_qs << u"'&<b>\"'ął\u00A0'"_qs;
    QTest::newRow("not entities stay as text") << u"a & b &bogus; &#; &#xZZ; &#0; &amp"_qs
                                               << u"'a & b &bogus; &#; &#xZZ; &#0; &amp'"_qs;
    QTest::newRow("unknown tags are dropped, their text kept")
        << u"<i>x</i><span style=\"a\">y</span><u>z</u>"_qs << u"'xyz'"_qs;
    QTest::newRow("comparison signs are text") << u"a < b > c, x<5"_qs << u"'a < b > c, x<5'"_qs;
    QTest::newRow("unterminated tag is text") << u"MTBF <b"_qs << u"'MTBF <b'"_qs;
    QTest::newRow("a bracket before the tag ends makes it text") << u"<b x <b>y"_qs << u"'<b x ' | 'y' b"_qs;
    QTest::newRow("unterminated quote ends at the first bracket")
        << u"<font color=\"clRed>text</font>after"_qs << u"'text' #ff0000 | 'after'"_qs;
    QTest::newRow("stray closing tags") << u"</b></font></a>x"_qs << u"'x'"_qs;
    QTest::newRow("open tags at the end")
        << u"Czas odtworzenia braków:<ind=\"250\"><font color=\"clred\">00:06:40"_qs
        << u"'Czas odtworzenia braków:' | ind250 | '00:06:40' #ff0000"_qs;
    QTest::newRow("bold counts its openings") << u"<b><b>a</b>b</b>c"_qs << u"'ab' b | 'c'"_qs;
}

void TestMarkup::parse()
{
    QFETCH(QString, markup);
    QFETCH(QString, items);
    QCOMPARE(describe(platform::markup::parse(markup)), items);
}

void TestMarkup::plainTextKeepsEveryCharacter()
{
    QCOMPARE(plainText(u"średni czas awarii:<br>  <b>MTTR:</b> 00:22:30<br><br>x < y &amp; <z"_qs),
             u"średni czas awarii:\n  MTTR: 00:22:30\n\nx < y & <z"_qs);
}

void TestMarkup::indentMovesOnlyForward()
{
    const Options options{arial(15), Qt::black, Qt::blue, 0};
    const QFontMetrics fm(options.font);

    const Layout shortLine = layOut(u"ab<ind=\"150\">c"_qs, options);
    QCOMPARE(shortLine.fragments.size(), size_t(2));
    QCOMPARE(shortLine.fragments[1].rect.left(), 150);

    const QString longText = QString(40, u'W');
    QVERIFY(fm.horizontalAdvance(longText) > 150);
    const Layout longLine = layOut(longText + u"<ind=\"150\">c"_qs, options);
    QCOMPARE(longLine.fragments[1].rect.left(), fm.horizontalAdvance(longText));

    const Layout nextLine = layOut(longText + u"<br><ind=\"150\">c"_qs, options);
    QCOMPARE(nextLine.fragments[1].rect.left(), 150);
    QCOMPARE(nextLine.fragments[1].rect.top(), nextLine.fragments[0].rect.bottom() + 1);
}

void TestMarkup::sizeFollowsLinesAndSpacing_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("spacing");
    QTest::newRow("one line") << u"<b>a</b>b"_qs << 1 << 2;
    QTest::newRow("three lines, spacing 2") << u"a<br>b<br>c"_qs << 3 << 2;
    QTest::newRow("trailing break adds an empty line") << u"a<br>"_qs << 2 << 0;
    QTest::newRow("empty text is one line high") << QString() << 1 << 2;
}

void TestMarkup::sizeFollowsLinesAndSpacing()
{
    QFETCH(QString, markup);
    QFETCH(int, lines);
    QFETCH(int, spacing);
    const Options options{arial(12), Qt::black, Qt::blue, spacing};
    QFont bold = options.font;
    bold.setBold(true);
    const int lineHeight = std::max(QFontMetrics(options.font).height(), QFontMetrics(bold).height());
    const Layout layout = layOut(markup, options);
    QCOMPARE(layout.size.height(), lines * lineHeight + (lines - 1) * spacing);
    int right = 0;
    for (const Fragment& f : layout.fragments)
        right = std::max(right, f.rect.right() + 1);
    QCOMPARE(layout.size.width(), right);
}

void TestMarkup::styleReachesFragments()
{
    const Options options{arial(12), QColor(10, 20, 30), QColor(1, 2, 3), 0};
    const Layout layout = layOut(u"a<b>b</b><font color=\"clRed\">c</font><a href=\"u\">d</a>"_qs, options);
    QCOMPARE(layout.fragments.size(), size_t(4));
    QCOMPARE(layout.fragments[0].color, QColor(10, 20, 30));
    QVERIFY(!layout.fragments[0].font.bold());
    QVERIFY(layout.fragments[1].font.bold());
    QCOMPARE(layout.fragments[2].color, QColor(Qt::red));
    QCOMPARE(layout.fragments[3].color, QColor(1, 2, 3));
    QVERIFY(layout.fragments[3].font.underline());
    QVERIFY(layout.fragments[1].rect.left() == layout.fragments[0].rect.right() + 1);
}

void TestMarkup::linkAtFindsOnlyLinks()
{
    const Layout layout = layOut(u"Artykuł  <a href=\"https://example.org/x\">link</a><br>next"_qs,
                                 Options{arial(15), Qt::black, Qt::blue, 2});
    const Fragment& link = layout.fragments[1];
    QCOMPARE(linkAt(layout, link.rect.center()), u"https://example.org/x"_qs);
    QCOMPARE(linkAt(layout, layout.fragments[0].rect.center()), QString());
    QCOMPARE(linkAt(layout, layout.fragments[2].rect.center()), QString());
    QCOMPARE(linkAt(layout, link.rect.topRight() + QPoint(1, 0)), QString());
}
