// Every file the program writes, on a disk that fills up: each write gives the failure message it
// documents and no success message, and every file of the program folder stays as it was, byte
// for byte, with no temporary file left behind. A file size limit stands in for the full disk.
#include "ArchiveTexts.h"
#include "TestSupport.h"

#include "archive/ArchiveWindow.h"
#include "archive/IniFile.h"
#include "archive/RecordFile.h"
#include "customers/CustomerRecord.h"
#include "menus/MenuRecord.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteRecord.h"
#include "recipes/RecipeRecord.h"
#include "reservations/ReservationRecord.h"
#include "shell/Clock.h"
#include "shell/Crypt.h"
#include "shell/ProgramFolder.h"
#include "shell/WindowSet.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <functional>

using brisvola::MessageAnswer;

// The texts the user reads, as documented.
namespace texts {
const QString reservationSaved = QStringLiteral("La scheda corrente è stata salvata in archivio.");
const QString pdfDone =
    QStringLiteral("L'esportazione della scheda in PDF è terminata con successo.\r\n\r\n"
                   "Si vuole aprire il file?");
const QString quotePdfFailure =
    QStringLiteral("Attenzione: il sistema non permette di creare il file PDF.\n\r\n\r"
                   "Accertarsi che il file Preventivo.pdf non sia già aperto e di possedere i "
                   "privilegi di scrittura nella cartella di installazione del programma.");
const QString customerPdfFailure = QStringLiteral(
    "Attenzione: il sistema non permette di creare il file PDF.\r\n\r\nAccertarsi che il file "
    "Clienti.pdf non sia già aperto in un altro programma e di possedere i privilegi di scrittura "
    "nella cartella di installazione del programma.");
const QString rtfQuestion = QStringLiteral(
    "Questa procedura esporterà la scheda corrente in un documento in formato RTF.\r\n\r\n"
    "Si conferma la creazione del file?");
const QString rtfDone = QStringLiteral("Il file RTF è stato creato con successo.\r\n\r\n"
                                       "Si vuole aprire il documento?");
const QString rtfFailure =
    QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                   "Accertarsi che il documento non sia già aperto.");
const QString settingsNotWritten = QStringLiteral(
    "Attenzione: non è stato possibile salvare le impostazioni nel file Numerazione.ini.\r\n\r\n"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
    "programma.");
const QString logoNotWritten = QStringLiteral(
    "Attenzione: non è stato possibile salvare il logo nel file Logo.bmp.\r\n\r\nAccertarsi di "
    "possedere i privilegi di scrittura nella cartella di installazione del programma.");
const QString passwordChanged = QStringLiteral("Modifica della password completata con successo.");
const QString passwordChangeFailed = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. Si "
    "consiglia di reinstallare il software.");
} // namespace texts

namespace {

template <class T = QWidget> T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

void set(QWidget *w, const char *name, const QString &text)
{
    ArchiveWindow::setFieldText(child(w, name), text);
}

QString position(QWidget *w)
{
    return child<QLabel>(w, "lblPosizione")->text();
}

// The program's windows over a fresh program folder, with a plain widget as the launcher.
struct Program
{
    TempProgramFolder folder;
    MessageRecorder messages;

    Program()
    {
        brisvola::setNow(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
        brisvola::registerAppWindows();
        brisvola::registerWindow(QStringLiteral("TfrmAvvio"), [] { return new QWidget; });
    }
    ~Program()
    {
        brisvola::destroyWindows();
        brisvola::setNow(QDateTime());
    }
};

// Shows a window the way its app opens it: the quotes and the reservations on the year 2024.
void show(QWidget *w)
{
    if (auto *quotes = qobject_cast<TfrmPreventivi *>(w))
        quotes->lblFile->setText(quotes::quoteArchivePath(QStringLiteral("2024")));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QApplication::setActiveWindow(w);
    if (w->objectName() == QLatin1String("TfrmPrenotazioni")) {
        set(w, "txtAnno", QStringLiteral("2024"));
        clickButton(w, "btnApri");
    }
}

// An archive app: its window, its archive and what a card needs to pass the save checks.
struct App
{
    const char *window;
    QString archive; // in the program folder
    const RecordLayout &(*layout)();
    const char *nameControl; // the control that names the card, and its field
    const char *nameField;
    QList<std::pair<const char *, QString>> required; // the other controls the checks need
    QString inserted;
    QString exportFile;
};

const QList<App> &apps()
{
    static const QList<App> list = {
        {"TfrmRicette",
         QStringLiteral("Ricettario.pro"),
         recipes::recipeLayout,
         "txtNome",
         "Nome",
         {{"txtPortata", QStringLiteral("Primo piatto")},
          {"txtDescrizione", QStringLiteral("Pasta fresca al ragù")}},
         texts::inserted,
         QStringLiteral("Ricettario.xls")},
        {"TfrmPreventivi",
         QStringLiteral("2024.pre"),
         quotes::quoteLayout,
         "txtCliente",
         "Cliente",
         {{"txtNumFatt", QStringLiteral("7")}, {"txtData", QStringLiteral("05/03/2024")}},
         texts::inserted,
         QStringLiteral("Preventivi.xls")},
        {"TfrmMenu",
         QStringLiteral("Menu.pro"),
         menus::menuLayout,
         "txtTitolo",
         "Titolo",
         {},
         texts::inserted,
         QStringLiteral("Menu.xls")},
        {"TfrmPrenotazioni",
         QStringLiteral("2024.tav"),
         reservations::reservationLayout,
         "txtCliente",
         "Cliente",
         {{"txtGiornoRit", QStringLiteral("15")},
          {"txtMeseRit", QStringLiteral("Marzo")},
          {"txtOreRit", QStringLiteral("20")},
          {"txtMinutiRit", QStringLiteral("30")},
          {"txtRecapito", QStringLiteral("333 1234567")}},
         texts::reservationSaved,
         QStringLiteral("Prenotazioni_Tavoli.xls")},
        {"TfrmFornitori",
         QStringLiteral("Clienti.pro"),
         customers::customerLayout,
         "txtDitta",
         "Ditta",
         {},
         texts::inserted,
         QStringLiteral("Clienti.xls")},
    };
    return list;
}

void fill(QWidget *w, const App &app, const QString &name)
{
    set(w, app.nameControl, name);
    for (const auto &[control, value] : app.required)
        set(w, control, value);
}

// New, a card filled in and Save, through the window.
void fileCard(QWidget *w, const App &app, const QString &name)
{
    clickButton(w, "cmdNuovo");
    fill(w, app, name);
    clickButton(w, "cmdSalva");
}

// A write that replaces a whole file: done once with room on the disk, then again when the disk
// has room for what the folder holds and no more.
struct Writer
{
    QString name;
    const char *window;
    QString file; // what it replaces, in the program folder
    // Before each write, with room on the disk (round 0, then 1): what makes the second write
    // longer than the first.
    std::function<void(QWidget *, int round)> prepare;
    // The write, answering the questions it asks; full tells that the disk is full.
    std::function<void(Program &, QWidget *, bool full)> write;
    QStringList written; // the messages of the write with room
    QStringList failed;  // the messages on the full disk
};

QList<Writer> writers()
{
    QList<Writer> list;
    for (const App &app : apps()) {
        // The export of the archive, through the app's export dialog.
        list.append({QStringLiteral("export ") + app.exportFile,
                     app.window,
                     app.exportFile,
                     [&app](QWidget *w, int round) {
                         fileCard(w, app,
                                  round == 0 ? QStringLiteral("Prima") : QStringLiteral("Seconda"));
                     },
                     [](Program &p, QWidget *w, bool full) {
                         const auto exporting =
                             onNextModal([](QWidget *d) { clickButton(d, "cmdEsporta"); });
                         p.messages.answerNext(MessageAnswer::Yes); // export
                         if (!full)
                             p.messages.answerNext(MessageAnswer::No); // do not open the file
                         clickButton(w, "cmdEsporta");
                     },
                     {texts::exportQuestion, texts::exportDone},
                     {texts::exportQuestion, texts::exportFailure}});
    }
    list.append({QStringLiteral("quote PDF"),
                 "TfrmPreventivi",
                 QStringLiteral("Preventivo.pdf"),
                 [](QWidget *w, int round) {
                     set(w, round == 0 ? "txtCliente" : "txtNote",
                         QStringLiteral("Tavolo degli sposi vicino alla finestra"));
                 },
                 [](Program &p, QWidget *w, bool full) {
                     const auto pdf = onNextModal([](QWidget *d) { clickButton(d, "btnStampa"); });
                     if (!full)
                         p.messages.answerNext(MessageAnswer::No); // do not open the file
                     clickButton(w, "cmdPDF");
                 },
                 {texts::pdfDone},
                 {texts::quotePdfFailure}});
    list.append({QStringLiteral("customer card PDF"),
                 "TfrmFornitori",
                 QStringLiteral("Clienti.pdf"),
                 [](QWidget *w, int round) {
                     set(w, round == 0 ? "txtDitta" : "txtNote",
                         QStringLiteral("Rossi Mario, tavolo vicino alla finestra"));
                 },
                 [](Program &p, QWidget *w, bool full) {
                     if (!full)
                         p.messages.answerNext(MessageAnswer::No); // do not open the file
                     clickButton(w, "cmdPDF");
                 },
                 {texts::pdfDone},
                 {texts::customerPdfFailure}});
    list.append({QStringLiteral("recipe card RTF"),
                 "TfrmRicette",
                 QStringLiteral("Scheda_Ricetta.rtf"),
                 [](QWidget *w, int round) {
                     set(w, round == 0 ? "txtNome" : "txtIngredienti",
                         QStringLiteral("Crema pasticcera\nlatte, uova, zucchero"));
                 },
                 [](Program &p, QWidget *w, bool full) {
                     const auto rtf = onNextModal([](QWidget *d) { clickButton(d, "btnStampa"); });
                     p.messages.answerNext(MessageAnswer::Yes); // create the file
                     if (!full)
                         p.messages.answerNext(MessageAnswer::No); // do not open it
                     clickButton(w, "cmdWord");
                 },
                 {texts::rtfQuestion, texts::rtfDone},
                 {texts::rtfQuestion, texts::rtfFailure}});
    list.append({QStringLiteral("quote numbering"),
                 "TfrmPreventivi",
                 QStringLiteral("Numerazione.ini"),
                 [](QWidget *, int) {},
                 [](Program &, QWidget *w, bool full) {
                     const auto numbering = onNextModal([full](QWidget *d) {
                         set(d, "txtInizio", full ? QStringLiteral("12345") : QStringLiteral("5"));
                         clickButton(d, "btnApplica");
                     });
                     clickButton(w, "cmdNumerazione");
                 },
                 {},
                 {texts::settingsNotWritten}});
    list.append({QStringLiteral("issuer data on closing the quotes"),
                 "TfrmPreventivi",
                 QStringLiteral("Numerazione.ini"),
                 [](QWidget *w, int round) {
                     if (round > 0)
                         show(w); // closed by the first write
                     set(w, "txtDitta",
                         round == 0 ? QStringLiteral("Trattoria")
                                    : QStringLiteral("Trattoria da Gino e figli"));
                 },
                 [](Program &, QWidget *w, bool) { clickButton(w, "cmdEsci"); },
                 {},
                 {texts::settingsNotWritten}});
    list.append({QStringLiteral("quote logo"),
                 "TfrmPreventivi",
                 QStringLiteral("Logo.bmp"),
                 [](QWidget *, int) {},
                 [](Program &, QWidget *w, bool full) {
                     // No logo (a tiny picture) first, then the default one (a large picture).
                     const auto logo = onNextModal([full](QWidget *d) {
                         clickButton(d, full ? "imgEuro" : "btnCancLogo");
                         clickButton(d, "btnApplica");
                     });
                     clickButton(w, "btnLogo");
                 },
                 {},
                 {texts::logoNotWritten}});
    list.append({QStringLiteral("password change"),
                 "TfrmCambiaPassword",
                 QStringLiteral("unins000.dll"),
                 [](QWidget *w, int round) {
                     if (round == 0) {
                         IniFile store(brisvola::programFile(QStringLiteral("unins000.dll")));
                         store.setValue(QStringLiteral("Accesso"), QStringLiteral("Valore"),
                                        Crypt::Scramble(QStringLiteral("BENVENUTI")));
                         QVERIFY(store.save());
                     } else {
                         show(w); // closed by the first change
                     }
                     const QString old =
                         round == 0 ? QStringLiteral("benvenuti") : QStringLiteral("tavola");
                     const QString fresh = round == 0 ? QStringLiteral("tavola")
                                                      : QStringLiteral("tavolaapparecchiata");
                     set(w, "txtPasswordOld", old);
                     set(w, "txtPasswordNew", fresh);
                     set(w, "txtConferma", fresh);
                 },
                 [](Program &, QWidget *w, bool) { clickButton(w, "cmdOK"); },
                 {texts::passwordChanged},
                 {texts::passwordChangeFailed}});
    return list;
}

} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT
private slots:
    void saveAppendsNothing_data();
    void saveAppendsNothing();
    void replacingAFileKeepsTheOld_data();
    void replacingAFileKeepsTheOld();
};

void TestFullDisk::saveAppendsNothing_data()
{
    QTest::addColumn<int>("app");
    for (int i = 0; i < apps().size(); ++i)
        QTest::newRow(apps()[i].window) << i;
}

void TestFullDisk::saveAppendsNothing()
{
    // The archive has no room for one more record: Save tells the archive failure and nothing
    // else, the card stays on screen unsaved; with room again the same card goes in.
    QFETCH(int, app);
    const App &a = apps()[app];
    Program p;
    QWidget *w = brisvola::window(QLatin1String(a.window));
    show(w);
    fill(w, a, QStringLiteral("Prima scheda"));
    clickButton(w, "cmdSalva");
    QCOMPARE(p.messages.texts(), QStringList{a.inserted});
    clickButton(w, "cmdNuovo");
    fill(w, a, QStringLiteral("Seconda scheda"));
    p.messages.clear();

    const QString archive = p.folder.file(a.archive);
    const FolderSnapshot before(p.folder.path());
    {
        DiskFull disk(QFileInfo(archive).size() + a.layout().recordSize() - 1);
        QVERIFY(disk.active());
        clickButton(w, "cmdSalva");
    }
    QCOMPARE(p.messages.texts(), QStringList{texts::archiveAccess});
    QVERIFY(position(w).isEmpty());
    const QByteArray changes = before.changes();
    QVERIFY2(changes.isEmpty(), changes.constData());

    p.messages.clear();
    clickButton(w, "cmdSalva");
    QCOMPARE(p.messages.texts(), QStringList{a.inserted});
    QCOMPARE(position(w), QStringLiteral("2"));
    const RecordFile file(archive, a.layout());
    QCOMPARE(file.count(), 2);
    QCOMPARE(file.read(2).text(a.nameField), QStringLiteral("Seconda scheda"));
}

void TestFullDisk::replacingAFileKeepsTheOld_data()
{
    QTest::addColumn<int>("writer");
    const QList<Writer> list = writers();
    for (int i = 0; i < list.size(); ++i)
        QTest::newRow(qPrintable(list[i].name)) << i;
}

void TestFullDisk::replacingAFileKeepsTheOld()
{
    // The disk has room for what the folder holds and nothing more: the new file cannot be
    // written, its failure is told and no success, and the old file is still there, whole.
    QFETCH(int, writer);
    const Writer wr = writers()[writer];
    Program p;
    QWidget *w = brisvola::window(QLatin1String(wr.window));
    show(w);
    wr.prepare(w, 0);
    p.messages.clear();
    wr.write(p, w, false);
    QCOMPARE(p.messages.texts(), wr.written);
    const QString path = p.folder.file(wr.file);
    QVERIFY(QFileInfo(path).isFile());

    wr.prepare(w, 1);
    p.messages.clear();
    const FolderSnapshot before(p.folder.path());
    {
        DiskFull disk(QFileInfo(path).size());
        QVERIFY(disk.active());
        wr.write(p, w, true);
    }
    QCOMPARE(p.messages.texts(), wr.failed);
    const QByteArray changes = before.changes();
    QVERIFY2(changes.isEmpty(), changes.constData());
}

QTEST_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
