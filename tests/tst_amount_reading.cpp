#include <QTest>

#include <cmath>
#include <limits>

#include "converter/amount_reading.h"

class TestAmountReading : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reads_data();
    void reads();
};

void TestAmountReading::reads_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("amount");

    QTest::newRow("empty reads zero") << QByteArray("") << 0.0;
    QTest::newRow("letters alone read zero") << QByteArray("abc") << 0.0;
    QTest::newRow("decimal point") << QByteArray("12.5") << 12.5;
    QTest::newRow("rate itself") << QByteArray("1936.27") << 1936.27;
    QTest::newRow("comma is not a decimal separator") << QByteArray("1,5") << 1.0;
    QTest::newRow("blanks inside are skipped") << QByteArray("1 000") << 1000.0;
    QTest::newRow("tabs and line feeds skipped") << QByteArray("\t1\n2 .\t5") << 12.5;
    QTest::newRow("carriage return stops") << QByteArray("1\r2") << 1.0;
    QTest::newRow("second point stops") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("trailing letters stop") << QByteArray("12abc") << 12.0;
    QTest::newRow("leading point") << QByteArray(".5") << 0.5;
    QTest::newRow("trailing point") << QByteArray("7.") << 7.0;
    QTest::newRow("point alone") << QByteArray(".") << 0.0;
    QTest::newRow("minus") << QByteArray("-12.5") << -12.5;
    QTest::newRow("plus") << QByteArray("+3") << 3.0;
    QTest::newRow("blank after sign") << QByteArray("- 4") << -4.0;
    QTest::newRow("sign alone") << QByteArray("-") << 0.0;
    QTest::newRow("double sign") << QByteArray("--1") << 0.0;
    QTest::newRow("leading zeros") << QByteArray("0007") << 7.0;
    QTest::newRow("exponent E") << QByteArray("1.5E3") << 1500.0;
    QTest::newRow("exponent d lower case") << QByteArray("2d2") << 200.0;
    QTest::newRow("negative exponent") << QByteArray("25e-1") << 2.5;
    QTest::newRow("exponent without digits is not one") << QByteArray("12E") << 12.0;
    QTest::newRow("exponent sign without digits") << QByteArray("12e+x") << 12.0;
    QTest::newRow("hexadecimal") << QByteArray("&HFF") << 255.0;
    QTest::newRow("hexadecimal lower case") << QByteArray("&hff") << 255.0;
    QTest::newRow("hexadecimal is unsigned") << QByteArray("&HFFFF") << 65535.0;
    QTest::newRow("hexadecimal stops at G") << QByteArray("&H1G") << 1.0;
    QTest::newRow("octal") << QByteArray("&O17") << 15.0;
    QTest::newRow("octal stops at 8") << QByteArray("&o178") << 15.0;
    QTest::newRow("ampersand alone") << QByteArray("&") << 0.0;
    QTest::newRow("unknown radix") << QByteArray("&B101") << 0.0;
    QTest::newRow("non-ASCII digits are not digits") << QByteArray("\xd9\xa3") << 0.0;
    QTest::newRow("correctly rounded") << QByteArray("0.1") << 0.1;
    QTest::newRow("many digits") << QByteArray(400, '1').prepend("0.") << 0.1111111111111111;
    QTest::newRow("underflow reads zero") << QByteArray("1e-400") << 0.0;
    QTest::newRow("small with exponent in range") << QByteArray("0.001e310") << 1e307;
    QTest::newRow("zero with a huge exponent") << QByteArray("0e999999") << 0.0;

    // Beyond the double range: infinity, which the window refuses.
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("exponent too large") << QByteArray("1e400") << inf;
    QTest::newRow("negative too large") << QByteArray("-1e400") << -inf;
    QTest::newRow("exponent beyond any integer") << QByteArray("1e99999999999999999999") << inf;
    QTest::newRow("too many digits") << QByteArray(400, '9') << inf;
    QTest::newRow("hexadecimal too long") << QByteArray(300, 'F').prepend("&H") << inf;
}

void TestAmountReading::reads()
{
    QFETCH(QByteArray, text);
    QFETCH(double, amount);
    QCOMPARE(amounts::readAmount(text.toStdString()), amount);
}

QTEST_APPLESS_MAIN(TestAmountReading)
#include "tst_amount_reading.moc"
