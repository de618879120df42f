#include "archive/ArchiveSession.h"
#include "archive/RecordFile.h"
#include "archive/SpreadsheetWriter.h"
#include "customers/CustomerLists.h"
#include "customers/CustomerRecord.h"

#include "FolderSupport.h"

#include <QBuffer>
#include <QFile>
#include <QTest>

using customers::customerLayout;
using customers::InputRule;

class TestCustomerRecord : public QObject
{
    Q_OBJECT

private slots:
    void layoutOffsets();
    void recordBytes();
    void oddFiles();
    void inputRules_data();
    void inputRules();
    void provinceList();
    void listLines();
    void quoteCustomer();
    void exportRow();
};

void TestCustomerRecord::layoutOffsets()
{
    const RecordLayout &l = customerLayout();
    QCOMPARE(l.encoding(), FieldEncoding::LengthPrefixed);
    QCOMPARE(l.recordSize(), 3643);
    const std::pair<const char *, int> offsets[] = {
        {"Ditta", 0},        {"Titolare", 51},    {"Recapito", 172}, {"IndirizzoRes", 223},
        {"ProvRes", 274},    {"ComuneRes", 277},  {"CapRes", 328},   {"Pagamento", 334},
        {"TelCasa", 585},    {"TelUff", 616},     {"TelCel", 647},   {"Fax", 678},
        {"Email", 709},      {"CodFisc", 760},    {"Carta", 777},    {"ScadeCarta", 808},
        {"PartitaIva", 839}, {"Iban", 851},       {"Articoli", 879}, {"Offerte", 1130},
        {"Ordine", 1381},    {"Questioni", 1632}, {"Note", 1883},    {"Ricontatta", 2134},
        {"File01", 2137},    {"File02", 2388},    {"File03", 2639},  {"Desc01", 2890},
        {"Desc02", 3141},    {"Desc03", 3392}};
    QCOMPARE(l.fieldCount(), 30);
    for (int i = 0; i < 30; ++i) {
        QCOMPARE(QLatin1String(l.name(i)), QLatin1String(offsets[i].first));
        QCOMPARE(l.offset(i), offsets[i].second);
    }
}

void TestCustomerRecord::recordBytes()
{
    TempProgramFolder folder;
    QCOMPARE(customers::archivePath(), folder.file(QStringLiteral("Clienti.pro")));
    const RecordLayout &l = customerLayout();
    Record r(l);
    r.setText("Ditta", QString(50, QLatin1Char('a')) + QStringLiteral("bc"));
    r.setText("Note", QStringLiteral("€ à è ì ò ù"));
    r.setText("Ricontatta", QStringLiteral("Sì"));
    for (int k = 1; k <= 3; ++k) {
        r.setText(QStringLiteral("File%1").arg(k, 2, 10, QLatin1Char('0')).toLatin1().constData(),
                  QStringLiteral("f%1.pdf").arg(k));
        r.setText(QStringLiteral("Desc%1").arg(k, 2, 10, QLatin1Char('0')).toLatin1().constData(),
                  QStringLiteral("d%1").arg(k));
    }
    RecordFile file(customers::archivePath(), l);
    QCOMPARE(file.count(), 0); // created empty
    QCOMPARE(file.append(r), 1);

    QFile raw(customers::archivePath());
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray b = raw.readAll();
    QCOMPARE(b.size(), 3643);
    QCOMPARE(b.mid(0, 1), QByteArray("\x32")); // the name cut at 50
    QCOMPARE(b.mid(2134, 3), QByteArray("\x02\x53\xEC", 3));
    QCOMPARE(b.mid(1883, 12), QByteArray("\x0B\x80 \xE0 \xE8 \xEC \xF2 \xF9", 12));
    // Files first, then descriptions.
    QCOMPARE(b.mid(2137, 7), QByteArray("\x06"
                                        "f1.pdf"));
    QCOMPARE(b.mid(2388, 7), QByteArray("\x06"
                                        "f2.pdf"));
    QCOMPARE(b.mid(2639, 7), QByteArray("\x06"
                                        "f3.pdf"));
    QCOMPARE(b.mid(2890, 3), QByteArray("\x02"
                                        "d1"));
    QCOMPARE(b.mid(3141, 3), QByteArray("\x02"
                                        "d2"));
    QCOMPARE(b.mid(3392, 3), QByteArray("\x02"
                                        "d3"));

    const Record back = file.read(1);
    QCOMPARE(back.text("Ditta"), QString(50, QLatin1Char('a')));
    QCOMPARE(back.text("Note"), QStringLiteral("€ à è ì ò ù"));
    QVERIFY(ArchiveSession::flagFromText(back.text("Ricontatta")));
    QCOMPARE(back.text("Desc03"), QStringLiteral("d3"));

    // The "No" bytes read back as not flagged.
    Record no(l);
    no.setText("Ricontatta", ArchiveSession::flagText(false));
    QCOMPARE(no.bytes().mid(2134, 3), QByteArray("\x02\x4E\x6F", 3));
    QVERIFY(!ArchiveSession::flagFromText(no.text("Ricontatta")));
}

void TestCustomerRecord::oddFiles()
{
    TempProgramFolder folder;
    // One record and a half, with the name's length byte beyond its field: the whole record
    // counts, its name is cut at the field's 50 characters, and the next field is its own.
    QByteArray bytes(3643 + 100, 'x');
    bytes[0] = char(200);
    bytes[51] = 3;
    QFile raw(customers::archivePath());
    QVERIFY(raw.open(QIODevice::WriteOnly));
    raw.write(bytes);
    raw.close();
    RecordFile file(customers::archivePath(), customerLayout());
    QCOMPARE(file.count(), 1);
    const Record r = file.read(1);
    QCOMPARE(r.text("Ditta"), QString(50, QLatin1Char('x')));
    QCOMPARE(r.text("Titolare"), QStringLiteral("xxx"));
}

void TestCustomerRecord::inputRules_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("rule");
    QTest::newRow("province") << "ProvRes"
                              << "rm"
                              << "RM" << int(InputRule::Capitals);
    QTest::newRow("province off the list") << "ProvRes"
                                           << " ab"
                                           << "AB" << int(InputRule::Capitals);
    QTest::newRow("tax code") << "CodFisc"
                              << "rssmra80a01h501u "
                              << "RSSMRA80A01H501U" << int(InputRule::Capitals);
    QTest::newRow("iban") << "Iban"
                          << " it60x"
                          << "IT60X" << int(InputRule::Capitals);
    QTest::newRow("pec") << "Fax"
                         << " a@pec.it "
                         << "a@pec.it" << int(InputRule::NoOuterBlanks);
    QTest::newRow("e-mail blank at end") << "Email"
                                         << "Mario@x.it "
                                         << "Mario@x.it" << int(InputRule::NoOuterBlanks);
    QTest::newRow("e-mail inner blank") << "Email"
                                        << "a b"
                                        << "a b" << int(InputRule::NoOuterBlanks);
    QTest::newRow("card") << "Carta"
                          << "4111 1"
                          << "4111 1" << int(InputRule::DigitsOnly);
    QTest::newRow("vat") << "PartitaIva"
                         << "0123"
                         << "0123" << int(InputRule::DigitsOnly);
    QTest::newRow("name") << "Ditta"
                          << " rossi "
                          << " rossi " << int(InputRule::Free);
    QTest::newRow("town") << "ComuneRes"
                          << "roma"
                          << "roma" << int(InputRule::Free);
}

void TestCustomerRecord::inputRules()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, rule);
    QCOMPARE(int(customers::inputRule(field)), rule);
    QCOMPARE(customers::applyRule(customers::inputRule(field), typed), shown);
}

void TestCustomerRecord::provinceList()
{
    const QStringList &codes = customers::provinceCodes();
    QCOMPARE(codes.size(), 112);
    QCOMPARE(codes.first(), QStringLiteral("AG"));
    QCOMPARE(codes.at(85), QStringLiteral("RM"));
    QCOMPARE(codes.last(), QStringLiteral("VV"));
}

void TestCustomerRecord::listLines()
{
    Record r(customerLayout());
    r.setText("Ditta", QStringLiteral(" Rossi Mario "));
    r.setText("Titolare", QString(35, QLatin1Char('T')));
    r.setText("Recapito", QStringLiteral("333 1234567"));
    r.setText("Note", QStringLiteral(" cliente storico "));
    r.setText("Questioni", QStringLiteral("conto da saldare"));
    const RecordView v(customerLayout(), r.bytes().constData());
    const QString head = QStringLiteral("Rossi Mario                   ") + QStringLiteral("  ") +
                         QString(30, QLatin1Char('T')) +
                         QStringLiteral("  Tel. 333 1234567         ");
    QCOMPARE(customers::findLine()(v), head + QStringLiteral("  cliente storico"));
    QCOMPARE(customers::recontactLine()(v), head + QStringLiteral("  conto da saldare"));
}

void TestCustomerRecord::quoteCustomer()
{
    Record r(customerLayout());
    r.setText("Ditta", QStringLiteral("Bianchi Anna"));
    r.setText("IndirizzoRes", QStringLiteral("Via Roma 1"));
    r.setText("CapRes", QStringLiteral("00100"));
    r.setText("ComuneRes", QStringLiteral("Roma"));
    r.setText("ProvRes", QStringLiteral("RM"));
    r.setText("PartitaIva", QStringLiteral("01234567890"));
    r.setText("CodFisc", QStringLiteral("BNCNNA80A41H501X"));
    const QList<QPair<QString, QString>> expected = {{"txtCliente", "Bianchi Anna "},
                                                     {"txtViaCliente", "Via Roma 1"},
                                                     {"txtCapCliente", "00100"},
                                                     {"txtCittaCliente", "Roma"},
                                                     {"txtProvCliente", "RM"},
                                                     {"txtIvaCliente", "01234567890"},
                                                     {"txtCodFiscCliente", "BNCNNA80A41H501X"}};
    QCOMPARE(customers::quoteCustomer(r), expected);
    r.setText("Titolare", QStringLiteral("Bianchi srl"));
    QCOMPARE(customers::quoteCustomer(r).first().second,
             QStringLiteral("Bianchi Anna Bianchi srl"));
}

void TestCustomerRecord::exportRow()
{
    const QList<spreadsheet::Column> &columns = customers::exportColumns();
    QCOMPARE(columns.size(), 22);
    QCOMPARE(columns.at(4).header, QStringLiteral("Città"));
    QCOMPARE(columns.at(14).header, QStringLiteral("Carta di credito n."));
    QCOMPARE(columns.at(14).width, 300);
    Record r(customerLayout());
    r.setText("Ditta", QStringLiteral("Verdi & <Figli>"));
    r.setText("ComuneRes", QStringLiteral("Milano"));
    r.setText("ProvRes", QStringLiteral("MI"));
    const RecordView v(customerLayout(), r.bytes().constData());
    QCOMPARE(spreadsheet::cellBytes(columns.at(4), v), QByteArray("Milano MI"));

    QBuffer out;
    QVERIFY(out.open(QIODevice::WriteOnly));
    spreadsheet::Writer writer(out, QStringLiteral("Riepilogo Clienti"), columns);
    writer.begin();
    QByteArrayView cells[22];
    QByteArray held[22];
    for (int c = 0; c < 22; ++c) {
        held[c] = spreadsheet::cellBytes(columns.at(c), v);
        cells[c] = held[c];
    }
    writer.row(cells);
    QVERIFY(writer.end());
    const QByteArray file = out.data();
    QVERIFY(file.contains("<x:Name>Riepilogo Clienti</x:Name>"));
    QVERIFY(file.contains(
        "<td style=\"text-align: left; font-weight: bold;\" width=250>Citt\xE0</td>"));
    QVERIFY(file.contains("<tr><td style=\"text-align: left;\">Verdi &amp; &lt;Figli&gt;</td>"));
    QVERIFY(file.contains("<td style=\"text-align: left;\">Milano MI</td>"));
}

QTEST_GUILESS_MAIN(TestCustomerRecord)
#include "tst_customerrecord.moc"
