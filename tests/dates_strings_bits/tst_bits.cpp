#include "util/TmyLogic.h"

#include <QTest>

using TVec = TmyLogic::TVec;

Q_DECLARE_METATYPE(TVec)

class TestBits : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyByteRoundTrips();
    void flagsToByte_data();
    void flagsToByte();
    void testBit_data();
    void testBit();
    void changeBit_data();
    void changeBit();
    void bitNumbersAboveSeven();
    void boolTxt();
};

void TestBits::everyByteRoundTrips()
{
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<std::uint8_t>(b);
        const TVec flags = TmyLogic::ByteToBin(byte);
        for (int k = 0; k < 8; ++k)
            QCOMPARE(int(flags[k]), (b >> k) & 1);
        QCOMPARE(TmyLogic::BinToByte(flags), byte);
    }
}

void TestBits::flagsToByte_data()
{
    QTest::addColumn<TVec>("flags");
    QTest::addColumn<int>("byte");
    QTest::newRow("5, element 0 first") << TVec{1, 0, 1, 0, 0, 0, 0, 0} << 5;
    QTest::newRow("element 7 is the top bit") << TVec{0, 0, 0, 0, 0, 0, 0, 1} << 128;
    QTest::newRow("values other than 1 count as false") << TVec{2, 1, 255, 1, 0x81, 0, 0, 1} << (2 + 8 + 128);
}

void TestBits::flagsToByte()
{
    QFETCH(TVec, flags);
    QFETCH(int, byte);
    const TVec copy = flags;
    QCOMPARE(int(TmyLogic::BinToByte(flags)), byte);
    QVERIFY(flags == copy);
}

void TestBits::testBit_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("bit");
    QTest::addColumn<bool>("set");
    QTest::newRow("128 bit 7") << 128 << 7 << true;
    QTest::newRow("128 bit 0") << 128 << 0 << false;
    QTest::newRow("1 bit 0") << 1 << 0 << true;
    QTest::newRow("0x5A bit 3") << 0x5A << 3 << true;
    QTest::newRow("0x5A bit 2") << 0x5A << 2 << false;
}

void TestBits::testBit()
{
    QFETCH(int, byte);
    QFETCH(int, bit);
    QFETCH(bool, set);
    QCOMPARE(TmyLogic::TestBit(static_cast<std::uint8_t>(byte), static_cast<std::uint8_t>(bit)), set);
}

void TestBits::changeBit_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("bit");
    QTest::addColumn<bool>("state");
    QTest::addColumn<int>("result");
    QTest::newRow("0 set bit 3") << 0 << 3 << true << 8;
    QTest::newRow("255 clear bit 0") << 255 << 0 << false << 254;
    QTest::newRow("5 set bit 2 already set") << 5 << 2 << true << 5;
    QTest::newRow("5 clear bit 1 already clear") << 5 << 1 << false << 5;
    QTest::newRow("255 clear bit 7") << 255 << 7 << false << 127;
}

void TestBits::changeBit()
{
    QFETCH(int, byte);
    QFETCH(int, bit);
    QFETCH(bool, state);
    QFETCH(int, result);
    QCOMPARE(int(TmyLogic::ChangeBit(static_cast<std::uint8_t>(byte), static_cast<std::uint8_t>(bit), state)), result);
}

void TestBits::bitNumbersAboveSeven()
{
    QVERIFY(!TmyLogic::TestBit(255, 8));
    QVERIFY(!TmyLogic::TestBit(255, 255));
    QCOMPARE(int(TmyLogic::ChangeBit(0x5A, 8, true)), 0x5A);
    QCOMPARE(int(TmyLogic::ChangeBit(0x5A, 200, false)), 0x5A);
}

void TestBits::boolTxt()
{
    QCOMPARE(TmyLogic::BoolTxt(true, QStringLiteral("nie"), QStringLiteral("tak")), QStringLiteral("tak"));
    QCOMPARE(TmyLogic::BoolTxt(false, QStringLiteral("nie"), QStringLiteral("tak")), QStringLiteral("nie"));
}

QTEST_GUILESS_MAIN(TestBits)
#include "tst_bits.moc"
