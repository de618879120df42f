// Find, list and export rules without any window: criteria, list lines, order, quick find and the
// spreadsheet file.
#include "FolderSupport.h"

#include "archive/CriteriaMatcher.h"
#include "archive/ListLine.h"
#include "archive/QuickFind.h"
#include "archive/RecordFile.h"
#include "archive/SpreadsheetWriter.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {
const RecordLayout dishLayout(FieldEncoding::ZeroTerminated,
                              {{"Nome", 20}, {"Portata", 10}, {"Ingredienti", 400}});
const RecordLayout prefixedLayout(FieldEncoding::LengthPrefixed, {{"Nome", 20}, {"Portata", 10}});

Record dish(const QString &nome, const QString &portata, const QString &ingredienti = {})
{
    Record r(dishLayout);
    r.setText("Nome", nome);
    r.setText("Portata", portata);
    r.setText("Ingredienti", ingredienti);
    return r;
}
} // namespace

class TestFindRules : public QObject
{
    Q_OBJECT
private slots:
    void criteria_data();
    void criteria();
    void criteriaOnLengthPrefixedFields();
    void fitted_data();
    void fitted();
    void columnsLine();
    void order();
    void linesKeptAsBytes();
    void quickFindCyclesAndWraps();
    void quickFindEdges();
    void spreadsheetBytes();
    void spreadsheetFailureKeepsOldFile();
};

void TestFindRules::criteria_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("portata");
    QTest::addColumn<bool>("listed");
    // Record: Nome "Pasta al forno", Portata "Primo", Ingredienti with a line break.
    QTest::newRow("no criterion lists all") << ""
                                            << "" << true;
    QTest::newRow("blanks only are ignored") << "   "
                                             << "" << true;
    QTest::newRow("blank beside a failing one") << "  "
                                                << "secondo" << false;
    QTest::newRow("both match, any case") << "PASTA"
                                          << "primo" << true;
    QTest::newRow("one of two fails") << "pasta"
                                      << "secondo" << false;
    QTest::newRow("inner text") << "al fo"
                                << "" << true;
    QTest::newRow("leading blank kept and found") << " al"
                                                  << "" << true;
    QTest::newRow("leading blank kept, not found") << " pasta"
                                                   << "" << false;
    QTest::newRow("trailing blank kept") << "forno "
                                         << "" << false;
}

void TestFindRules::criteria()
{
    QFETCH(QString, nome);
    QFETCH(QString, portata);
    QFETCH(bool, listed);
    const Record r = dish(QStringLiteral("Pasta al forno"), QStringLiteral("Primo"));
    const CriteriaMatcher m(dishLayout, {{"Nome", nome}, {"Portata", portata}});
    QCOMPARE(m.matches(RecordView(dishLayout, r.bytes().constData())), listed);
}

void TestFindRules::criteriaOnLengthPrefixedFields()
{
    const auto matches = [](const Record &r, const char *field, const QString &text) {
        const CriteriaMatcher m(r.layout(), {{field, text}});
        return m.matches(RecordView(r.layout(), r.bytes().constData()));
    };
    // Only A to Z change case: accented capitals do not match their small forms.
    Record r = dish(QStringLiteral("ÈCLAIR"), QStringLiteral("Dessert"),
                    QStringLiteral("farina 00\r\nuova\r\nzucchero a velo"));
    QVERIFY(matches(r, "Nome", QStringLiteral("Èclair")));
    QVERIFY(!matches(r, "Nome", QStringLiteral("èclair")));
    // The whole long field, across its line breaks; a character outside the code page never.
    QVERIFY(matches(r, "Ingredienti", QStringLiteral("ZUCCHERO A")));
    QVERIFY(matches(r, "Ingredienti", QStringLiteral("00\r\nuo")));
    QVERIFY(!matches(r, "Ingredienti", QStringLiteral("α")));
    // The field as stored, leading blanks included; nothing after its length byte.
    Record p(prefixedLayout);
    p.setText("Nome", QStringLiteral("  Risotto"));
    QVERIFY(matches(p, "Nome", QStringLiteral("  ris")));
    QByteArray bytes = p.bytes();
    bytes[1 + 9] = 'Z'; // a spare byte after the text
    p = Record(prefixedLayout, bytes);
    QVERIFY(!matches(p, "Nome", QStringLiteral("z")));
}

void TestFindRules::fitted_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("line");
    QTest::newRow("padded") << "Pasta" << 8 << "Pasta   ";
    QTest::newRow("trimmed first") << "  Pasta  " << 6 << "Pasta ";
    QTest::newRow("cut") << "Tagliatelle" << 5 << "Tagli";
    QTest::newRow("exact") << "Primo" << 5 << "Primo";
    QTest::newRow("whole") << " 12,50 " << -1 << "12,50";
    QTest::newRow("empty") << "" << 3 << "   ";
}

void TestFindRules::fitted()
{
    QFETCH(QString, value);
    QFETCH(int, width);
    QFETCH(QString, line);
    QCOMPARE(listline::fitted(value, width), line);
}

void TestFindRules::columnsLine()
{
    const listline::Builder build = listline::columns(
        dishLayout, {{{}, "Nome", 8}, {QStringLiteral("  Portata: "), "Portata", -1}});
    const Record r = dish(QStringLiteral(" Gnocchi alla romana"), QStringLiteral(" Primo "));
    QCOMPARE(build(RecordView(dishLayout, r.bytes().constData())),
             QStringLiteral("Gnocchi   Portata: Primo"));

    // A joined column: both fields trimmed, the joiner between them, the whole fitted.
    const listline::Builder joined = listline::columns(
        dishLayout, {{QStringLiteral("n. "), "Nome", 20, QStringLiteral(" del "), "Portata"},
                     {QStringLiteral("|"), "Portata", 3}});
    const auto line = [&](const QString &nome, const QString &portata) {
        const Record d = dish(nome, portata);
        return joined(RecordView(dishLayout, d.bytes().constData()));
    };
    QCOMPARE(line(QStringLiteral(" 12/2024 "), QStringLiteral(" Primo ")),
             QStringLiteral("n. 12/2024 del Primo   |Pri"));
    QCOMPARE(line(QStringLiteral("Gnocchi alla romana"), QStringLiteral("Primo")),
             QStringLiteral("n. Gnocchi alla romana |Pri"));
    QCOMPARE(line(QString(), QString()), QStringLiteral("n.  del                |   "));
}

void TestFindRules::order()
{
    std::vector<listline::Entry> entries = {
        {QStringLiteral("zuppa"), 1},          {QStringLiteral("Arrosto"), 2},
        {QStringLiteral("Èclair"), 3},         {QStringLiteral("arrosto"), 4},
        {QStringLiteral("Pasta al forno"), 5}, {QStringLiteral("Pasta    "), 6},
        {QStringLiteral("Arrosto"), 7},        {QStringLiteral("eclair"), 8},
    };
    listline::sort(entries);
    QStringList order;
    for (const auto &e : entries)
        order << QStringLiteral("%1:%2").arg(e.text.trimmed()).arg(e.position);
    // Case and accents fold together; equal lines keep file order; a shorter name before a longer.
    QCOMPARE(order, QStringList({"Arrosto:2", "Arrosto:7", "arrosto:4", "eclair:8", "Èclair:3",
                                 "Pasta:6", "Pasta al forno:5", "zuppa:1"}));
}

void TestFindRules::linesKeptAsBytes()
{
    // A list keeps each record's line as the bytes it shows and makes the text when asked: the
    // texts and their order must be exactly those of lines made at once and sorted. The table has
    // lines that agree beyond the first 48 characters, case and accent twins, a character past
    // Latin-1 (the euro sign) early in the line, blanks, empty fields and a long list of names.
    const listline::Builder build =
        listline::columns(dishLayout, {{{}, "Ingredienti", 60},
                                       {QStringLiteral(" | "), "Nome", -1},
                                       {QStringLiteral(" "), "Portata", 4}});
    const QString shared = QStringLiteral("Farina, uova, burro, zucchero, latte intero e fresco, ");
    QList<Record> records = {
        dish(QStringLiteral("Crostata"), QStringLiteral("Dolce"), shared + QStringLiteral("b")),
        dish(QStringLiteral("Crostata"), QStringLiteral("Dolce"), shared + QStringLiteral("a")),
        dish(QStringLiteral("Torta"), QStringLiteral("Dolce"), shared + QStringLiteral("a")),
        dish(QStringLiteral("Èclair"), QStringLiteral("dolce"), QStringLiteral("€ 3 di panna")),
        dish(QStringLiteral("eclair"), QStringLiteral("Dolce"), QStringLiteral("€ 3 di panna")),
        dish(QString(), QString(), QString()),
        dish(QStringLiteral(" Zuppa "), QStringLiteral(" Primo "), QStringLiteral("  ceci ")),
        dish(QStringLiteral("zuppa"), QStringLiteral("Primo"), QStringLiteral("Ceci")),
    };
    for (int i = 0; i < 300; ++i)
        records.append(dish(QStringLiteral("Piatto %1").arg((i * 7919) % 300),
                            QStringLiteral("Secondo"), shared.left(i % 60)));

    listline::Lines lines(build);
    std::vector<listline::Entry> entries;
    qint64 position = 0;
    for (const Record &r : records) {
        const RecordView view(dishLayout, r.bytes().constData());
        lines.add(view, ++position);
        entries.push_back({build(view), position});
    }
    QCOMPARE(lines.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        QCOMPARE(lines.text(i), entries[i].text);
        QCOMPARE(lines.position(i), entries[i].position);
    }
    QCOMPARE(entries[5].text, QString(60, QLatin1Char(' ')) + QStringLiteral(" |      "));

    lines.sort();
    listline::sort(entries);
    for (size_t i = 0; i < entries.size(); ++i) {
        QCOMPARE(lines.text(i), entries[i].text);
        QCOMPARE(lines.position(i), entries[i].position);
    }
    // The empty record first (blanks before letters); lines agreeing for 54 characters still
    // order by what follows.
    QCOMPARE(lines.position(0), 6);
    const auto at = [&](qint64 p) {
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines.position(i) == p)
                return int(i);
        return -1;
    };
    QVERIFY(at(2) < at(3));
    QVERIFY(at(3) < at(1));

    // Texts given whole are kept as they are, and sort the same way.
    listline::Lines given(
        std::vector<listline::Entry>{{QStringLiteral("zuppa"), 1}, {QStringLiteral("Arrosto"), 2}});
    given.sort();
    QCOMPARE(given.text(0), QStringLiteral("Arrosto"));
    QCOMPARE(given.position(1), 1);
}

void TestFindRules::quickFindCyclesAndWraps()
{
    const QStringList items = {"Arrosto", "Pasta al forno", "Risotto", "pasta e fagioli", "Zuppa"};
    const auto at = [&](int i) { return items[i]; };
    QuickFind q;
    int selected = -1;
    QList<int> visits;
    for (int i = 0; i < 4; ++i) {
        const auto r = q.find(items.size(), at, selected, QStringLiteral("PASTA"));
        QCOMPARE(r.outcome, QuickFind::Outcome::Found);
        selected = r.selected;
        visits << selected;
    }
    QCOMPARE(visits, QList<int>({1, 3, 1, 3}));
    // A new text starts again from the top, and tests the first item first.
    auto r = q.find(items.size(), at, selected, QStringLiteral("arr"));
    QCOMPARE(r.selected, 0);
    r = q.find(items.size(), at, 0, QStringLiteral("otto"));
    QCOMPARE(r.selected, 2);
    // The same text on its only match stays there.
    r = q.find(items.size(), at, 2, QStringLiteral("otto"));
    QCOMPARE(r.outcome, QuickFind::Outcome::NotFound);
    QCOMPARE(r.selected, 2);
}

void TestFindRules::quickFindEdges()
{
    QuickFind q;
    const auto at = [](int) { return QStringLiteral("Risotto"); };
    QCOMPARE(q.find(0, at, -1, QStringLiteral("x")).outcome, QuickFind::Outcome::EmptyList);
    QCOMPARE(QuickFind::emptyListMessage,
             QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
    // Nothing selected: the first item is selected even when nothing matches; empty never matches.
    auto r = q.find(3, at, -1, QString());
    QCOMPARE(r.outcome, QuickFind::Outcome::NotFound);
    QCOMPARE(r.selected, 0);
    r = q.find(3, at, 2, QStringLiteral("zzz"));
    QCOMPARE(r.outcome, QuickFind::Outcome::NotFound);
    QCOMPARE(r.selected, 2);
    q.reset();
    QVERIFY(q.lastText().isEmpty());
}

void TestFindRules::spreadsheetBytes()
{
    TempProgramFolder folder;
    const QList<spreadsheet::Column> columns = {
        spreadsheet::field(dishLayout, "Nome", QStringLiteral("Nome pietanza"), 300),
        spreadsheet::field(dishLayout, "Portata", QStringLiteral("Prezzo"), 200, true)};
    const QList<QStringList> rows = {
        {QStringLiteral(" Pâté & <crostini> "), QStringLiteral("3,50")},
        {QStringLiteral("a\r\nb"), QString()}};
    const QString path = folder.file(QStringLiteral("Prova.xls"));
    QVERIFY(spreadsheet::write(path, QStringLiteral("Archivio Ricette"), columns, rows.size(),
                               [&](qsizetype r) { return rows[r]; }));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray expected =
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" "
        "content=\"text/html; charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook>"
        "<x:ExcelWorksheets><x:ExcelWorksheet><x:Name>Archivio Ricette</x:Name>"
        "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
        "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False"
        "</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>"
        "False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets>"
        "</x:ExcelWorkbook></xml><![endif]--></head><body><table x:str><tr>"
        "<td style=\"text-align: left; font-weight: bold;\" width=300>Nome pietanza</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=200>Prezzo</td></tr>"
        "<tr><td style=\"text-align: left;\">P\xe2t\xe9 &amp; &lt;crostini&gt;</td>"
        "<td style=\"text-align: right;\">3,50</td></tr>"
        "<tr><td style=\"text-align: left;\">a\r\nb</td><td style=\"text-align: right;\"></td>"
        "</tr></table></body></html>";
    QCOMPARE(f.readAll(), expected);
}

void TestFindRules::spreadsheetFailureKeepsOldFile()
{
    TempProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Ricettario.xls"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("previous export");
    }
    // The disk fills up half-way (a file size limit stands in for it, whatever the rights of the
    // user running the test): the export fails and the old file stays whole.
    const QList<spreadsheet::Column> columns = {
        spreadsheet::field(dishLayout, "Nome", QStringLiteral("Nome pietanza"), 300)};
    {
        DiskFull disk(4096);
        QVERIFY(disk.active());
        QVERIFY(!spreadsheet::write(path, QStringLiteral("S"), columns, 1000, [](qsizetype) {
            return QStringList{QStringLiteral("Spaghetti alla chitarra")};
        }));
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("previous export"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Ricettario.xls"});
}

QTEST_GUILESS_MAIN(TestFindRules)
#include "tst_findrules.moc"
