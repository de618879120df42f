#include "archive/IniFile.h"
#include "archive/NumberText.h"

#include "FolderSupport.h"

#include <QFile>
#include <QtTest>

using namespace numtext;

class TestNumberText : public QObject
{
    Q_OBJECT
private slots:
    void rounding_data();
    void rounding();
    void toText_data();
    void toText();
    void fromText_data();
    void fromText();
    void amountRule_data();
    void amountRule();
    void amountOfLargeAndTinyValues();
    void iniFiles();
    void iniSaveFailureKeepsFile();
};

void TestNumberText::rounding_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    // Worked examples of the rounding rule: half up on the double's exact value; a negative value
    // is rounded as the mirror of its absolute value, so an exact amount never moves.
    QTest::newRow("2,34565 to 4") << 2.34565 << 4 << "2,3457";
    QTest::newRow("2,025 to 2 is below the half") << 2.025 << 2 << "2,02";
    QTest::newRow("-2,6 to 0") << -2.6 << 0 << "-3";
    QTest::newRow("-5 to 4 stays exact") << -5.0 << 4 << "-5";
    QTest::newRow("-2,34565 to 4") << -2.34565 << 4 << "-2,3457";
    QTest::newRow("2,346 to 2") << 2.346 << 2 << "2,35";
    QTest::newRow("1,125 to 2") << 1.125 << 2 << "1,13";
    QTest::newRow("1,005 to 2") << 1.005 << 2 << "1";
    QTest::newRow("12,345678 to 4") << 12.345678 << 4 << "12,3457";
    QTest::newRow("3,375 to 2") << 3.375 << 2 << "3,38";
    QTest::newRow("37,125 to 2") << 37.125 << 2 << "37,13";
    QTest::newRow("47,125 to 2") << 47.125 << 2 << "47,13";
    QTest::newRow("4,375 to 2") << 4.375 << 2 << "4,38";
    QTest::newRow("0,9999 to 2") << 0.9999 << 2 << "1";
    QTest::newRow("12,3456 to 2") << 12.3456 << 2 << "12,35";
    QTest::newRow("0,001 to 2") << 0.001 << 2 << "0";
    QTest::newRow("99,5 to 0") << 99.5 << 0 << "100";
}

void TestNumberText::rounding()
{
    QFETCH(double, x);
    QFETCH(int, n);
    QFETCH(QString, text);
    QCOMPARE(floatToStr(R(x, n)), text);
}

void TestNumberText::toText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("12.5") << 12.5 << "12,5";
    QTest::newRow("7") << 7.0 << "7";
    QTest::newRow("0") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("0.1 + 0.2 at 15 digits") << 0.1 + 0.2 << "0,3";
    QTest::newRow("33.75") << 33.75 << "33,75";
    QTest::newRow("-3.5") << -3.5 << "-3,5";
    QTest::newRow("0.9999") << 0.9999 << "0,9999";
}

void TestNumberText::toText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(floatToStr(value), text);
}

void TestNumberText::fromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("comma") << "12,50" << true << 12.5;
    QTest::newRow("leading comma") << ",5" << true << 0.5;
    QTest::newRow("trailing comma") << "7," << true << 7.0;
    QTest::newRow("blanks around") << "  3 " << true << 3.0;
    QTest::newRow("leading zeros") << "007" << true << 7.0;
    QTest::newRow("sign") << "-2,6" << true << -2.6;
    QTest::newRow("exponent") << "1,5E2" << true << 150.0;
    QTest::newRow("two commas") << "1,2,3" << false << 0.0;
    QTest::newRow("point") << "12.50" << false << 0.0;
    QTest::newRow("only comma") << "," << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("currency") << QStringLiteral("€ 5") << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("thousands") << "1.250,00" << false << 0.0;
    QTest::newRow("overflow") << "1E999" << false << 0.0;
}

void TestNumberText::fromText()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const auto v = strToFloat(text);
    QCOMPARE(v.has_value(), ok);
    if (ok)
        QVERIFY(*v == value);
}

void TestNumberText::amountRule_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("none") << "12"
                          << "12,00";
    QTest::newRow("one") << "12,5"
                         << "12,50";
    QTest::newRow("two") << "12,50"
                         << "12,50";
    QTest::newRow("three") << "3,375"
                           << "3,375";
    QTest::newRow("four") << "0,9999"
                          << "0,9999";
}

void TestNumberText::amountRule()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(amountText(in), out);
}

void TestNumberText::amountOfLargeAndTinyValues()
{
    // floatToStr writes these with an exponent; an amount is written out in full so that it reads
    // back as the same number (the rule once made "1e+15,00", which is no number).
    const std::pair<double, const char *> rows[] = {
        {1e15, "1000000000000000,00"},
        {-2.5e16, "-25000000000000000,00"},
        {1e-5, "0,00001"},
        {12.5, "12,50"},
    };
    for (const auto &[value, text] : rows) {
        QCOMPARE(amountText(value), QString::fromLatin1(text));
        QCOMPARE(strToFloat(amountText(value)), std::optional<double>(value));
    }
    QCOMPARE(amountText(1e300).size(), 304);
}

void TestNumberText::iniFiles()
{
    TempProgramFolder folder;
    const QString path = folder.file("Prova.ini");
    {
        IniFile missing(path);
        QCOMPARE(missing.status(), IniFile::Status::Missing);
        QCOMPARE(missing.value("Ditta", "Nome"), QString());
        missing.setValue("Ditta", "Ragione sociale", QStringLiteral("Trattoria Già Pronto € 1"));
        missing.setValue("Numerazione", "Inizio", "100");
        QVERIFY(missing.save());
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.contains("Ragione sociale=Trattoria Gi\xe0 Pronto \x80 1"));
    f.close();

    IniFile read(path);
    QCOMPARE(read.status(), IniFile::Status::Loaded);
    QCOMPARE(read.value("ditta", "RAGIONE SOCIALE"), QStringLiteral("Trattoria Già Pronto € 1"));
    QCOMPARE(read.value("Numerazione", "Inizio"), QStringLiteral("100"));
    QCOMPARE(read.value("Numerazione", "Assente"), QString());
    QCOMPARE(read.value("Assente", "Inizio"), QString());
}

void TestNumberText::iniSaveFailureKeepsFile()
{
    TempProgramFolder folder;
    IniFile nowhere(folder.file("non/esiste/Prova.ini"));
    nowhere.setValue("A", "B", "C");
    QVERIFY(!nowhere.save());
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
