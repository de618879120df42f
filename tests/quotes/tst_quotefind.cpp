// Quote find, pending quotes, the dish import into a quote line and the quote export, driven by
// their controls over small archives of their own.
#include "ArchiveTexts.h"
#include "TestSupport.h"

#include "archive/ArchiveWindow.h"
#include "archive/FindDialog.h"
#include "archive/ListPrint.h"
#include "archive/RecordFile.h"
#include "archive/RecordListPanel.h"
#include "quotes/ExpPreventivi.h"
#include "quotes/ImportaMagazzino.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteCommands.h"
#include "quotes/QuoteLists.h"
#include "quotes/QuoteRecord.h"
#include "quotes/Sospesi.h"
#include "quotes/TrovaPreventivi.h"
#include "recipes/RecipeRecord.h"
#include "shell/WindowSet.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTableView>
#include <QTimer>
#include <QtTest>

// The texts the user reads, as documented.

using brisvola::MessageAnswer;

namespace {

struct Quote
{
    QString numFatt, data, cliente, citta, iva, riferimenti, totale;
    bool pending = false;
    QString note = {};
};

Record quoteRecord(const Quote &q)
{
    Record r(quotes::quoteLayout());
    r.setText("NumFatt", q.numFatt);
    r.setText("Data", q.data);
    r.setText("Ditta", QStringLiteral("Trattoria Da Gino"));
    r.setText("CittaDitta", QStringLiteral("Firenze"));
    r.setText("Cliente", q.cliente);
    r.setText("CittaCliente", q.citta);
    r.setText("IvaCliente", q.iva);
    r.setText("Riferimenti", q.riferimenti);
    r.setText("TotFattura", q.totale);
    r.setText("Note", q.note);
    r.setText("InSospeso", q.pending ? quotes::yes : quotes::no);
    for (int line = 1; line <= quotes::lineCount; ++line)
        r.setText(qPrintable(quotes::lineField("Es", line)), quotes::no);
    return r;
}

struct Fixture
{
    TempProgramFolder folder;
    MessageRecorder messages;
    TfrmPreventivi window;

    Fixture() { window.lblFile->setText(quotes::quoteArchivePath(QStringLiteral("2024"))); }
    void add(const Quote &q)
    {
        RecordFile(window.lblFile->text(), quotes::quoteLayout()).append(quoteRecord(q));
    }
    QString shown(const char *control) const
    {
        return ArchiveWindow::fieldText(window.findChild<QWidget *>(QLatin1String(control)));
    }
};

QString line(const Quote &q)
{
    const Record r = quoteRecord(q);
    return quotes::quoteListLine()(RecordView(quotes::quoteLayout(), r.bytes().constData()));
}

const Quote march5{"12/2024",     "05/03/2024",     "Mario Rossi", "Roma",
                   "01234567890", "Sig.ra Bianchi", "1419,00"};
const Quote feb28{"9/2024", "28/02/2024", "Anna Verdi", "Milano", "", "", "300,00"};
const Quote march15{"10/2024",       "15/03/2024", "Ristorante Il Porto", "Genova", "",
                    "Tel. 010 1234", "2500,50"};
const Quote april3{"11/2024", "03/04/2024", "Mario Bianchi", "Roma", "", "", "80,00"};

} // namespace

class TestQuoteFind : public QObject
{
    Q_OBJECT
private slots:
    void listLine_data();
    void listLine();
    void findByPartOfADate();
    void findWithTwoCriteria();
    void pendingListAfterTickingAndClearing();
    void importIntoLine17TouchesNothingElse();
    void exportBytes();
    void quoteWindowButtonsOpenTheirWindows_data();
    void quoteWindowButtonsOpenTheirWindows();
};

void TestQuoteFind::listLine_data()
{
    QTest::addColumn<QString>("numFatt");
    QTest::addColumn<QString>("cliente");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "12/2024"
                           << "Mario Rossi"
                           << "Prev. n. 12/2024 del 05/03/2024     Mario Rossi                    "
                              "      P.I. 01234567890  Rif. Sig.ra Bianchi                     "
                              "  Tot. € 1419,00";
    // A number longer than its column pushes the date out; the line stays the same width.
    QTest::newRow("long number") << "PREVENTIVO-MATRIMONIO-2024-A"
                                 << "  Mario Rossi"
                                 << QStringLiteral(
                                        "Prev. n. PREVENTIVO-MATRIMONIO-202  Mario Rossi") +
                                        QString(24, ' ') +
                                        QStringLiteral("  P.I. 01234567890  Rif. Sig.ra Bianchi") +
                                        QString(21, ' ') + QStringLiteral("  Tot. € 1419,00");
}

void TestQuoteFind::listLine()
{
    QFETCH(QString, numFatt);
    QFETCH(QString, cliente);
    QFETCH(QString, expected);
    Quote q = march5;
    q.numFatt = numFatt;
    q.cliente = cliente;
    QCOMPARE(line(q), expected);
}

void TestQuoteFind::findByPartOfADate()
{
    Fixture f;
    for (const Quote &q : {march5, feb28, march15, april3})
        f.add(q);
    f.window.showPage(4);
    TfrmTrovaPreventivi find(f.window.lblFile->text(), quotes::showOn(&f.window), &f.window);
    QCOMPARE(find.objectName(), QStringLiteral("TfrmTrovaPreventivi"));
    QCOMPARE(find.windowTitle(), QStringLiteral(" Trova preventivi in archivio"));
    find.memoryLabel()->setText(QStringLiteral("preventivi"));
    find.show();
    find.criterion(QStringLiteral("txtData"))->setText(QStringLiteral("03/2024"));
    clickButton(&find, "btnCerca");
    // Sorted by their text: quote 10 before quote 12.
    QCOMPARE(recordLines(&find), QStringList({line(march15), line(march5)}));
    QCOMPARE(find.findChild<QLabel *>(QStringLiteral("lblTrovate"))->text(),
             QStringLiteral("Il presente elenco contiene 2 schede."));

    // The list prints under its title, in its order.
    QString printedTitle;
    QStringList printedLines;
    listprint::setPrinter([&](QWidget *, const QString &title, const QStringList &lines) {
        printedTitle = title;
        printedLines = lines;
    });
    clickButton(&find, "btnStampa");
    listprint::setPrinter({});
    QCOMPARE(printedTitle, QStringLiteral("Riepilogo preventivi emessi"));
    QCOMPARE(printedLines, recordLines(&find));

    // A double click loads the quote as navigation does and leaves the page of lines alone.
    doubleClickRow(&find, 1);
    QVERIFY(!find.isVisible());
    QCOMPARE(f.shown("txtCliente"), QStringLiteral("Mario Rossi"));
    QCOMPARE(f.shown("txtNumFatt"), QStringLiteral("12/2024"));
    QCOMPARE(f.shown("txtTotFattura"), QStringLiteral("1419,00"));
    QCOMPARE(f.shown("lblPosizione"), QStringLiteral("1"));
    QCOMPARE(f.window.currentPage(), 4);

    // The year alone lists every quote.
    TfrmTrovaPreventivi year(f.window.lblFile->text(), quotes::showOn(&f.window), &f.window);
    year.show();
    year.criterion(QStringLiteral("txtData"))->setText(QStringLiteral("2024"));
    clickButton(&year, "btnCerca");
    QCOMPARE(recordList(&year)->count(), 4);
}

void TestQuoteFind::findWithTwoCriteria()
{
    Fixture f;
    for (const Quote &q : {march5, feb28, march15, april3})
        f.add(q);
    TfrmTrovaPreventivi find(f.window.lblFile->text(), quotes::showOn(&f.window), &f.window);
    find.show();
    find.criterion(QStringLiteral("txtCliente"))->setText(QStringLiteral("mario"));
    find.criterion(QStringLiteral("txtCittaCliente"))->setText(QStringLiteral("ROM"));
    clickButton(&find, "btnCerca");
    QCOMPARE(recordLines(&find), QStringList({line(april3), line(march5)}));
    QCOMPARE(find.findChild<QLabel *>(QStringLiteral("lblConta"))->text(), QStringLiteral("2"));
    // Without the keyword of the quote window nothing is loaded.
    doubleClickRow(&find, 0);
    QVERIFY(!find.isVisible());
    QCOMPARE(f.shown("lblPosizione"), QString());
    QCOMPARE(f.shown("txtCliente"), QString());
}

void TestQuoteFind::pendingListAfterTickingAndClearing()
{
    Fixture f;
    Quote pendingFirst = march15; // its line sorts before march5's: the list keeps file order
    pendingFirst.numFatt = QStringLiteral("99/2024");
    pendingFirst.pending = true;
    f.add(pendingFirst);
    f.add(march5);
    f.add(feb28);
    {
        TfrmSospesi pending(f.window.lblFile->text(), quotes::showOn(&f.window), &f.window);
        QCOMPARE(pending.windowTitle(), QStringLiteral(" Riepilogo preventivi in sospeso"));
        pending.show();
        QCOMPARE(recordLines(&pending), QStringList{line(pendingFirst)});
    }

    // Ticking "In sospeso" on quote 2 and saving puts it in the list, after quote 1.
    auto *flag = f.window.findChild<QCheckBox *>(QStringLiteral("chkSaldata"));
    QVERIFY(f.window.archive()->showPosition(2));
    flag->setChecked(true);
    QVERIFY(f.window.archive()->save());
    const auto savedLine = [&f](qint64 position) {
        const Record r = RecordFile(f.window.lblFile->text(), quotes::quoteLayout()).read(position);
        return quotes::quoteListLine()(RecordView(quotes::quoteLayout(), r.bytes().constData()));
    };
    {
        TfrmSospesi pending(f.window.lblFile->text(), quotes::showOn(&f.window), &f.window);
        pending.show();
        QCOMPARE(recordLines(&pending), QStringList({line(pendingFirst), savedLine(2)}));
        QString printedTitle;
        listprint::setPrinter(
            [&](QWidget *, const QString &title, const QStringList &) { printedTitle = title; });
        clickButton(&pending, "btnStampa");
        listprint::setPrinter({});
        QCOMPARE(printedTitle, QStringLiteral("Riepilogo preventivi in sospeso"));
        // A double click loads the quote of the line.
        doubleClickRow(&pending, 0);
        QVERIFY(!pending.isVisible());
        QCOMPARE(f.shown("lblPosizione"), QStringLiteral("1"));
        QCOMPARE(f.shown("txtNumFatt"), QStringLiteral("99/2024"));
        QVERIFY(flag->isChecked());
    }

    // Clearing both ticks and saving empties the list; "Trova" then has nothing to look in.
    for (int position : {1, 2}) {
        QVERIFY(f.window.archive()->showPosition(position));
        flag->setChecked(false);
        QVERIFY(f.window.archive()->save());
    }
    TfrmSospesi none(f.window.lblFile->text(), quotes::showOn(&f.window), &f.window);
    none.show();
    QCOMPARE(recordList(&none)->count(), 0);
    f.messages.clear();
    clickButton(&none, "btnTrova");
    QCOMPARE(f.messages.texts(),
             QStringList{
                 QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.")});
}

void TestQuoteFind::importIntoLine17TouchesNothingElse()
{
    Fixture f;
    const RecordLayout &recipes = recipes::recipeLayout();
    const auto addRecipe = [&](const QString &nome, const QString &portata, const QString &prezzo) {
        Record r(recipes);
        r.setText("Nome", nome);
        r.setText("Portata", portata);
        r.setText("Nazionalita", QStringLiteral("Italiana"));
        r.setText("Prezzo", prezzo);
        r.setText("Segnalata", quotes::no);
        RecordFile(recipes::archivePath(), recipes).append(r);
    };
    addRecipe(QStringLiteral("Risotto ai funghi porcini"), QStringLiteral("Primo piatto"),
              QStringLiteral("12,5"));
    addRecipe(QStringLiteral("Tagliata di manzo"), QStringLiteral("Secondo piatto"),
              QStringLiteral("18,00"));

    const auto set = [&f](const QString &name, const QString &text) {
        ArchiveWindow::setFieldText(f.window.findChild<QWidget *>(name), text);
    };
    set(QStringLiteral("txtCliente"), QStringLiteral("Mario Rossi"));
    set(QStringLiteral("txtQuant17"), QStringLiteral("40"));
    set(QStringLiteral("txtCodice17"), QStringLiteral("vecchio"));
    set(QStringLiteral("txtPercSconto17"), QStringLiteral("5"));
    set(QStringLiteral("txtImporto17"), QStringLiteral("760,00"));
    set(QStringLiteral("chkEs17"), quotes::yes);
    set(QStringLiteral("txtDesc16"), QStringLiteral("Aperitivo"));
    set(QStringLiteral("txtPrezzo18"), QStringLiteral("3,00"));
    set(QStringLiteral("txtTotFattura"), QStringLiteral("760,00"));
    const Record before = f.window.archive()->recordFromScreen();

    // The import button of line 17 opens the find; the dish chosen goes into that line.
    bool imported = false;
    const auto expected = onNextModal([&](QWidget *w) {
        auto *import = qobject_cast<TfrmImportaMagazzino *>(w);
        QVERIFY(import);
        QCOMPARE(import->windowTitle(), QStringLiteral(" Importa pietanze da archivio ricette"));
        QCOMPARE(import->memoryLabel()->text(), QStringLiteral("pre_art_17"));
        import->criterion(QStringLiteral("txtPortata"))->setText(QStringLiteral("PRIMO"));
        clickButton(import, "btnCerca");
        QCOMPARE(
            recordLines(import),
            QStringList{QStringLiteral("Risotto ai funghi porcini                 Portata: Primo "
                                       "piatto              Nazione: Italiana                  "
                                       "kcal:            Prezzo: € 12,5")});
        QCOMPARE(import->findChild<QLabel *>(QStringLiteral("lblTrovate"))->text(),
                 QStringLiteral("Il presente riepilogo contiene 1 schede."));
        doubleClickRow(import, 0);
        QVERIFY(!import->isVisible());
        imported = true;
    });
    auto *importButton = f.window.findChild<QAbstractButton *>(QStringLiteral("impMag17"));
    QVERIFY(importButton);
    importButton->click(); // on a page of lines not shown
    QVERIFY(imported);

    const Record after = f.window.archive()->recordFromScreen();
    QCOMPARE(after.text("Codice17"), QStringLiteral("Primo piatto"));
    QCOMPARE(after.text("Desc17"), QStringLiteral("Risotto ai funghi porcini"));
    QCOMPARE(after.text("Prezzo17"), QStringLiteral("12,5")); // as in the recipe, not normalised
    const RecordLayout &layout = quotes::quoteLayout();
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const QString name = QLatin1String(layout.name(i));
        if (name == QLatin1String("Codice17") || name == QLatin1String("Desc17") ||
            name == QLatin1String("Prezzo17"))
            continue;
        QVERIFY2(after.text(i) == before.text(i), qPrintable(name));
    }
}

void TestQuoteFind::exportBytes()
{
    Fixture f;
    Quote first = march5;
    first.pending = true;
    first.note = QStringLiteral("Tavolo <sposi> & parenti");
    f.add(first);
    f.add(feb28);
    TfrmExpPreventivi dialog(f.window.lblFile->text(), &f.window);
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" Esporta archivio preventivi in Excel"));
    dialog.show();
    auto *grid = dialog.findChild<QTableView *>(QStringLiteral("grdRecords"));
    QVERIFY(grid);
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(grid->model()->columnCount(), 26);
    f.messages.answerNext(MessageAnswer::Yes);
    f.messages.answerNext(MessageAnswer::No);
    dialog.cmdEsportaClick();
    QCOMPARE(f.messages.texts(), QStringList({texts::exportQuestion, texts::exportDone}));

    QFile file(f.folder.file(QStringLiteral("Preventivi.xls")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();

    QByteArray expected =
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" "
        "content=\"text/html; charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook>"
        "<x:ExcelWorksheets><x:ExcelWorksheet><x:Name>Riepilogo annuale preventivi</x:Name>"
        "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
        "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False"
        "</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False"
        "</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets>"
        "</x:ExcelWorkbook></xml><![endif]--></head><body><table x:str><tr>";
    const QList<std::pair<const char *, int>> headers = {{"Preventivo n.", 160},
                                                         {"Data emissione", 120},
                                                         {"Ditta emittente", 250},
                                                         {"Citt\xe0", 250},
                                                         {"Partita IVA", 150},
                                                         {"Codice fiscale", 150},
                                                         {"Cognome e nome Cliente", 250},
                                                         {"Via e numero civico", 250},
                                                         {"CAP", 70},
                                                         {"Citt\xe0", 250},
                                                         {"Prov.", 50},
                                                         {"Partita IVA Cliente", 150},
                                                         {"Codice fiscale Cliente", 150},
                                                         {"Riferimenti", 250},
                                                         {"Pagamento", 250},
                                                         {"Banca d'appoggio", 250},
                                                         {"IBAN", 250},
                                                         {"Totale imponibile", 150},
                                                         {"% IVA", 100},
                                                         {"Totale imposta", 150},
                                                         {"Totale IVA inclusa", 150},
                                                         {"Totale esente", 150},
                                                         {"TOTALE PREVENTIVO", 150},
                                                         {"Note", 350},
                                                         {"In sospeso", 100}};
    for (const auto &[header, width] : headers)
        expected += "<td style=\"text-align: left; font-weight: bold;\" width=" +
                    QByteArray::number(width) + ">" + header + "</td>";
    expected += "</tr>";
    const auto row = [](const QList<QByteArray> &cells) {
        QByteArray out = "<tr>";
        for (int i = 0; i < cells.size(); ++i)
            out += QByteArray(i >= 17 && i <= 22 ? "<td style=\"text-align: right;\">"
                                                 : "<td style=\"text-align: left;\">") +
                   cells[i] + "</td>";
        return out + "</tr>";
    };
    expected += row({"12/2024",
                     "05/03/2024",
                     "Trattoria Da Gino",
                     "Firenze",
                     "",
                     "",
                     "Mario Rossi",
                     "",
                     "",
                     "Roma",
                     "",
                     "01234567890",
                     "",
                     "Sig.ra Bianchi",
                     "",
                     "",
                     "",
                     "",
                     "",
                     "",
                     "",
                     "",
                     "1419,00",
                     "Tavolo &lt;sposi&gt; &amp; parenti",
                     "S\xec"});
    expected += row({"9/2024",     "28/02/2024", "Trattoria Da Gino",
                     "Firenze",    "",           "",
                     "Anna Verdi", "",           "",
                     "Milano",     "",           "",
                     "",           "",           "",
                     "",           "",           "",
                     "",           "",           "",
                     "",           "300,00",     "",
                     "No"});
    expected += "</table></body></html>";
    QCOMPARE(bytes, expected);
}

void TestQuoteFind::quoteWindowButtonsOpenTheirWindows_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("memory");
    QTest::newRow("find") << "cmdTrova"
                          << "TfrmTrovaPreventivi"
                          << "preventivi";
    QTest::newRow("pending") << "cmdSospese"
                             << "TfrmSospesi"
                             << "";
    QTest::newRow("preview") << "cmdAnteprima"
                             << "TfrmAnteprimaPrev"
                             << "";
    QTest::newRow("print") << "cmdStampa"
                           << "TfrmStampaPrev"
                           << "";
    QTest::newRow("pdf") << "cmdPDF"
                         << "TfrmCrea_PDF_Prev"
                         << "";
    QTest::newRow("export") << "cmdEsporta"
                            << "TfrmExpPreventivi"
                            << "";
    QTest::newRow("import 1") << "impMag01"
                              << "TfrmImportaMagazzino"
                              << "pre_art_01";
    QTest::newRow("import 17") << "impMag17"
                               << "TfrmImportaMagazzino"
                               << "pre_art_17";
    QTest::newRow("import 30") << "impMag30"
                               << "TfrmImportaMagazzino"
                               << "pre_art_30";
}

void TestQuoteFind::quoteWindowButtonsOpenTheirWindows()
{
    QFETCH(QString, button);
    QFETCH(QString, dialog);
    QFETCH(QString, memory);
    Fixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    auto *b = f.window.findChild<QAbstractButton *>(button);
    QVERIFY(b && b->isEnabled());
    QString seen, seenMemory;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        QPointer<QWidget> w = QApplication::activeModalWidget();
        if (!w)
            return;
        seen = w->objectName();
        modal = w->isModal();
        if (auto *memoryLabel = w->findChild<QLabel *>(QStringLiteral("lblMemory")))
            seenMemory = memoryLabel->text();
        w->close();
    });
    b->click();
    QCOMPARE(seen, dialog);
    QVERIFY(modal);
    QCOMPARE(seenMemory, memory);
}

QTEST_MAIN(TestQuoteFind)
#include "tst_quotefind.moc"
