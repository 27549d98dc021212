#include "LocaleGuard.h"
#include "platform/CodePage.h"
#include "platform/StringList.h"
#include "platform/TextCompare.h"
#include "util/TmyStr.h"

#include <QTest>
#include <cstdint>
#include <optional>

using platform::EStringListError;
using platform::TDuplicates;
using platform::TStringList;

namespace {

TStringList listOf(const QStringList& strings)
{
    TStringList list;
    for (qsizetype i = 0; i < strings.size(); ++i)
        list.AddObject(strings[i], static_cast<int>(i));
    return list;
}

QList<int> objectsOf(const TStringList& list)
{
    QList<int> out;
    for (int i = 0; i < list.Count(); ++i)
        out.append(list.Objects(i).toInt());
    return out;
}

// The removal exactly as described: delete the first occurrence, search again from the start.
QString removeRepeatedly(const QString& sub, QString text)
{
    for (qsizetype p = text.indexOf(sub); p >= 0; p = text.indexOf(sub))
        text.remove(p, sub.size());
    return text;
}

} // namespace

class TestStrings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void localeOrder_data();
    void localeOrder();
    void sortedListDuplicates();
    void listKeepsObjectsAndChecksIndexes();
    void turningSortingOnIsStable();
    void sortRemoveDuplicate_data();
    void sortRemoveDuplicate();
    void sortRemoveDuplicateKeepsListSettings();

    void firstWord_data();
    void firstWord();
    void wordCount_data();
    void wordCount();
    void characters();
    void dropFinalCharacter_data();
    void dropFinalCharacter();
    void diacritics();
    void deleteSubstring_data();
    void deleteSubstring();
    void deleteSubstringMatchesRepeatedRemoval();
    void lineBreaks();
    void spaces_data();
    void spaces();
    void eightBit_data();
    void eightBit();
    void digitAndHexTests_data();
    void digitAndHexTests();

private:
    std::optional<LocaleGuard> polish_;
};

void TestStrings::init()
{
    polish_.reset();
    polish_.emplace(QLocale(QLocale::Polish, QLocale::Poland));
}

void TestStrings::localeOrder_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("ignoringCase");
    QTest::addColumn<int>("withCase");
    QTest::newRow("case only") << "abc" << "ABC" << 0 << -1;
    QTest::newRow("a before ą") << "a" << "ą" << -1 << -1;
    QTest::newRow("ą before b") << "Ą" << "b" << -1 << -1;
    QTest::newRow("l before ł before m") << "łania" << "mama" << -1 << -1;
    QTest::newRow("ź before ż") << "żaba" << "ŹDŹBŁO" << 1 << 1;
    QTest::newRow("empty first") << "" << "a" << -1 << -1;
}

void TestStrings::localeOrder()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, ignoringCase);
    QFETCH(int, withCase);
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    QCOMPARE(sign(platform::AnsiCompareText(a, b)), ignoringCase);
    QCOMPARE(sign(platform::AnsiCompareText(b, a)), -ignoringCase);
    QCOMPARE(sign(platform::AnsiCompareStr(a, b)), withCase);
}

void TestStrings::sortedListDuplicates()
{
    TStringList list;
    list.setSorted(true);
    QCOMPARE(list.Add(QStringLiteral("mama")), 0);
    QCOMPARE(list.Add(QStringLiteral("łania")), 0);
    QCOMPARE(list.Add(QStringLiteral("lama")), 0);
    QCOMPARE(list.toStringList(), QStringList({"lama", "łania", "mama"}));

    // dupIgnore is the default: the equal string is not added, its place is returned.
    QCOMPARE(list.AddObject(QStringLiteral("ŁANIA"), 7), 1);
    QCOMPARE(list.Count(), 3);
    QVERIFY(!list.Objects(1).isValid());
    QCOMPARE(list.IndexOf(QStringLiteral("MAMA")), 2);
    QCOMPARE(list.IndexOf(QStringLiteral("lania")), -1);

    list.setDuplicates(TDuplicates::dupError);
    QVERIFY_THROWS_EXCEPTION(EStringListError, list.Add(QStringLiteral("Lama")));
    QCOMPARE(list.Count(), 3);

    list.setDuplicates(TDuplicates::dupAccept);
    QCOMPARE(list.AddObject(QStringLiteral("LAMA"), 1), 1);
    QCOMPARE(list.AddObject(QStringLiteral("Lama"), 2), 2);
    QCOMPARE(list.toStringList(), QStringList({"lama", "LAMA", "Lama", "łania", "mama"}));

    QVERIFY_THROWS_EXCEPTION(EStringListError, list.Insert(0, QStringLiteral("a")));

    list.setCaseSensitive(true);
    QCOMPARE(list.IndexOf(QStringLiteral("LAMA")), list.toStringList().indexOf(QStringLiteral("LAMA")));
    QCOMPARE(list.IndexOf(QStringLiteral("lAMA")), -1);
}

void TestStrings::listKeepsObjectsAndChecksIndexes()
{
    TStringList list = listOf({"x", "y"});
    list.Insert(1, QStringLiteral("między"), QStringLiteral("obiekt"));
    list.Insert(3, QStringLiteral("koniec"));
    QCOMPARE(list.toStringList(), QStringList({"x", "między", "y", "koniec"}));
    QCOMPARE(list.Objects(1).toString(), QStringLiteral("obiekt"));
    QCOMPARE(list.Objects(2).toInt(), 1);
    list.Delete(0);
    QCOMPARE(list.Strings(0), QStringLiteral("między"));
    QCOMPARE(list.IndexOf(QStringLiteral("Y")), 1);
    QVERIFY_THROWS_EXCEPTION(EStringListError, list.Strings(3));
    QVERIFY_THROWS_EXCEPTION(EStringListError, list.Objects(-1));
    QVERIFY_THROWS_EXCEPTION(EStringListError, list.Delete(3));
    QVERIFY_THROWS_EXCEPTION(EStringListError, list.Insert(5, QStringLiteral("z")));
    QCOMPARE(list.Count(), 3);
}

void TestStrings::turningSortingOnIsStable()
{
    TStringList list = listOf({"b", "A", "a", "B", "ą"});
    list.setSorted(true);
    // Duplicates already in the list stay; equal strings keep their order.
    QCOMPARE(list.toStringList(), QStringList({"A", "a", "ą", "b", "B"}));
    QCOMPARE(objectsOf(list), QList<int>({1, 2, 4, 0, 3}));
}

void TestStrings::sortRemoveDuplicate_data()
{
    QTest::addColumn<QStringList>("strings");
    QTest::addColumn<QStringList>("sorted");
    QTest::addColumn<QList<int>>("objects");
    QTest::newRow("first of equal strings stays") << QStringList{"b", "A", "a", "B"} << QStringList{"A", "b"}
                                                  << QList<int>{1, 0};
    QTest::newRow("diacritics are not duplicates")
        << QStringList{"żaba", "zebra", "Źródło", "ZEBRA", "ąb", "ab"} << QStringList{"ab", "ąb", "zebra", "Źródło", "żaba"}
        << QList<int>{5, 4, 1, 2, 0};
    QTest::newRow("empty strings collapse") << QStringList{"", "x", ""} << QStringList{"", "x"} << QList<int>{0, 1};
    QTest::newRow("empty list") << QStringList{} << QStringList{} << QList<int>{};
}

void TestStrings::sortRemoveDuplicate()
{
    QFETCH(QStringList, strings);
    QFETCH(QStringList, sorted);
    QFETCH(QList<int>, objects);
    TStringList list = listOf(strings);
    TmyStr::SL_Sort_RemoveDuplicate(list);
    QCOMPARE(list.toStringList(), sorted);
    QCOMPARE(objectsOf(list), objects);
}

void TestStrings::sortRemoveDuplicateKeepsListSettings()
{
    TStringList plain = listOf({"b", "a"});
    TmyStr::SL_Sort_RemoveDuplicate(plain);
    QVERIFY(!plain.Sorted());
    plain.Add(QStringLiteral("A"));
    QCOMPARE(plain.toStringList(), QStringList({"a", "b", "A"}));

    // A case-sensitive sorted list receives the case-insensitive result and keeps its rule.
    TStringList strict;
    strict.setCaseSensitive(true);
    strict.setDuplicates(TDuplicates::dupAccept);
    strict.setSorted(true);
    for (const char* s : {"b", "B", "a"})
        strict.Add(QString::fromLatin1(s));
    TmyStr::SL_Sort_RemoveDuplicate(strict);
    QCOMPARE(strict.toStringList(), QStringList({"a", "b"}));
    QVERIFY(strict.Sorted() && strict.CaseSensitive());
    QCOMPARE(strict.Duplicates(), TDuplicates::dupAccept);
}

void TestStrings::firstWord_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    QTest::newRow("leading spaces") << "   alfa beta" << "alfa";
    QTest::newRow("single word") << "  alfa" << "alfa";
    QTest::newRow("spaces only") << "   " << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("a tab is not a space") << "\talfa\tbeta gamma" << "\talfa\tbeta";
}

void TestStrings::firstWord()
{
    QFETCH(QString, text);
    QFETCH(QString, word);
    QCOMPARE(TmyStr::FirstWord(text), word);
}

void TestStrings::wordCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("delimiter");
    QTest::addColumn<int>("words");
    QTest::newRow("space and delimiter mixed") << " a;b  c; " << QChar(u';') << 3;
    QTest::newRow("delimiters only") << ";;" << QChar(u';') << 0;
    QTest::newRow("empty") << "" << QChar(u';') << 0;
    QTest::newRow("one word") << "słowo" << QChar(u',') << 1;
    QTest::newRow("tab separates nothing") << "a\tb c" << QChar(u',') << 2;
}

void TestStrings::wordCount()
{
    QFETCH(QString, text);
    QFETCH(QChar, delimiter);
    QFETCH(int, words);
    QCOMPARE(TmyStr::WordInString(text, delimiter), words);
}

void TestStrings::characters()
{
    QVERIFY(TmyStr::IsCharInString(u'ł', QStringLiteral("Łódź ł")));
    QVERIFY(!TmyStr::IsCharInString(u'a', QStringLiteral("ABC")));
    QVERIFY(!TmyStr::IsCharInString(u'a', QString()));
    QCOMPARE(TmyStr::CountCharInStr(u'a', QStringLiteral("aAaąa")), 3);
    QCOMPARE(TmyStr::CountCharInStr(u'x', QString()), 0);
}

void TestStrings::dropFinalCharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("znak");
    QTest::addColumn<QString>("result");
    QTest::newRow("trailing spaces then comma") << "1,2,3, " << "," << "1,2,3";
    QTest::newRow("last is not the character") << "1,2,3" << "," << "1,2,3";
    QTest::newRow("single character stays") << "," << "," << ",";
    QTest::newRow("single character after trim") << ",   " << "," << ",";
    QTest::newRow("spaces before it remain") << "a ,  " << "," << "a ";
    QTest::newRow("empty znak never matches") << "ab " << "" << "ab";
    QTest::newRow("longer znak never matches") << "a,," << ",," << "a,,";
    QTest::newRow("only one removed") << "a;;" << ";" << "a;";
    QTest::newRow("case matters") << "abC" << "c" << "abC";
}

void TestStrings::dropFinalCharacter()
{
    QFETCH(QString, text);
    QFETCH(QString, znak);
    QFETCH(QString, result);
    QCOMPARE(TmyStr::WywalOstatniZnak(text, znak), result);
}

void TestStrings::diacritics()
{
    QCOMPARE(TmyStr::WywalOgonki(QStringLiteral("Żółć Łódź")), QStringLiteral("Zołc Łodz"));
    QCOMPARE(TmyStr::WywalOgonki(QStringLiteral("ąĄęĘśŚćĆóÓżŻźŹłŁńŃ")), QStringLiteral("aAeEsScCoOzZzZłŁńŃ"));
}

void TestStrings::deleteSubstring_data()
{
    QTest::addColumn<QString>("substring");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("removal creates another") << "ab" << "xaabbx" << "xx";
    QTest::newRow("nested to nothing") << "ab" << "aabb" << "";
    QTest::newRow("empty substring") << "" << "abc" << "abc";
    QTest::newRow("missing") << "q" << "abc" << "abc";
    QTest::newRow("case matters") << "AB" << "abAB" << "ab";
    QTest::newRow("overlapping run") << "aa" << "aaaaa" << "a";
}

void TestStrings::deleteSubstring()
{
    QFETCH(QString, substring);
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCOMPARE(TmyStr::DeleteSubStringInString(substring, text), result);
}

void TestStrings::deleteSubstringMatchesRepeatedRemoval()
{
    // Every text of up to 10 letters over {a, b} against each pattern.
    const QStringList patterns = {"ab", "aab", "aba", "abab", "bba"};
    for (int length = 0; length <= 10; ++length) {
        for (int bits = 0; bits < (1 << length); ++bits) {
            QString text;
            for (int i = 0; i < length; ++i)
                text += (bits >> i & 1) ? u'b' : u'a';
            for (const QString& p : patterns) {
                if (TmyStr::DeleteSubStringInString(p, text) != removeRepeatedly(p, text))
                    QFAIL(qPrintable(QStringLiteral("%1 from %2").arg(p, text)));
            }
        }
    }
}

void TestStrings::lineBreaks()
{
    const QString text = QStringLiteral("a\r\nb\nc\r");
    QCOMPARE(TmyStr::DeleteLineBreaks(text), QStringLiteral("a  b c "));
    QCOMPARE(text, QStringLiteral("a\r\nb\nc\r"));
    QCOMPARE(TmyStr::DeleteLineBreaks(QStringLiteral("\tx")), QStringLiteral("\tx"));
}

void TestStrings::spaces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("none");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("left");
    QTest::newRow("both ends and inside") << "  a b  " << "ab" << "  a b" << "a b  ";
    QTest::newRow("spaces only") << "   " << "" << "" << "";
    QTest::newRow("empty") << "" << "" << "" << "";
    QTest::newRow("tabs and no-break spaces stay") << "\t a\u00A0 " << "\ta\u00A0" << "\t a\u00A0" << "\t a\u00A0 ";
}

void TestStrings::spaces()
{
    QFETCH(QString, text);
    QFETCH(QString, none);
    QFETCH(QString, right);
    QFETCH(QString, left);
    QCOMPARE(TmyStr::BezSpacji(text), none);
    QCOMPARE(TmyStr::BezSpacjiZPrawej(text), right);
    QCOMPARE(TmyStr::BezSpacjiZLewej(text), left);
}

void TestStrings::eightBit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sub");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("before");
    QTest::newRow("found") << "klucz=wartosc" << "=" << "wartosc" << "klucz";
    QTest::newRow("missing") << "klucz=wartosc" << "#" << "" << "klucz=wartosc";
    QTest::newRow("empty substring is missing") << "klucz=wartosc" << "" << "" << "klucz=wartosc";
    QTest::newRow("first occurrence") << "a=b=c" << "=" << "b=c" << "a";
    QTest::newRow("at the end") << "ab=" << "=" << "" << "ab";
    QTest::newRow("Polish letters are one byte each") << "źródło=żółć" << "ło=" << "żółć" << "źród";
}

void TestStrings::eightBit()
{
    QFETCH(QString, text);
    QFETCH(QString, sub);
    QFETCH(QString, after);
    QFETCH(QString, before);
    const QByteArray s = platform::toAnsi(text);
    QCOMPARE(platform::fromAnsi(TmyStr::StrAfter(platform::toAnsi(sub), s)), after);
    QCOMPARE(platform::fromAnsi(TmyStr::StrBefore(platform::toAnsi(sub), s)), before);

    // Positions and counts are bytes of the 8-bit text.
    const QByteArray word = platform::toAnsi(QStringLiteral("żółw"));
    QCOMPARE(word.size(), 4);
    QCOMPARE(TmyStr::StrRestOf(word, 3), platform::toAnsi(QStringLiteral("łw")));
    QCOMPARE(TmyStr::StrRestOf(word, 1), word);
    QCOMPARE(TmyStr::StrRestOf(word, -5), word);
    QCOMPARE(TmyStr::StrRestOf(word, 4), platform::toAnsi(QStringLiteral("w")));
    QCOMPARE(TmyStr::StrRestOf(word, 5), QByteArray());
    QCOMPARE(TmyStr::StrRestOf(word, INT32_MAX), QByteArray());
    QCOMPARE(TmyStr::StrLeft(word, 2), platform::toAnsi(QStringLiteral("żó")));
    QCOMPARE(TmyStr::StrLeft(word, 0), QByteArray());
    QCOMPARE(TmyStr::StrLeft(word, -1), QByteArray());
    QCOMPARE(TmyStr::StrLeft(word, INT32_MAX), word);
}

void TestStrings::digitAndHexTests_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hex");
    QTest::addColumn<bool>("digits");
    QTest::addColumn<bool>("real");
    QTest::newRow("empty") << "" << false << false << false;
    QTest::newRow("digits") << "0123456789" << true << true << true;
    QTest::newRow("letter a") << "a" << true << false << false;
    QTest::newRow("hex letters") << "09afAF" << true << false << false;
    QTest::newRow("g is not hex") << "0fg" << false << false << false;
    QTest::newRow("decimal comma") << "12,5" << false << false << true;
    QTest::newRow("lone comma") << "," << false << false << true;
    QTest::newRow("several points") << "1.2.3" << false << false << true;
    QTest::newRow("minus sign") << "-12" << false << false << false;
    QTest::newRow("blank") << "1 2" << false << false << false;
    QTest::newRow("Arabic-Indic digit") << "1\u0662" << false << false << false;
    QTest::newRow("fullwidth A") << "\uFF21" << false << false << false;
}

void TestStrings::digitAndHexTests()
{
    QFETCH(QString, text);
    QFETCH(bool, hex);
    QFETCH(bool, digits);
    QFETCH(bool, real);
    QCOMPARE(TmyStr::StrIsHex(text), hex);
    QCOMPARE(TmyStr::StrIsAlpha(text), digits);
    QCOMPARE(TmyStr::StrIsRealAlpha(text), real);
    if (text.size() == 1) {
        QCOMPARE(TmyStr::CharIsHex(text[0]), hex);
        QCOMPARE(TmyStr::CharIsAlpha(text[0]), digits);
    }
}

QTEST_GUILESS_MAIN(TestStrings)
#include "tst_strings.moc"
