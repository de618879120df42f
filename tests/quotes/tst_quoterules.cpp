#include "FolderSupport.h"

#include "archive/IniFile.h"
#include "archive/NumberText.h"
#include "archive/RecordFile.h"
#include "archive/YearArchive.h"
#include "quotes/QuoteRecord.h"
#include "quotes/QuoteSettings.h"
#include "quotes/QuoteTotals.h"
#include "shell/Clock.h"

#include <QFile>
#include <QtTest>

using namespace quotes;

namespace {

// A line of the totals table: quantity, price, discount, exempt.
struct Line
{
    QString quant, prezzo, sconto;
    bool esente = false;
};

QuoteTotalsTexts quoteOf(const QList<Line> &lines, const QString &percIva)
{
    QuoteTotalsTexts q;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        q.lines[i].quant = lines[i].quant;
        q.lines[i].prezzo = lines[i].prezzo;
        q.lines[i].sconto = lines[i].sconto;
        q.lines[i].esente = lines[i].esente;
    }
    q.percIva = percIva;
    return q;
}

QStringList totalsOf(const QuoteTotalsTexts &q)
{
    return {q.totImponibile, q.totImposta, q.totIva, q.totEsente, q.totFattura};
}

void writeIni(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestQuoteRules : public QObject
{
    Q_OBJECT
private slots:
    void layoutMatchesTheFileFormat_data();
    void layoutMatchesTheFileFormat();
    void recordBytes();
    void yearArchive();
    void numberTexts_data();
    void numberTexts();
    void totals_data();
    void totals();
    void totalsSideEffectsAndSkippedLines();
    void failedConversionZeroesTotals();
    void largeAmountsStayNumbers();
    void fieldRules_data();
    void fieldRules();
    void numbering_data();
    void numbering();
    void startNormalisation_data();
    void startNormalisation();
    void issuerDataRoundTrip();
};

void TestQuoteRules::layoutMatchesTheFileFormat_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("bytes");
    const QList<std::tuple<const char *, int, int>> rows = {
        {"NumFatt", 0, 31},          {"Data", 31, 21},
        {"Ditta", 52, 51},           {"ViaDitta", 103, 51},
        {"CapDitta", 154, 13},       {"CittaDitta", 167, 51},
        {"ProvDitta", 218, 3},       {"IvaDitta", 221, 31},
        {"CodFiscDitta", 252, 31},   {"Libero01", 283, 51},
        {"Libero02", 334, 51},       {"Cliente", 385, 51},
        {"ViaCliente", 436, 51},     {"CapCliente", 487, 13},
        {"CittaCliente", 500, 51},   {"ProvCliente", 551, 3},
        {"IvaCliente", 554, 31},     {"CodFiscCliente", 585, 31},
        {"Riferimenti", 616, 51},    {"Pagamento", 667, 51},
        {"Banca", 718, 51},          {"Iban", 769, 51},
        {"TipoEvento", 820, 51},     {"DataEvento", 871, 51},
        {"Acconto", 922, 51},        {"TotalePersone", 973, 31},
        {"Saldo", 1004, 51},         {"TotaleTavoli", 1055, 31},
        {"TotImponibile", 4566, 11}, {"PercIva", 4577, 11},
        {"TotImposta", 4588, 11},    {"TotIva", 4599, 11},
        {"TotEsente", 4610, 11},     {"TotFattura", 4621, 11},
        {"Note", 4632, 251},         {"InSospeso", 4883, 3},
    };
    for (const auto &[name, offset, bytes] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << offset << bytes;
    // Line groups: first offset and bytes each; element NN is at first + (NN - 1) x bytes.
    const QList<std::tuple<const char *, int, int>> groups = {
        {"Quant", 1086, 7},      {"Codice", 1296, 21},  {"Desc", 1926, 56}, {"Prezzo", 3606, 11},
        {"PercSconto", 3936, 7}, {"Importo", 4146, 11}, {"Es", 4476, 3},
    };
    for (const auto &[column, first, bytes] : groups)
        for (int nn : {1, 2, 17, 30}) {
            const QString name = lineField(column, nn);
            QTest::newRow(qPrintable(name)) << name << first + (nn - 1) * bytes << bytes;
        }
}

void TestQuoteRules::layoutMatchesTheFileFormat()
{
    QFETCH(QString, field);
    QFETCH(int, offset);
    QFETCH(int, bytes);
    const RecordLayout &layout = quoteLayout();
    QCOMPARE(layout.recordSize(), 4886);
    QCOMPARE(layout.fieldCount(), 246);
    QCOMPARE(layout.encoding(), FieldEncoding::LengthPrefixed);
    const int i = layout.indexOf(QLatin1StringView(field.toLatin1()));
    QVERIFY2(i >= 0, qPrintable(field));
    QCOMPARE(layout.offset(i), offset);
    QCOMPARE(layout.length(i) + 1, bytes);
}

void TestQuoteRules::recordBytes()
{
    const RecordLayout &layout = quoteLayout();
    Record r(layout);
    r.setText("Cliente", QStringLiteral("   Rossi Mario  ")); // windows trim; so does the rule
    r.setText("Desc07", QString(55, u'x') + QStringLiteral("TAGLIATO"));
    r.setText("Es07", yes);
    r.setText("InSospeso", no);
    r.setText("Prezzo07", QStringLiteral("12,50"));
    r.setText("Note", QStringLiteral("€ 5"));
    const QByteArray &b = r.bytes();
    QCOMPARE(b.size(), 4886);
    // The field write cuts to N and keeps what it is given; the window trims before it.
    QCOMPARE(quint8(b[385]), quint8(16));
    QCOMPARE(r.text("Cliente"), QStringLiteral("Rossi Mario"));
    const int desc07 = 1926 + 6 * 56;
    QCOMPARE(quint8(b[desc07]), quint8(55));
    QCOMPARE(b.mid(desc07 + 1, 55), QByteArray(55, 'x'));
    QCOMPARE(b.mid(4476 + 6 * 3, 3), QByteArray("\x02S\xec"));
    QCOMPARE(b.mid(4883, 3), QByteArray("\x02No"));
    QCOMPARE(b.mid(3606 + 6 * 11, 6), QByteArray("\x05"
                                                 "12,50"));
    QCOMPARE(b.mid(4632, 4), QByteArray("\x03\x80 5"));
    QCOMPARE(b.mid(4146, 11), QByteArray(11, '\0')); // an untouched field: length 0, zeros
}

void TestQuoteRules::yearArchive()
{
    TempProgramFolder folder;
    QVERIFY(yeararchive::isValidYear(QStringLiteral("2024")));
    for (const char *bad : {"24", "", "202", "20245", "20a4", " 202"})
        QVERIFY2(!yeararchive::isValidYear(QString::fromLatin1(bad)), bad);
    // The reservations' archive of a year, from the same rule.
    QCOMPARE(yeararchive::archivePath(QStringLiteral("2031"), QStringLiteral(".tav")),
             folder.file(QStringLiteral("2031.tav")));

    const QString path = quoteArchivePath(QStringLiteral("2030"));
    QCOMPARE(path, folder.file(QStringLiteral("2030.pre")));
    QCOMPARE(yeararchive::yearOf(path, quoteArchiveSuffix), QStringLiteral("2030"));
    for (const char *notYearly : {"", "/tmp/Ricette.ric", "/tmp/2030.tav", "/tmp/x2030.pre"})
        QVERIFY2(yeararchive::yearOf(QString::fromLatin1(notYearly), quoteArchiveSuffix).isEmpty(),
                 notYearly);
    RecordFile file(path, quoteLayout());
    QCOMPARE(file.count(), 0);
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
    Record r(quoteLayout());
    r.setText("Cliente", QStringLiteral("Bianchi"));
    QCOMPARE(file.append(r), 1);
    QCOMPARE(QFileInfo(path).size(), 4886);
    QCOMPARE(file.read(1).text("Cliente"), QStringLiteral("Bianchi"));
}

void TestQuoteRules::numberTexts_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("rounded");
    QTest::newRow("half up") << "2,34565" << 4 << "2,3457";
    QTest::newRow("the double decides ties") << "2,025" << 2 << "2,02";
    QTest::newRow("cent") << "3,375" << 2 << "3,38";
    QTest::newRow("12,345678") << "12,345678" << 4 << "12,3457";
    QTest::newRow("whole") << "2,5" << 0 << "3";
    QTest::newRow("shortest form") << "12,50" << 4 << "12,5";
    QTest::newRow("zero") << "0" << 2 << "0";
    QTest::newRow("sum error hidden") << "0,30000000000000004" << 4 << "0,3";
    // Negative amounts (discounts above 100) round as the mirror of their absolute value.
    QTest::newRow("negative exact") << "-5" << 4 << "-5";
    QTest::newRow("negative half") << "-2,6" << 0 << "-3";
    QTest::newRow("negative cent") << "-3,375" << 2 << "-3,38";
}

void TestQuoteRules::numberTexts()
{
    QFETCH(QString, input);
    QFETCH(int, decimals);
    QFETCH(QString, rounded);
    const auto v = numtext::strToFloat(input);
    QVERIFY(v.has_value());
    QCOMPARE(numtext::floatToStr(numtext::R(*v, decimals)), rounded);
}

void TestQuoteRules::totals_data()
{
    QTest::addColumn<QList<Line>>("lines");
    QTest::addColumn<QString>("percIva");
    QTest::addColumn<QStringList>("amounts"); // of the lines given
    QTest::addColumn<QStringList>("totals");  // imponibile, imposta, IVA inclusa, esente, totale

    QTest::newRow("worked example")
        << QList<Line>{{"3", "12,50", "10", false}, {"2", "5", "", true}} << "10"
        << QStringList{"33,75", "10,00"} << QStringList{"33,75", "3,38", "37,13", "10,00", "47,13"};
    QTest::newRow("worked example without exemption")
        << QList<Line>{{"3", "12,50", "10", false}, {"2", "5", "", false}} << "10"
        << QStringList{"33,75", "10,00"} << QStringList{"43,75", "4,38", "48,13", "0,00", "48,13"};
    QTest::newRow("four decimals kept on the line, cent on the total")
        << QList<Line>{{"3", "0,3333", "", false}} << "0" << QStringList{"0,9999"}
        << QStringList{"1,00", "0,00", "1,00", "0,00", "1,00"};
    QTest::newRow("discount of 100")
        << QList<Line>{{"2", "7,50", "100", false}} << "22" << QStringList{"0,00"}
        << QStringList{"0,00", "0,00", "0,00", "0,00", "0,00"};
    QTest::newRow("discount above 100 is summed like any other")
        << QList<Line>{{"1", "10", "150", false}, {"1", "20", "", false}} << "10"
        << QStringList{"-5,00", "20,00"} << QStringList{"15,00", "1,50", "16,50", "0,00", "16,50"};
    QTest::newRow("price only gets quantity 1")
        << QList<Line>{{"", "4,50", "", false}} << "" << QStringList{"4,50"}
        << QStringList{"4,50", "0,00", "4,50", "0,00", "4,50"};
    QTest::newRow("quantity only gets price 0,00")
        << QList<Line>{{"2", "", "", false}} << "10" << QStringList{"0,00"}
        << QStringList{"0,00", "0,00", "0,00", "0,00", "0,00"};
    QTest::newRow("no used line") << QList<Line>{} << "" << QStringList{}
                                  << QStringList{"0,00", "0,00", "0,00", "0,00", "0,00"};
    QTest::newRow("each total rounded once from unrounded parts")
        << QList<Line>{{"1", "0,125", "", false}, {"1", "0,125", "", true}} << "0"
        << QStringList{"0,125", "0,125"} << QStringList{"0,13", "0,00", "0,13", "0,13", "0,25"};
    QTest::newRow("three decimals from a discount")
        << QList<Line>{{"1", "3,75", "10", false}} << "22" << QStringList{"3,375"}
        << QStringList{"3,38", "0,74", "4,12", "0,00", "4,12"};
    QTest::newRow("VAT from the unrounded taxable sum")
        << QList<Line>{{"1", "0,005", "", false}} << "100" << QStringList{"0,005"}
        << QStringList{"0,01", "0,01", "0,01", "0,00", "0,01"};
}

void TestQuoteRules::totals()
{
    QFETCH(QList<Line>, lines);
    QFETCH(QString, percIva);
    QFETCH(QStringList, amounts);
    QFETCH(QStringList, totals);
    QuoteTotalsTexts q = quoteOf(lines, percIva);
    QVERIFY(computeTotals(q));
    for (qsizetype i = 0; i < amounts.size(); ++i)
        QCOMPARE(q.lines[i].importo, amounts[i]);
    QCOMPARE(totalsOf(q), totals);
}

void TestQuoteRules::totalsSideEffectsAndSkippedLines()
{
    QuoteTotalsTexts q = quoteOf({{"", "4,50", "", false}, {"2", "", "", false}}, QString());
    q.lines[4].importo = QStringLiteral("1,00"); // skipped line with an old amount: it counts
    q.lines[9].esente = true;                    // description-only line: nothing to add
    QVERIFY(computeTotals(q));
    QCOMPARE(q.lines[0].quant, QStringLiteral("1"));
    QCOMPARE(q.lines[1].prezzo, QStringLiteral("0,00"));
    QCOMPARE(q.percIva, QStringLiteral("0"));
    QCOMPARE(q.lines[4].importo, QStringLiteral("1,00"));
    QVERIFY(q.lines[9].importo.isEmpty());
    QCOMPARE(q.totImponibile, QStringLiteral("5,50"));
    QCOMPARE(q.totEsente, QStringLiteral("0,00"));
}

void TestQuoteRules::failedConversionZeroesTotals()
{
    // Texts pasted into number fields that were not left before computing.
    for (const char *bad : {"abc", "1,2,3", "€", "12.5", "--1", "1e", "1 2"}) {
        QuoteTotalsTexts q = quoteOf({{"2", "5", "", false},
                                      {"1", QString::fromUtf8(bad), "", false},
                                      {"3", "4", "", false}},
                                     QStringLiteral("10"));
        q.lines[2].importo = QStringLiteral("9,99");
        q.totImponibile = QStringLiteral("7");
        QVERIFY2(!computeTotals(q), bad);
        QCOMPARE(q.lines[0].importo, QStringLiteral("10,00")); // done before the failure
        QCOMPARE(q.lines[2].importo, QStringLiteral("9,99"));  // untouched after it
        QCOMPARE(totalsOf(q), QStringList(5, QStringLiteral("0,00")));
    }
    QuoteTotalsTexts vat = quoteOf({{"1", "5", "", false}}, QStringLiteral(","));
    QVERIFY(!computeTotals(vat));
    QCOMPARE(vat.lines[0].importo, QStringLiteral("5,00"));
    QCOMPARE(totalsOf(vat), QStringList(5, QStringLiteral("0,00")));

    // Totals beyond a double (the VAT of a huge taxable amount) fail as a bad text does, rather
    // than showing "inf,00".
    QuoteTotalsTexts huge = quoteOf({{"1", "1e300", "", false}}, QStringLiteral("1e300"));
    QVERIFY(!computeTotals(huge));
    QCOMPARE(totalsOf(huge), QStringList(5, QStringLiteral("0,00")));
}

void TestQuoteRules::largeAmountsStayNumbers()
{
    // Large prices and totals are written out in full: each reads back, and the rule applied
    // again keeps them (the exponent form "1e+15,00" read as no number).
    QCOMPARE(priceRule(QStringLiteral("1e15")), QStringLiteral("1000000000000000,00"));
    QCOMPARE(priceRule(QStringLiteral("1000000000000000,00")),
             QStringLiteral("1000000000000000,00"));
    QuoteTotalsTexts q =
        quoteOf({{"2", "5e14", "", false}, {"1", "1", "", true}}, QStringLiteral("10"));
    QVERIFY(computeTotals(q));
    QCOMPARE(q.lines[0].importo, QStringLiteral("1000000000000000,00"));
    QCOMPARE(totalsOf(q), (QStringList{"1000000000000000,00", "100000000000000,00",
                                       "1100000000000000,00", "1,00", "1100000000000001,00"}));
}

void TestQuoteRules::fieldRules_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("plain");
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("blanks") << "  "
                            << ""
                            << "";
    QTest::newRow("whole") << "5"
                           << "5,00"
                           << "5";
    QTest::newRow("one decimal") << "12,5"
                                 << "12,50"
                                 << "12,5";
    QTest::newRow("trailing zeros") << "1,50"
                                    << "1,50"
                                    << "1,5";
    QTest::newRow("leading zeros") << "007"
                                   << "7,00"
                                   << "7";
    QTest::newRow("ten point zero") << "10,0"
                                    << "10,00"
                                    << "10";
    QTest::newRow("four decimals") << "3,1416"
                                   << "3,1416"
                                   << "3,1416";
    QTest::newRow("rounded to four") << "12,345678"
                                     << "12,3457"
                                     << "12,3457";
    QTest::newRow("three decimals") << "3,375"
                                    << "3,375"
                                    << "3,375";
    QTest::newRow("comma only") << ","
                                << "0,00"
                                << "";
    QTest::newRow("two commas") << "1,2,3"
                                << "0,00"
                                << "";
    QTest::newRow("letters") << "abc"
                             << "0,00"
                             << "";
    QTest::newRow("tiny") << "0,00004"
                          << "0,00"
                          << "0";
}

void TestQuoteRules::fieldRules()
{
    QFETCH(QString, typed);
    QFETCH(QString, price);
    QFETCH(QString, plain);
    QCOMPARE(priceRule(typed), price);
    QCOMPARE(plainRule(typed), plain);
}

void TestQuoteRules::numbering_data()
{
    QTest::addColumn<QByteArray>("ini"); // empty: no settings file
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("number"); // empty: refused
    QTest::newRow("no settings file") << QByteArray() << 0 << "1";
    QTest::newRow("no settings file, 4 quotes") << QByteArray() << 4 << "5";
    QTest::newRow("start 100, 3 quotes")
        << QByteArray("[Numerazione Preventivi]\r\nInizio=100\r\n") << 3 << "103";
    QTest::newRow("with the year") << QByteArray("[Numerazione Preventivi]\r\nInizio=100\r\n"
                                                 "Indicazione Anno Solare=S\xec\r\n")
                                   << 3 << "103/2026";
    QTest::newRow("year only when Sì")
        << QByteArray("[Numerazione Preventivi]\r\nIndicazione Anno Solare=Si\r\n") << 0 << "1";
    QTest::newRow("start 0") << QByteArray("[Numerazione Preventivi]\r\nInizio=0\r\n") << 0 << "0";
    QTest::newRow("empty start is 1")
        << QByteArray("[Numerazione Preventivi]\r\nInizio=\r\n") << 2 << "3";
    QTest::newRow("start not a number")
        << QByteArray("[Numerazione Preventivi]\r\nInizio=12a\r\n") << 2 << "";
}

void TestQuoteRules::numbering()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, count);
    QFETCH(QString, number);
    TempProgramFolder folder;
    if (!ini.isEmpty())
        writeIni(settingsPath(), ini);
    // The year suffix is today's year, whatever archive is open.
    const auto proposed = proposedNumber(readNumbering(settingsPath()), count, QDate(2026, 12, 10));
    QCOMPARE(proposed.value_or(QString()), number);
}

void TestQuoteRules::startNormalisation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("start");
    QTest::newRow("empty") << ""
                           << "1";
    QTest::newRow("zero stays") << "0"
                                << "0";
    QTest::newRow("leading zeros") << "00100"
                                   << "100";
    QTest::newRow("half up") << "2,5"
                             << "3";
    QTest::newRow("comma") << ","
                           << "1";
    QTest::newRow("letters") << "ab"
                             << "1";
    QTest::newRow("five digits") << "99999"
                                 << "99999";
}

void TestQuoteRules::startNormalisation()
{
    QFETCH(QString, typed);
    QFETCH(QString, start);
    QCOMPARE(normalisedStart(typed), start);
}

void TestQuoteRules::issuerDataRoundTrip()
{
    TempProgramFolder folder;
    QCOMPARE(readIssuerData(settingsPath()), QStringList(13, QString()));
    writeIni(settingsPath(), "[Numerazione Preventivi]\r\nInizio=100\r\n"
                             "Indicazione Anno Solare=S\xec\r\n");
    QStringList values;
    for (int i = 0; i < 13; ++i)
        values << QStringLiteral(" Valore %1 ").arg(i);
    values[0] = QStringLiteral("Trattoria Città €");
    QVERIFY(writeIssuerData(settingsPath(), values));
    QVERIFY(writeStart(settingsPath(), QStringLiteral("200")));
    const QStringList back = readIssuerData(settingsPath());
    QCOMPARE(back[0], QStringLiteral("Trattoria Città €"));
    QCOMPARE(back[12], QStringLiteral("Valore 12"));
    IniFile ini(settingsPath());
    QCOMPARE(ini.value(QStringLiteral("Ditta Emittente"), QStringLiteral("Aliquota Iva")),
             QStringLiteral("Valore 12"));
    QCOMPARE(ini.value(QStringLiteral("Ditta Emittente"), QStringLiteral("Partita IVA")),
             QStringLiteral("Valore 5"));
    // The numbering settings survive the issuer write, and "Inizio" the other keys.
    const NumberingSettings n = readNumbering(settingsPath());
    QCOMPARE(n.start, QStringLiteral("200"));
    QCOMPARE(n.yearSuffix, QStringLiteral("Sì"));
    QFile raw(settingsPath());
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QVERIFY(raw.readAll().contains("Nome=Trattoria Citt\xe0 \x80"));

    // A settings file that cannot be written is reported, and nothing else changes.
    TempProgramFolder readOnly;
    QVERIFY(QDir().mkpath(readOnly.file(QStringLiteral("Numerazione.ini"))));
    QVERIFY(!writeIssuerData(settingsPath(), values));
}

QTEST_GUILESS_MAIN(TestQuoteRules)
#include "tst_quoterules.moc"
