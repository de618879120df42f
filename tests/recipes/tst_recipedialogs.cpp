// The recipe configurations of the find, flagged-list and export dialogs, the recipe card print
// and its RTF export, driven from the recipe window.
#include "ReportRecorder.h"
#include "TestSupport.h"

#include "archive/ArchiveWindow.h"
#include "archive/ListPrint.h"
#include "archive/RecordFile.h"
#include "archive/RecordListPanel.h"
#include "documents/Report.h"
#include "documents/ReportOutput.h"
#include "recipes/CreaRTF.h"
#include "recipes/ExpRicette.h"
#include "recipes/PhotoFiles.h"
#include "recipes/RecipeLists.h"
#include "recipes/RecipeRecord.h"
#include "recipes/RecipeTargets.h"
#include "recipes/Ricette.h"
#include "recipes/RicetteSegnalate.h"
#include "recipes/StampaRicette.h"
#include "recipes/TrovaRicette.h"
#include "shell/Clock.h"
#include "shell/WindowSet.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

// The texts the user reads, as documented.
namespace texts {
const QString rtfQuestion = QStringLiteral(
    "Questa procedura esporterà la scheda corrente in un documento in formato RTF.\r\n\r\n"
    "Si conferma la creazione del file?");
const QString rtfDone = QStringLiteral("Il file RTF è stato creato con successo.\r\n\r\n"
                                       "Si vuole aprire il documento?");
const QString rtfFailure =
    QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                   "Accertarsi che il documento non sia già aperto.");
} // namespace texts

using namespace brisvola;
using recipes::recipeLayout;

namespace {

struct Dish
{
    QString nome, portata, nazione, calorie, prezzo;
    bool segnalata = false;
    QString descrizione = QStringLiteral("Descrizione");
};

void addRecipes(const QList<Dish> &dishes)
{
    RecordFile file(recipes::archivePath(), recipeLayout());
    for (const Dish &d : dishes) {
        Record r(recipeLayout());
        r.setText("Nome", d.nome);
        r.setText("Portata", d.portata);
        r.setText("Nazionalita", d.nazione);
        r.setText("Calorie", d.calorie);
        r.setText("Prezzo", d.prezzo);
        r.setText("Descrizione", d.descrizione);
        r.setText("Segnalata", d.segnalata ? QStringLiteral("Sì") : QStringLiteral("No"));
        r.setText("Ingredienti", QStringLiteral("farina\r\nuova"));
        file.append(r);
    }
}

TfrmRicette *recipeWindow()
{
    return window<TfrmRicette>(QStringLiteral("TfrmRicette"));
}

QString field(QWidget *w, const QString &name)
{
    return ArchiveWindow::fieldText(w->findChild<QWidget *>(name));
}

// Catches the shell "open" of a file.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

// Stands in for the printer: keeps the report as it was sent.
class PrintRecorder : public documents::ReportOutputService
{
public:
    PrintRecorder() { documents::setReportOutput(this); }
    ~PrintRecorder() override { documents::setReportOutput(nullptr); }
    void preview(documents::Report &, QWidget *) override {}
    bool print(documents::Report &report, QWidget *, documents::PrintMode) override
    {
        ++printed;
        hadPhoto = report.object(QStringLiteral("imgFoto")) != nullptr;
        if (hadPhoto)
            photo = report.object(QStringLiteral("imgFoto"))->image;
        lines = report.pageLines(0);
        pages = report.pageCount();
        rowTop = report.object(QStringLiteral("txtCampo01"))->rect.top();
        return true;
    }
    int printed = 0, pages = 0;
    bool hadPhoto = false;
    QImage photo;
    QStringList lines;
    double rowTop = 0;
};

} // namespace

class TestRecipeDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void listLine();
    void buttonsOpenTheirDialogs();
    void findBringsRecipeIntoWindow();
    void flaggedRecipes();
    void exportBytes();
    void exportOpensInASpreadsheet();
    void cardRows();
    void printDialogChoosesTemplate();
    void rtfFromScreen();
};

void TestRecipeDialogs::initTestCase()
{
    registerAppWindows();
}

void TestRecipeDialogs::cleanup()
{
    destroyWindows();
}

void TestRecipeDialogs::listLine()
{
    Record r(recipeLayout());
    r.setText("Nome", QStringLiteral("  Spaghetti alla chitarra con ragù di agnello abruzzese"));
    r.setText("Portata", QStringLiteral("Primo piatto"));
    r.setText("Nazionalita", QStringLiteral("Italiana"));
    r.setText("Calorie", QStringLiteral("650 kcal per porzione"));
    r.setText("Prezzo", QStringLiteral(" 12,50 "));
    const QString line = recipes::listLine()(RecordView(recipeLayout(), r.bytes().constData()));
    QCOMPARE(line, QStringLiteral("Spaghetti alla chitarra con ragù di agne"
                                  "  Portata: Primo piatto            "
                                  "  Nazione: Italiana                "
                                  "  kcal: 650 kcal p"
                                  " Prezzo: € 12,50"));
}

void TestRecipeDialogs::buttonsOpenTheirDialogs()
{
    TempProgramFolder folder;
    TfrmRicette *w = recipeWindow();
    w->show();
    const std::pair<const char *, const char *> expected[] = {
        {"cmdTrova", "TfrmTrovaRicette"},
        {"cmdStampa", "TfrmStampaRicette"},
        {"cmdWord", "TfrmCreaRTF"},
        {"cmdEsporta", "TfrmExpRicette"},
        {"cmdSegnalate", "TfrmRicetteSegnalate"}};
    for (const auto &[button, dialog] : expected) {
        QString opened, memory;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            opened = modal->objectName();
            if (auto *m = modal->findChild<QLabel *>(QStringLiteral("lblMemory")))
                memory = m->text();
            static_cast<QDialog *>(modal)->reject();
        });
        clickButton(w, button);
        QCOMPARE(opened, QLatin1String(dialog));
        if (QLatin1String(button) == QLatin1String("cmdTrova") ||
            QLatin1String(button) == QLatin1String("cmdWord"))
            QCOMPARE(memory, QStringLiteral("ricette"));
    }
}

void TestRecipeDialogs::findBringsRecipeIntoWindow()
{
    TempProgramFolder folder;
    addRecipes({{"Gnocchi", "Primo piatto", "Italiana", "300", "8,00"},
                {"Tiramisù", "Dessert", "Italiana", "450", "5,50"},
                {"Gnocchi", "Primo piatto", "Italiana", "300", "8,00"}});
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(Qt::red);
    QVERIFY(recipes::writeJpeg(photo, recipes::photoPath(1)));
    TfrmRicette *w = recipeWindow();
    w->show();
    // The earlier of two identical lines is the one brought back, with its photo.
    TfrmTrovaRicette find(w);
    find.lblMemory->setText(QStringLiteral("ricette"));
    find.show();
    find.criterion(QStringLiteral("txtPortata"))->setText(QStringLiteral("PRIMO"));
    clickButton(&find, "btnCerca");
    RecordList *list = find.results()->list();
    QCOMPARE(list->count(), 2);
    QCOMPARE(find.findChild<QLabel *>(QStringLiteral("lblTrovate"))->text(),
             QStringLiteral("Il presente riepilogo contiene 2 schede."));
    QCOMPARE(list->text(0), list->text(1));
    QCOMPARE(list->position(0), 1);
    doubleClickRow(list, 0);
    QVERIFY(!find.isVisible());
    QCOMPARE(field(w, QStringLiteral("txtNome")), QStringLiteral("Gnocchi"));
    QCOMPARE(field(w, QStringLiteral("txtIngredienti")), QStringLiteral("farina\r\nuova"));
    QCOMPARE(w->archive()->positionLabel()->text(), QStringLiteral("1"));
    QVERIFY(!w->photoIsPlaceholder());
    QCOMPARE(w->photo().pixelColor(20, 15).red() > 200, true);
    // The window is on that stored record: Next goes to record 2.
    MessageRecorder messages;
    clickButton(w, "cmdAvanti");
    QCOMPARE(field(w, QStringLiteral("txtNome")), QStringLiteral("Tiramisù"));
    QCOMPARE(w->archive()->positionLabel()->text(), QStringLiteral("2"));
}

void TestRecipeDialogs::flaggedRecipes()
{
    TempProgramFolder folder;
    addRecipes({{"Zabaione", "Dessert", "Italiana", "", "4,00", true},
                {"Brodo", "Primo piatto", "", "", "3,00", false},
                {"Arancini", "Antipasto", "Italiana", "", "2,50", true}});
    TfrmRicette *w = recipeWindow();
    w->show();
    QString title;
    QStringList printed;
    listprint::setPrinter([&](QWidget *, const QString &t, const QStringList &l) {
        title = t;
        printed = l;
    });
    TfrmRicetteSegnalate flagged(w);
    flagged.show();
    QCOMPARE(flagged.windowTitle(), QStringLiteral(" Riepilogo ricette segnalate"));
    RecordList *list = flagged.results()->list();
    QCOMPARE(list->count(), 2);
    QVERIFY(list->text(0).startsWith(QStringLiteral("Arancini ")));
    clickButton(&flagged, "btnStampa");
    listprint::setPrinter({});
    QCOMPARE(title, QStringLiteral("Riepilogo ricette segnalate"));
    QCOMPARE(printed.size(), 2);
    // Through the document engine's list report: landscape, the title, every line in order.
    {
        ReportRecorder reports;
        clickButton(&flagged, "btnStampa");
        QCOMPARE(reports.outputs.size(), 1);
        QCOMPARE(reports.outputs[0].orientation, QPageLayout::Landscape);
        const QStringList lines = reports.outputs[0].lines();
        QCOMPARE(lines.value(0), QStringLiteral("Riepilogo ricette segnalate"));
        QCOMPARE(lines.value(1), list->text(0));
        QCOMPARE(lines.value(2), list->text(1));
    }
    doubleClickRow(list, 1);
    QCOMPARE(field(w, QStringLiteral("txtNome")), QStringLiteral("Zabaione"));
    QVERIFY(w->findChild<QCheckBox *>(QStringLiteral("chkSegnalata"))->isChecked());
    QCOMPARE(w->archive()->positionLabel()->text(), QStringLiteral("1"));
}

namespace {
QByteArray exportedBytes()
{
    MessageRecorder messages;
    messages.answerNext(MessageAnswer::Yes);
    messages.answerNext(MessageAnswer::No);
    TfrmExpRicette d;
    d.show();
    clickButton(&d, "cmdEsporta");
    QFile f(d.filePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

void TestRecipeDialogs::exportBytes()
{
    TempProgramFolder folder;
    addRecipes({{"Pâté & <crostini>", "Antipasto", "Francese", "200", "6,00", true}});
    const QByteArray bytes = exportedBytes();
    QVERIFY(QFile::exists(folder.file(QStringLiteral("Ricettario.xls"))));
    const QByteArray td = "<td style=\"text-align: left;\">";
    const QByteArray expectedTable =
        "<table x:str><tr>"
        "<td style=\"text-align: left; font-weight: bold;\" width=300>Nome pietanza</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=250>Portata</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=250>Nazionalit\xe0</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=250>Difficolt\xe0</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=250>Vino o bevanda abbinata</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=200>Tempo occorrente</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=200>Calorie</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=350>Descrizione per menu</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=200>Prezzo porzione</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=250>Fonte ricetta</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=350>Servizio in tavola</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=350>Note</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=150>Segnalata</td></tr>"
        "<tr>" +
        td + "P\xe2t\xe9 &amp; &lt;crostini&gt;</td>" + td + "Antipasto</td>" + td +
        "Francese</td>" + td + "</td>" + td + "</td>" + td + "</td>" + td + "200</td>" + td +
        "Descrizione</td>" + td + "6,00</td>" + td + "</td>" + td + "</td>" + td + "</td>" + td +
        "S\xec</td></tr></table></body></html>";
    QVERIFY(bytes.startsWith("<html xmlns:o=\"urn:schemas-microsoft-com:office:office\""));
    QVERIFY(bytes.contains("<x:Name>Archivio Ricette</x:Name>"));
    QVERIFY2(bytes.endsWith(expectedTable), bytes.constData());
    QVERIFY(!bytes.contains('\n'));

    // An empty archive: the header row only.
    TempProgramFolder empty;
    QVERIFY(exportedBytes().endsWith("width=150>Segnalata</td></tr></table></body></html>"));
}

void TestRecipeDialogs::exportOpensInASpreadsheet()
{
    const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty())
        QSKIP("no spreadsheet program installed");
    TempProgramFolder folder;
    addRecipes({{"Pâté & <crostini>", "Antipasto", "Francese", "200", "6,00", true},
                {"Tiramisù", "Dessert", "Italiana", "450", "5,50", false}});
    QVERIFY(!exportedBytes().isEmpty());
    QProcess p;
    p.setWorkingDirectory(folder.path());
    p.start(office, {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                     QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
                     QStringLiteral("Ricettario.xls"), QStringLiteral("--outdir"), folder.path()});
    QVERIFY(p.waitForFinished(120000));
    QFile csv(folder.file(QStringLiteral("Ricettario.csv")));
    QVERIFY2(csv.open(QIODevice::ReadOnly), p.readAllStandardError().constData());
    const QStringList rows =
        QString::fromUtf8(csv.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 3);
    QVERIFY2(rows[0].startsWith(QStringLiteral("Nome pietanza,Portata,Nazionalità,Difficoltà")),
             qPrintable(rows[0]));
    QVERIFY2(rows[1].startsWith(QStringLiteral("Pâté & <crostini>,Antipasto,Francese,,,,200,"
                                               "Descrizione,\"6,00\"")),
             qPrintable(rows[1]));
    QVERIFY2(rows[2].trimmed().endsWith(QStringLiteral(",No")), qPrintable(rows[2]));
}

void TestRecipeDialogs::cardRows()
{
    setNow(QDateTime(QDate(2026, 3, 14), QTime(18, 5, 9)));
    const QHash<QString, QString> values = {
        {"Nome", "Lasagne"},         {"Portata", "Primo piatto"},
        {"Nazionalita", "Italiana"}, {"Difficolta", "Media"},
        {"Vino", "Sangiovese"},      {"Tempo", "2 ore"},
        {"Calorie", "700"},          {"Descrizione", "Lasagne al ragù"},
        {"Prezzo", "10,00"},         {"Fonte", "Nonna Pina"},
        {"Servizio", "Teglia"},      {"Note", "Senza glutine su richiesta"}};
    const auto valueOf = [&](const char *f) { return values.value(QLatin1String(f)); };
    for (bool withPhoto : {true, false}) {
        documents::Report report;
        QVERIFY(TfrmStampaRicette::fillCard(report, withPhoto, valueOf, QImage()));
        report.prepare();
        QCOMPARE(report.pageCount(), 1);
        QCOMPARE(report.orientation(), QPageLayout::Portrait);
        const QStringList lines = report.pageLines(0);
        QCOMPARE(lines.first(), QStringLiteral("SCHEDA RICETTA DI CUCINA"));
        QCOMPARE(lines.last(),
                 QStringLiteral("Stampa eseguita in data 14/03/2026 alle ore 18:05:09"));
        QHash<QString, documents::PreparedItem> items;
        for (const documents::PreparedItem &item : report.page(0).items)
            items.insert(item.object.name, item);
        const QList<recipecard::Row> &rows = recipecard::printedRows();
        QCOMPARE(rows.size(), 12);
        double previousTop = 0;
        for (int i = 0; i < rows.size(); ++i) {
            // Label and value side by side, one row under the other, in order.
            const QString n = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
            const documents::PreparedItem label = items.value(QStringLiteral("titCampo") + n);
            const documents::PreparedItem value = items.value(QStringLiteral("txtCampo") + n);
            QCOMPARE(label.lines.value(0).text, rows[i].label);
            QCOMPARE(value.lines.value(0).text, values.value(QLatin1String(rows[i].field)));
            QCOMPARE(label.rect.top(), value.rect.top());
            QVERIFY(label.rect.right() < value.rect.left());
            QVERIFY(label.rect.top() > previousTop);
            previousTop = label.rect.top();
        }
        QCOMPARE(rows[7].label, QStringLiteral("Descrizione in menu:"));
        QCOMPARE(report.object(QStringLiteral("imgFoto")) != nullptr, withPhoto);
        QCOMPARE(documents::toUnits(report.object(QStringLiteral("txtCampo12"))->rect.top()),
                 withPhoto ? 767.0 : 506.8);
    }
    setNow(QDateTime());
}

void TestRecipeDialogs::printDialogChoosesTemplate()
{
    TempProgramFolder folder;
    TfrmRicette *w = recipeWindow();
    w->show();
    w->findChild<QLineEdit *>(QStringLiteral("txtNome"))->setText(QStringLiteral("  Non salvata "));
    PrintRecorder printer;
    {
        TfrmStampaRicette d(recipes::screenValues(w), w->photo(), w);
        d.show();
        QCOMPARE(d.lblMemory->text(), QStringLiteral("con"));
        QVERIFY(d.optUno->isChecked());
        clickButton(&d, "btnStampa");
        QVERIFY(!d.isVisible());
    }
    QCOMPARE(printer.printed, 1);
    QVERIFY(printer.hadPhoto);
    QCOMPARE(printer.photo.size(), recipes::placeholderPhoto().size());
    QVERIFY(printer.lines.contains(QStringLiteral("Non salvata")));
    const double withPhotoTop = printer.rowTop;
    {
        TfrmStampaRicette d(recipes::screenValues(w), w->photo(), w);
        d.show();
        QTest::mouseClick(d.optDue, Qt::LeftButton);
        QCOMPARE(d.lblMemory->text(), QStringLiteral("senza"));
        clickButton(&d, "btnStampa");
    }
    QCOMPARE(printer.printed, 2);
    QVERIFY(!printer.hadPhoto);
    QVERIFY(printer.rowTop < withPhotoTop);
    {
        TfrmStampaRicette d(recipes::screenValues(w), w->photo(), w);
        d.show();
        clickButton(&d, "btnAnnulla");
    }
    QCOMPARE(printer.printed, 2);
}

void TestRecipeDialogs::rtfFromScreen()
{
    TempProgramFolder folder;
    TfrmRicette *w = recipeWindow();
    w->show();
    w->findChild<QLineEdit *>(QStringLiteral("txtNome"))
        ->setText(QStringLiteral(" Crema {al} \\ "));
    w->findChild<QPlainTextEdit *>(QStringLiteral("txtIngredienti"))
        ->setPlainText(QStringLiteral("latte\nuova"));
    MessageRecorder messages;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    const QString path = folder.file(QStringLiteral("Scheda_Ricetta.rtf"));
    {
        TfrmCreaRTF d(recipes::screenValues(w), w);
        d.lblMemory->setText(QStringLiteral("ricette"));
        d.show();
        clickButton(&d, "btnStampa");
        QVERIFY(!d.isVisible());
    }
    QCOMPARE(messages.texts(), QStringList({texts::rtfQuestion, texts::rtfDone}));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray rtf = f.readAll();
    f.close();
    QVERIFY(rtf.contains("Nome pietanza:\\b0\\f1  \\f0 Crema \\{al\\} \\\\\\par"));
    QVERIFY(rtf.contains("Ingredienti:\\b0\\f1  \\f0 latte\\line uova\\par"));
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl::fromLocalFile(path)});

    // No to the question: nothing written; the dialog closes anyway.
    QFile::remove(path);
    messages.clear();
    messages.answerNext(MessageAnswer::No);
    {
        TfrmCreaRTF d(recipes::screenValues(w), w);
        d.lblMemory->setText(QStringLiteral("ricette"));
        d.show();
        clickButton(&d, "btnStampa");
        QVERIFY(!d.isVisible());
    }
    QVERIFY(!QFile::exists(path));
    // The file cannot be written: the failure message, nothing opened.
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Scheda_Ricetta.rtf")));
    messages.clear();
    {
        TfrmCreaRTF d(recipes::screenValues(w), w);
        d.lblMemory->setText(QStringLiteral("ricette"));
        d.show();
        clickButton(&d, "btnStampa");
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(messages.texts(), QStringList({texts::rtfQuestion, texts::rtfFailure}));
    QCOMPARE(messages.shown[1].kind, MessageKind::Plain);
    QCOMPARE(catcher.opened.size(), 1);
}

QTEST_MAIN(TestRecipeDialogs)
#include "tst_recipedialogs.moc"
