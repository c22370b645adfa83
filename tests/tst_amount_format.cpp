#include <QTest>

#include "converter/amount_format.h"
#include "converter/conversion.h"

namespace {

const amounts::Separators kItalian{".", ","};
const amounts::Separators kEnglish{",", "."};

} // namespace

class TestAmountFormat : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formats_data();
    void formats();
    void usesTheSeparatorsGiven();
    void roundsConversionsToTheCent_data();
    void roundsConversionsToTheCent();
};

void TestAmountFormat::formats_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "0,00";
    QTest::newRow("below one keeps a zero") << 0.5 << "0,50";
    QTest::newRow("one lira in euro is zero") << 1 / 1936.27 << "0,00";
    QTest::newRow("three digits, no group") << 999.99 << "999,99";
    QTest::newRow("four digits") << 1936.27 << "1.936,27";
    QTest::newRow("five digits") << 12345.0 << "12.345,00";
    QTest::newRow("six digits") << 123456.0 << "123.456,00";
    QTest::newRow("seven digits") << 1234567.0 << "1.234.567,00";
    QTest::newRow("ten digits") << 1234567890.12 << "1.234.567.890,12";
    QTest::newRow("twelve digits") << 123456789012.5 << "123.456.789.012,50";
    QTest::newRow("thirteen digits") << 9e12 << "9.000.000.000.000,00";
    QTest::newRow("fifteen digits") << 123456789012345.0 << "123.456.789.012.345,00";
    QTest::newRow("1e15") << 1e15 << "1.000.000.000.000.000,00";
    QTest::newRow("exact binary fraction at 1e15") << 1e15 + 0.125 << "1.000.000.000.000.000,13";
    QTest::newRow("rounding carries into a new group") << 999999.995 << "1.000.000,00";
    QTest::newRow("half a cent rounds up") << 0.005 << "0,01";
    QTest::newRow("just under half a cent") << 0.00499 << "0,00";
    QTest::newRow("exact binary half rounds up, not to even") << 0.125 << "0,13";
    QTest::newRow("exact binary half at 2.5 cents") << 0.025 << "0,03";
    QTest::newRow("noise below a half is not a half") << 1.004999999 << "1,00";
    QTest::newRow("negative") << -1936.27 << "-1.936,27";
    QTest::newRow("negative half rounds away from zero") << -0.125 << "-0,13";
    QTest::newRow("negative rounding to zero has no minus") << -0.004 << "0,00";
    QTest::newRow("negative zero") << -0.0 << "0,00";
    QTest::newRow("tiny") << 5e-324 << "0,00";
    QTest::newRow("largest double") << 1.7976931348623157e308
                                    << QString::fromLatin1("179.769.313.486.231.570.814.527.423.731.704.356.798.070.567.525.844.996.598.917.476.803.157.260.780.028.538.760.589.558.632.766.878.171.540.458.953.514.382.464.234.321.326.889.464.182.768.467.546.703.537.516.986.049.910.576.551.282.076.245.490.090.389.328.944.075.868.508.455.133.942.304.583.236.903.222.948.165.808.559.332.123.348.274.797.826.204.144.723.168.738.177.180.919.299.881.250.404.026.184.124.858.368,00");
}

void TestAmountFormat::formats()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(amounts::formatAmount(value, kItalian)), text);
}

void TestAmountFormat::usesTheSeparatorsGiven()
{
    QCOMPARE(amounts::formatAmount(1234567.891, kEnglish), "1,234,567.89");
    // Some locales group with a multi-byte character, such as a narrow no-break space.
    QCOMPARE(amounts::formatAmount(1234567.891, {"\u202f", ","}), "1\u202f234\u202f567,89");
}

void TestAmountFormat::roundsConversionsToTheCent_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<amounts::Direction>("direction");
    QTest::addColumn<QString>("text");

    using amounts::Direction;
    QTest::newRow("1936.27 lire are one euro") << 1936.27 << Direction::LireToEuro << "1,00";
    QTest::newRow("one euro is 1936.27 lire") << 1.0 << Direction::EuroToLire << "1.936,27";
    QTest::newRow("half a euro: 968.135 rounds up") << 0.5 << Direction::EuroToLire << "968,14";
    QTest::newRow("12 lire are one cent") << 12.0 << Direction::LireToEuro << "0,01";
    QTest::newRow("9e12 lire") << 9e12 << Direction::LireToEuro << "4.648.112.091,81";
    QTest::newRow("9e7 euro") << 9e7 << Direction::EuroToLire << "174.264.300.000,00";
    QTest::newRow("0.05 euro: 96.8135") << 0.05 << Direction::EuroToLire << "96,81";
    QTest::newRow("0.15 euro: 290.4405") << 0.15 << Direction::EuroToLire << "290,44";
    QTest::newRow("2.50 euro: 4840.675") << 2.5 << Direction::EuroToLire << "4.840,68";
}

void TestAmountFormat::roundsConversionsToTheCent()
{
    QFETCH(double, amount);
    QFETCH(amounts::Direction, direction);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(amounts::formatAmount(amounts::convert(amount, direction), kItalian)), text);
}

QTEST_APPLESS_MAIN(TestAmountFormat)
#include "tst_amount_format.moc"
