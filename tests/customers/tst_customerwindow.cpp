#include "archive/AllegaCartella.h"
#include "archive/ArchiveWindow.h"
#include "archive/RecordFile.h"
#include "customers/CustomerRecord.h"
#include "customers/ExpFornitori.h"
#include "customers/Fornitori.h"
#include "customers/TrovaFornitori.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteRecord.h"
#include "shell/Avvio.h"
#include "shell/Clock.h"
#include "shell/Picture.h"
#include "shell/WindowSet.h"

#include "ReportRecorder.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

// The texts the user reads, as documented.
namespace texts {
const QString caption = QStringLiteral(" Brisvola - Clienti abituali");
const QString nameRequired =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del Cliente.");
const QString inserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString updated =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString duplicated =
    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                   "Al termine premere Salva per inserire la scheda in archivio.");
const QString pdfDone =
    QStringLiteral("L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole "
                   "aprire il file?");
const QString pdfFailure = QStringLiteral(
    "Attenzione: il sistema non permette di creare il file PDF.\r\n\r\nAccertarsi che il file "
    "Clienti.pdf non sia già aperto in un altro programma e di possedere i privilegi di scrittura "
    "nella cartella di installazione del programma.");
const QString findCount = QStringLiteral("Il presente riepilogo contiene 2 schede.");
} // namespace texts

using brisvola::MessageAnswer;
using brisvola::MessageKind;

namespace {

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The program's windows, the customer window shown and active, the launcher standing by.
struct Fixture
{
    TempProgramFolder folder;
    MessageRecorder messages;
    TfrmFornitori *w = nullptr;

    Fixture()
    {
        brisvola::setNow(QDateTime(QDate(2026, 12, 10), QTime(9, 30, 15)));
        brisvola::registerWindow(QStringLiteral("TfrmAvvio"), [] { return new QWidget; });
        brisvola::registerAppWindows();
        w = brisvola::window<TfrmFornitori>(QStringLiteral("TfrmFornitori"));
        w->show();
        if (QTest::qWaitForWindowExposed(w))
            QApplication::setActiveWindow(w);
    }
    ~Fixture()
    {
        brisvola::destroyWindows();
        brisvola::setNow(QDateTime());
    }
    template <class T = QWidget> T *get(const char *name) const
    {
        T *c = w->findChild<T *>(QLatin1String(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }
    QLineEdit *edit(const char *name) const { return get<QLineEdit>(name); }
    void click(const char *name) const
    {
        QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton);
    }
    QString position() const { return get<QLabel>("lblPosizione")->text(); }
    qint64 count() const
    {
        return RecordFile(customers::archivePath(), customers::customerLayout()).count();
    }
    Record stored(qint64 p) const
    {
        return RecordFile(customers::archivePath(), customers::customerLayout()).read(p);
    }
    // Files a customer through the window and leaves it on screen.
    void file(const QString &name, const QString &town, bool recontact = false,
              const QString &issues = {})
    {
        click("cmdNuovo");
        edit("txtDitta")->setText(name);
        edit("txtComuneRes")->setText(town);
        edit("txtQuestioni")->setText(issues);
        get<QCheckBox>("chkRicontatta")->setChecked(recontact);
        click("cmdSalva");
    }
};

} // namespace

class TestCustomerWindow : public QObject
{
    Q_OBJECT
private slots:
    void windowAndChain();
    void inputRules();
    void saveAndNavigate();
    void duplicateKeepsFlagDropsAttachments();
    void attachments();
    void mailAndChecks();
    void cardRows();
    void cardPdf();
    void cardPdfCannotBeWritten();
    void findByTwoCriteria();
    void identicalLinesBringTheOneClicked();
    void unwritableArchive();
    void recontactList();
    void pickIntoQuote();
    void exportFile();
    void launcherAndHelp();
};

void TestCustomerWindow::windowAndChain()
{
    Fixture f;
    QCOMPARE(f.w->windowTitle(), texts::caption);
    // Twelve commands in a column: each below the one before, all at one left edge.
    const char *column[] = {"cmdNuovo",      "cmdDuplica",   "cmdFile",   "cmdSalva",
                            "cmdTrova",      "cmdAnteprima", "cmdStampa", "cmdPDF",
                            "cmdRicontatta", "cmdEsporta",   "cmdGuida",  "cmdEsci"};
    int top = -1;
    const int left = f.get(column[0])->mapTo(f.w, QPoint()).x();
    for (const char *name : column) {
        const QPoint at = f.get(name)->mapTo(f.w, QPoint());
        QVERIFY2(at.y() > top, name);
        QCOMPARE(at.x(), left);
        top = at.y();
    }
    QVERIFY(left > f.edit("txtTitolare")->mapTo(f.w, QPoint()).x());
    QCOMPARE(f.edit("txtDitta")->maxLength(), 50);
    QCOMPARE(f.edit("txtTitolare")->maxLength(), 120);
    QCOMPARE(f.edit("txtCapRes")->maxLength(), 5);
    QCOMPARE(f.edit("txtIban")->maxLength(), 27);
    QCOMPARE(f.get<QComboBox>("txtProvRes")->count(), 112);
    QCOMPARE(f.get<QCheckBox>("chkRicontatta")->text(), QStringLiteral("Da ricontattare"));

    // Enter runs along the card and from the notes back to the name; the focus rectangle follows.
    const char *chain[] = {"txtDitta",      "txtTitolare",  "txtRecapito", "txtIndirizzoRes",
                           "txtProvRes",    "txtComuneRes", "txtCapRes",   "txtPagamento",
                           "txtTelCasa",    "txtTelUff",    "txtTelCel",   "txtFax",
                           "txtEmail",      "txtCodFisc",   "txtCarta",    "txtScadeCarta",
                           "txtPartitaIva", "txtIban",      "txtArticoli", "txtOfferte",
                           "txtOrdine",     "txtQuestioni", "txtNote",     "txtDitta"};
    f.edit("txtDitta")->setFocus();
    for (int i = 0; i + 1 < int(std::size(chain)); ++i) {
        QWidget *from = f.get(chain[i]);
        QCOMPARE(QApplication::focusWidget() == from ||
                     QApplication::focusWidget()->parentWidget() == from,
                 true);
        QVERIFY2(
            f.get(
                 QStringLiteral("eff%1").arg(QLatin1String(chain[i]).mid(3)).toLatin1().constData())
                ->isVisible(),
            chain[i]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(QApplication::focusWidget(), f.get("txtDitta"));
    QVERIFY(!f.get("effNote")->isVisible());
    // Tab takes the check box between the pending issues and the notes; Enter does not.
    f.edit("txtQuestioni")->setFocus();
    QTest::keyClick(f.edit("txtQuestioni"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.get("chkRicontatta"));
    QTest::keyClick(f.get("chkRicontatta"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.get("txtNote"));

    // Hints, as the pointer enters each control (the column lies beyond the test screen's width,
    // where the test cursor cannot go).
    const std::pair<const char *, const char *> hints[] = {
        {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
        {"cmdRicontatta", "Visualizza l'elenco dei Clienti da ricontattare."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"chkRicontatta", "Annota che il Cliente è da ricontattare per questioni in sospeso."},
        {"btnIban", "Controlla l'IBAN."},
    };
    for (const auto &[name, hint] : hints) {
        QWidget *control = f.get(name);
        QEnterEvent enter(QPointF(2, 2), control->mapTo(f.w, QPointF(2, 2)),
                          control->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(control, &enter);
        QCOMPARE(f.get<QLabel>("panInfo")->text(), QString::fromUtf8(hint));
    }
}

void TestCustomerWindow::inputRules()
{
    Fixture f;
    auto *province = f.get<QComboBox>("txtProvRes");
    province->setFocus();
    QTest::keyClicks(province->lineEdit(), QStringLiteral("rm"));
    QCOMPARE(province->currentText(), QStringLiteral("RM"));
    province->setCurrentIndex(3);
    f.edit("txtDitta")->setFocus();
    province->setFocus(); // taking the focus drops the list selection, not the text
    QCOMPARE(province->currentIndex(), -1);
    QCOMPARE(province->currentText(), QStringLiteral("AO"));
    province->lineEdit()->clear();
    QTest::keyClicks(province->lineEdit(), QStringLiteral("ab"));
    QCOMPARE(province->currentText(), QStringLiteral("AB"));

    QTest::keyClicks(f.edit("txtCarta"), QStringLiteral("41a1 x"));
    QCOMPARE(f.edit("txtCarta")->text(), QStringLiteral("411"));
    QTest::keyClicks(f.edit("txtPartitaIva"), QStringLiteral("0z1"));
    QCOMPARE(f.edit("txtPartitaIva")->text(), QStringLiteral("01"));
    QTest::keyClicks(f.edit("txtEmail"), QStringLiteral("a@b.it "));
    QCOMPARE(f.edit("txtEmail")->text(), QStringLiteral("a@b.it"));
    // Trimmed after every key: a blank typed at the end goes at once.
    QTest::keyClicks(f.edit("txtCodFisc"), QStringLiteral("rss mra"));
    QCOMPARE(f.edit("txtCodFisc")->text(), QStringLiteral("RSSMRA"));
    QTest::keyClicks(f.edit("txtIban"), QStringLiteral("it60x"));
    QCOMPARE(f.edit("txtIban")->text(), QStringLiteral("IT60X"));
    QTest::keyClicks(f.edit("txtRecapito"), QStringLiteral("casa "));
    QCOMPARE(f.edit("txtRecapito")->text(), QStringLiteral("casa "));

    // A province off the list is filed as shown.
    f.edit("txtDitta")->setText(QStringLiteral("Rossi Mario"));
    f.click("cmdSalva");
    QCOMPARE(f.stored(1).text("ProvRes"), QStringLiteral("AB"));
    QCOMPARE(f.stored(1).text("Carta"), QStringLiteral("411"));
}

void TestCustomerWindow::saveAndNavigate()
{
    Fixture f;
    // A name of blanks only: the warning, the focus on the name, nothing filed.
    f.edit("txtDitta")->setText(QStringLiteral("   "));
    f.edit("txtNote")->setFocus();
    f.click("cmdSalva");
    QCOMPARE(f.messages.texts(), QStringList{texts::nameRequired});
    QCOMPARE(f.messages.shown[0].kind, MessageKind::Warning);
    QCOMPARE(QApplication::focusWidget(), f.get("txtDitta"));
    QCOMPARE(f.count(), 0);

    f.messages.clear();
    f.file(QStringLiteral("  Rossi Mario "), QStringLiteral("Roma"), true);
    QCOMPARE(f.messages.texts(), QStringList{texts::inserted});
    QCOMPARE(f.position(), QStringLiteral("1"));
    QCOMPARE(f.stored(1).text("Ditta"), QStringLiteral("Rossi Mario"));
    QCOMPARE(f.stored(1).bytes().mid(2134, 3), QByteArray("\x02\x53\xEC", 3));
    f.file(QStringLiteral("Bianchi Anna"), QStringLiteral("Milano"));
    QCOMPARE(f.stored(2).bytes().mid(2134, 3), QByteArray("\x02\x4E\x6F", 3));

    f.click("cmdPrimo");
    QCOMPARE(f.edit("txtDitta")->text(), QStringLiteral("Rossi Mario"));
    QVERIFY(f.get<QCheckBox>("chkRicontatta")->isChecked());
    f.edit("txtNote")->setText(QStringLiteral("€ à è ì ò ù"));
    f.messages.clear();
    f.click("cmdSalva");
    QCOMPARE(f.messages.texts(), QStringList{texts::updated});
    QCOMPARE(f.count(), 2);
    f.click("cmdUltimo");
    QCOMPARE(f.position(), QStringLiteral("2"));
    QVERIFY(!f.get<QCheckBox>("chkRicontatta")->isChecked());
    f.click("cmdIndietro");
    QCOMPARE(f.edit("txtNote")->text(), QStringLiteral("€ à è ì ò ù"));

    // New empties everything, the province's list selection too.
    f.get<QComboBox>("txtProvRes")->setCurrentIndex(5);
    f.click("cmdNuovo");
    QCOMPARE(f.position(), QString());
    QCOMPARE(f.edit("txtNote")->text(), QString());
    QCOMPARE(f.get<QComboBox>("txtProvRes")->currentIndex(), -1);
    QCOMPARE(f.get<QComboBox>("txtProvRes")->currentText(), QString());
    QVERIFY(!f.get<QCheckBox>("chkRicontatta")->isChecked());
}

void TestCustomerWindow::duplicateKeepsFlagDropsAttachments()
{
    Fixture f;
    f.click("cmdDuplica"); // a card never filed cannot be duplicated
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.count(), 0);
    f.click("cmdNuovo");
    f.edit("txtDitta")->setText(QStringLiteral("Verdi Luca"));
    f.get<QCheckBox>("chkRicontatta")->setChecked(true);
    f.get<QLabel>("lblFile01")->setText(QStringLiteral("documento.pdf"));
    f.get<QLabel>("lblDesc01")->setText(QStringLiteral("Carta d'identità"));
    f.click("cmdSalva");
    f.messages.clear();
    f.click("cmdDuplica");
    QCOMPARE(f.messages.texts(), QStringList{texts::duplicated});
    QCOMPARE(f.position(), QString());
    QVERIFY(f.get<QCheckBox>("chkRicontatta")->isChecked());
    QCOMPARE(f.edit("txtDitta")->text(), QStringLiteral("Verdi Luca"));
    QCOMPARE(f.get<QLabel>("lblFile01")->text(), QString());
    QCOMPARE(f.get<QLabel>("lblDesc01")->text(), QString());
    f.click("cmdSalva");
    QCOMPARE(f.count(), 2);
    QCOMPARE(f.stored(2).text("Ricontatta"), QStringLiteral("Sì"));
    QCOMPARE(f.stored(2).text("File01"), QString());
    QCOMPARE(f.stored(1).text("File01"), QStringLiteral("documento.pdf"));
}

void TestCustomerWindow::attachments()
{
    Fixture f;
    f.get<QLabel>("lblFile03")->setText(QStringLiteral(" contratto.pdf "));
    f.get<QLabel>("lblDesc03")->setText(QStringLiteral("Contratto"));
    const auto dialog = onNextModal([](QWidget *w) {
        auto *d = qobject_cast<TfrmAllegaCartella *>(w);
        QVERIFY(d);
        QCOMPARE(d->lblMemory->text(), QStringLiteral("fornitori"));
        QCOMPARE(d->findChild<QLineEdit *>(QStringLiteral("txtFile03"))->text(),
                 QStringLiteral("contratto.pdf"));
        d->findChild<QLineEdit *>(QStringLiteral("txtDesc01"))->setText(QStringLiteral("Menù"));
        QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("btnApplica")),
                          Qt::LeftButton);
    });
    f.click("cmdFile");
    QCOMPARE(f.get<QLabel>("lblDesc01")->text(), QStringLiteral("Menù"));
    QCOMPARE(f.get<QLabel>("lblFile03")->text(), QStringLiteral("contratto.pdf"));
    f.edit("txtDitta")->setText(QStringLiteral("Neri Paola"));
    f.click("cmdSalva");
    const Record r = f.stored(1);
    QCOMPARE(r.text("Desc01"), QStringLiteral("Menù"));
    QCOMPARE(r.text("File03"), QStringLiteral("contratto.pdf"));
    QCOMPARE(r.text("Desc03"), QStringLiteral("Contratto"));
}

void TestCustomerWindow::mailAndChecks()
{
    Fixture f;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
    f.edit("txtEmail")->setText(QStringLiteral("mario.rossi@example.it"));
    f.click("btnEmail"); // a card not filed: the mail program opens all the same
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QCOMPARE(catcher.opened.size(), 1);
    QCOMPARE(catcher.opened[0].toString(), QStringLiteral("mailto:mario.rossi@example.it"));

    // Each check button opens its check with its field's value, trimmed; a tax code of digits
    // opens the partita IVA check.
    const std::tuple<const char *, const char *, QString, const char *, const char *> cases[] = {
        {"btnCodFisc", "txtCodFisc", QStringLiteral(" 01234567890 "), "TfrmPartitaIva",
         "txtPartitaIva"},
        {"btnCodFisc", "txtCodFisc", QString(), "TfrmCodFisc", "txtCodFisc"},
        {"btnPartitaIva", "txtPartitaIva", QStringLiteral("07643520567"), "TfrmPartitaIva",
         "txtPartitaIva"},
        {"btnCarta", "txtCarta", QStringLiteral("4111111111111111"), "TfrmCarta", "txtNumero"},
        {"btnIban", "txtIban", QStringLiteral("IT60X0542811101000000123456"), "TfrmIban",
         "txtIban"},
    };
    for (const auto &[button, field, value, tool, toolField] : cases) {
        f.edit(field)->setText(value);
        QString seenTool, seenValue;
        {
            const auto check = onNextModal([&](QWidget *w) {
                seenTool = w->objectName();
                if (auto *e = w->findChild<QLineEdit *>(QLatin1String(toolField)))
                    seenValue = e->text();
                w->close();
            });
            f.click(button);
        }
        QCOMPARE(seenTool, QLatin1String(tool));
        QCOMPARE(seenValue, value.trimmed());
    }
}

void TestCustomerWindow::cardRows()
{
    Fixture f;
    ReportRecorder recorder;
    f.click("cmdNuovo");
    f.click("cmdAnteprima");
    QCOMPARE(recorder.outputs.size(), 1);
    QVERIFY(recorder.outputs[0].preview);
    const QStringList empty = recorder.outputs[0].lines();
    QVERIFY2(empty.contains(QStringLiteral("SCHEDA ANAGRAFICA CLIENTE")),
             qPrintable(empty.join('\n')));
    // The 24 labels in their order, the empty values left out, the flag row reading "No".
    const QStringList labels = {"Cognome e nome:",
                                "Denominazione Ditta:",
                                "Recapito preferenziale:",
                                "Indirizzo:",
                                "Città:",
                                "Provincia:",
                                "CAP:",
                                "Modalità pagamento:",
                                "Tel. casa:",
                                "Tel. ufficio:",
                                "Tel. cellulare:",
                                "PEC:",
                                "E-mail:",
                                "Codice fiscale:",
                                "Partita IVA:",
                                "Carta di credito n.",
                                "Scadenza carta di credito:",
                                "IBAN:",
                                "Segnalazioni del cliente:",
                                "Intolleranze alimentari:",
                                "Preferenze:",
                                "Questioni in sospeso:",
                                "Da ricontattare:",
                                "Note:"};
    QStringList shown = empty;
    shown.removeAll(QString());
    QCOMPARE(shown.mid(1, 22), labels.mid(0, 22));
    // A label and its value share a line: the engine may list either first.
    QStringList flagRow = shown.mid(23, 2);
    flagRow.sort();
    QCOMPARE(flagRow, (QStringList{"Da ricontattare:", "No"}));
    QCOMPARE(shown.value(25), QStringLiteral("Note:"));
    QCOMPARE(shown.size(), 27);
    QVERIFY(empty.contains(QStringLiteral("Stampa eseguita in data 10/12/2026 alle ore 09:30:15")));

    f.edit("txtDitta")->setText(QStringLiteral("Rossi Mario"));
    f.edit("txtIndirizzoRes")->setText(QStringLiteral(" Via Roma 1 "));
    f.edit("txtPartitaIva")->setText(QStringLiteral("01234567890"));
    f.edit("txtCarta")->setText(QStringLiteral("4111"));
    f.get<QCheckBox>("chkRicontatta")->setChecked(true);
    f.click("cmdStampa");
    QCOMPARE(recorder.outputs.size(), 2);
    QVERIFY(!recorder.outputs[1].preview);
    const QString page = recorder.outputs[1].lines().join('|');
    // Each value is listed just before its label (the two share a line).
    QVERIFY2(page.contains(QStringLiteral("Via Roma 1|Indirizzo:")), qPrintable(page));
    QVERIFY(page.contains(QStringLiteral("Sì|Da ricontattare:")));
    // The VAT number comes before the card number, the address before the town.
    QVERIFY(page.indexOf(QStringLiteral("Partita IVA:")) <
            page.indexOf(QStringLiteral("Carta di credito n.")));
    QVERIFY(page.indexOf(QStringLiteral("Indirizzo:")) < page.indexOf(QStringLiteral("Città:")));
    QCOMPARE(page.count(QRegularExpression(QStringLiteral(":\\|"))) >= 23, true);
}

void TestCustomerWindow::cardPdf()
{
    Fixture f;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    f.edit("txtDitta")->setText(QStringLiteral("Rossi Mario"));
    f.edit("txtComuneRes")->setText(QStringLiteral("Città di Castello"));
    f.edit("txtIban")->setText(QStringLiteral("IT60X0542811101000000123456"));
    f.edit("txtNote")->setText(QStringLiteral("Tavolo vicino alla finestra €"));
    f.messages.answerNext(MessageAnswer::No);
    f.click("cmdPDF");
    QCOMPARE(f.messages.texts(), QStringList{texts::pdfDone});
    QCOMPARE(f.messages.shown[0].kind, MessageKind::Question);
    QVERIFY(catcher.opened.isEmpty());
    // Again, answering Yes: the file is replaced without a question and opened.
    f.edit("txtDitta")->setText(QStringLiteral("Rossi Maria"));
    f.messages.clear();
    f.click("cmdPDF");
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(f.messages.texts(), QStringList{texts::pdfDone});
    const QString path = f.folder.file(QStringLiteral("Clienti.pdf"));
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl::fromLocalFile(path)});

    if (const QString keep = qEnvironmentVariable("BRISVOLA_KEEP_PDF"); !keep.isEmpty()) {
        QFile::remove(keep);
        QFile::copy(path, keep);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY2(!bytes.contains("/FlateDecode"), "a compressed stream");
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(
        info.contains(QRegularExpression(QStringLiteral("(?m)^Title:\\s+Scheda informativa$"))),
        qPrintable(info));
    QVERIFY(
        info.contains(QRegularExpression(QStringLiteral("(?m)^Subject:\\s+Scheda informativa$"))));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("(?m)^Pages:\\s+1$"))));
    const QString flat =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
            .simplified();
    for (const char *expected :
         {"SCHEDA ANAGRAFICA CLIENTE", "Cognome e nome: Rossi Maria", "Città: Città di Castello",
          "IBAN: IT60X0542811101000000123456", "Note: Tavolo vicino alla finestra €",
          "Da ricontattare: No", "Stampa eseguita in data 10/12/2026 alle ore 09:30:15"})
        QVERIFY2(flat.contains(QString::fromUtf8(expected)), expected);
    QVERIFY(!flat.contains(QStringLiteral("Rossi Mario")));
}

void TestCustomerWindow::cardPdfCannotBeWritten()
{
    Fixture f;
    const QString path = f.folder.file(QStringLiteral("Clienti.pdf"));
    // A folder in the file's place: nothing can replace it.
    QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("Clienti.pdf")));
    f.edit("txtDitta")->setText(QStringLiteral("Rossi Mario"));
    f.click("cmdPDF");
    QCOMPARE(f.messages.texts(), QStringList{texts::pdfFailure});
    QCOMPARE(f.messages.shown[0].kind, MessageKind::Warning);
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(QDir(f.folder.path()).rmdir(QStringLiteral("Clienti.pdf")));
    f.messages.clear();

    // A read-only program folder: the previous file stays whole.
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("previous card");
    }
    ReadOnlyPath guard(f.folder.path());
    if (guard.writable())
        QSKIP("the file system cannot make the folder read-only");
    f.click("cmdPDF");
    // The failure is told and no question follows; the previous file is whole.
    QCOMPARE(f.messages.texts(), QStringList{texts::pdfFailure});
    QCOMPARE(f.messages.shown[0].kind, MessageKind::Warning);
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("previous card"));
}

void TestCustomerWindow::findByTwoCriteria()
{
    Fixture f;
    f.file(QStringLiteral("Rossi Mario"), QStringLiteral("Roma"));
    f.file(QStringLiteral("Rossi Luigi"), QStringLiteral("Milano"));
    f.file(QStringLiteral("Bianchi Anna"), QStringLiteral("Roma"));
    f.file(QStringLiteral("ROSSI Carla"), QStringLiteral("ROMA"));
    f.click("cmdNuovo");
    QString count;
    QStringList lines;
    const auto find = onNextModal([&](QWidget *w) {
        auto *d = qobject_cast<TfrmTrovaFornitori *>(w);
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral(" Trova clienti abituali in archivio"));
        QCOMPARE(d->lblMemory->text(), QStringLiteral("fornitori"));
        d->criterion(QStringLiteral("txtDitta"))->setText(QStringLiteral("rossi"));
        d->criterion(QStringLiteral("txtComuneRes"))->setText(QStringLiteral("roma"));
        d->btnCercaClick();
        lines = recordLines(d);
        for (QLabel *l : d->findChildren<QLabel *>())
            if (l->text().startsWith(QStringLiteral("Il presente")))
                count = l->text();
        ReportRecorder reports;
        clickButton(d, "btnStampa");
        QCOMPARE(reports.outputs.size(), 1);
        QCOMPARE(reports.outputs[0].lines().value(0), QStringLiteral("Riepilogo clienti abituali"));
        // The second line, "Rossi Mario", comes back: the line clicked.
        doubleClickRow(d, 1);
    });
    f.click("cmdTrova");
    QCOMPARE(count, texts::findCount);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith(QStringLiteral("ROSSI Carla                     ")));
    QVERIFY(lines[1].startsWith(QStringLiteral("Rossi Mario ")));
    QCOMPARE(f.edit("txtDitta")->text(), QStringLiteral("Rossi Mario"));
    QCOMPARE(f.position(), QStringLiteral("1"));
}

void TestCustomerWindow::identicalLinesBringTheOneClicked()
{
    Fixture f;
    f.file(QStringLiteral("Rossi Mario"), QStringLiteral("Roma"));
    f.file(QStringLiteral("Rossi Mario"), QStringLiteral("Milano"));
    f.click("cmdNuovo");
    QStringList lines;
    const auto find = onNextModal([&](QWidget *w) {
        auto *d = qobject_cast<TfrmTrovaFornitori *>(w);
        QVERIFY(d);
        d->btnCercaClick();
        lines = recordLines(d);
        doubleClickRow(d, 0);
    });
    f.click("cmdTrova");
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], lines[1]);
    // The line clicked is the first in the file: that customer comes back, not the later one.
    QCOMPARE(f.position(), QStringLiteral("1"));
    QCOMPARE(f.edit("txtComuneRes")->text(), QStringLiteral("Roma"));
}

void TestCustomerWindow::unwritableArchive()
{
    Fixture f;
    f.file(QStringLiteral("Rossi Mario"), QStringLiteral("Roma"));
    const QByteArray before = [] {
        QFile file(customers::archivePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    ReadOnlyPath guard(customers::archivePath());
    if (guard.writable())
        QSKIP("the file system cannot make the archive read-only");
    f.edit("txtDitta")->setText(QStringLiteral("Rossi Mario Luigi"));
    f.messages.clear();
    f.click("cmdSalva");
    // The archive message, the card kept on screen, the file as it was.
    QCOMPARE(f.messages.texts(),
             QStringList{QStringLiteral(
                 "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                 "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                 "installazione del programma.")});
    QCOMPARE(f.edit("txtDitta")->text(), QStringLiteral("Rossi Mario Luigi"));
    QCOMPARE(f.position(), QStringLiteral("1"));
    QFile file(customers::archivePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestCustomerWindow::recontactList()
{
    Fixture f;
    f.file(QStringLiteral("Rossi Mario"), QStringLiteral("Roma"), true,
           QStringLiteral("conto da saldare"));
    f.file(QStringLiteral("Bianchi Anna"), QStringLiteral("Roma"));
    f.file(QStringLiteral("Verdi Luca"), QStringLiteral("Roma"), true,
           QStringLiteral("prenotazione da confermare"));
    const auto listed = [&f] {
        QStringList lines;
        const auto list = onNextModal([&](QWidget *w) {
            QCOMPARE(w->objectName(), QStringLiteral("TfrmRicontattaFor"));
            QCOMPARE(w->windowTitle(), QStringLiteral(" Riepilogo clienti da ricontattare"));
            lines = recordLines(w);
            ReportRecorder reports;
            clickButton(w, "btnStampa");
            QCOMPARE(reports.outputs.size(), 1);
            QCOMPARE(reports.outputs[0].lines().value(0),
                     QStringLiteral("Riepilogo clienti da ricontattare"));
            static_cast<QDialog *>(w)->reject();
        });
        f.click("cmdRicontatta");
        return lines;
    };
    QStringList lines = listed();
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith(QStringLiteral("Rossi Mario")));
    QVERIFY(lines[0].endsWith(QStringLiteral("  conto da saldare")));
    QVERIFY(lines[1].endsWith(QStringLiteral("  prenotazione da confermare")));

    // Cleared and saved: the customer leaves the list. Ticked: another joins it.
    f.click("cmdPrimo");
    f.get<QCheckBox>("chkRicontatta")->setChecked(false);
    f.click("cmdSalva");
    f.click("cmdAvanti");
    f.get<QCheckBox>("chkRicontatta")->setChecked(true);
    f.click("cmdSalva");
    lines = listed();
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith(QStringLiteral("Bianchi Anna")));
    QVERIFY(lines[1].startsWith(QStringLiteral("Verdi Luca")));

    // A double click brings the customer into the window.
    f.click("cmdNuovo");
    const auto choose = onNextModal([](QWidget *w) { doubleClickRow(w, 1); });
    f.click("cmdRicontatta");
    QCOMPARE(f.edit("txtDitta")->text(), QStringLiteral("Verdi Luca"));
    QCOMPARE(f.position(), QStringLiteral("3"));
    QVERIFY(f.get<QCheckBox>("chkRicontatta")->isChecked());
}

void TestCustomerWindow::pickIntoQuote()
{
    Fixture f;
    f.click("cmdNuovo");
    f.edit("txtDitta")->setText(QStringLiteral("Gialli Sara"));
    f.edit("txtIndirizzoRes")->setText(QStringLiteral("Via Po 3"));
    f.edit("txtCapRes")->setText(QStringLiteral("10100"));
    f.edit("txtComuneRes")->setText(QStringLiteral("Torino"));
    f.get<QComboBox>("txtProvRes")->setEditText(QStringLiteral("TO"));
    f.edit("txtPartitaIva")->setText(QStringLiteral("01234567890"));
    f.edit("txtCodFisc")->setText(QStringLiteral("GLLSRA80A41L219X"));
    f.edit("txtNote")->setText(QStringLiteral("resta qui"));
    f.click("cmdSalva");

    auto *quote = brisvola::window<TfrmPreventivi>(QStringLiteral("TfrmPreventivi"));
    quote->lblFile->setText(quotes::quoteArchivePath(QStringLiteral("2026")));
    quote->show();
    QVERIFY(QTest::qWaitForWindowExposed(quote));
    const auto pick = onNextModal([](QWidget *w) {
        auto *d = qobject_cast<TfrmTrovaFornitori *>(w);
        QVERIFY(d);
        QCOMPARE(d->lblMemory->text(), QStringLiteral("preventivi"));
        d->btnCercaClick();
        doubleClickRow(d, 0);
    });
    auto *import = quote->findChild<QToolButton *>(QStringLiteral("impCliente"));
    QVERIFY(import->isEnabled());
    import->click();
    const auto value = [quote](const char *name) {
        return ArchiveWindow::fieldText(quote->findChild<QWidget *>(QLatin1String(name)));
    };
    QCOMPARE(value("txtCliente"), QStringLiteral("Gialli Sara ")); // the blank of no company
    QCOMPARE(value("txtViaCliente"), QStringLiteral("Via Po 3"));
    QCOMPARE(value("txtCapCliente"), QStringLiteral("10100"));
    QCOMPARE(value("txtCittaCliente"), QStringLiteral("Torino"));
    QCOMPARE(value("txtProvCliente"), QStringLiteral("TO"));
    QCOMPARE(value("txtIvaCliente"), QStringLiteral("01234567890"));
    QCOMPARE(value("txtCodFiscCliente"), QStringLiteral("GLLSRA80A41L219X"));
    QCOMPARE(value("txtNote"), QString()); // nothing else of the quote changes
}

void TestCustomerWindow::exportFile()
{
    Fixture f;
    f.file(QStringLiteral("Verdi & <Figli>"), QStringLiteral("Milano"));
    f.edit("txtCarta")->setText(QStringLiteral("4111111111111111"));
    f.get<QComboBox>("txtProvRes")->setEditText(QStringLiteral("MI"));
    f.click("cmdSalva");
    const QString path = f.folder.file(QStringLiteral("Clienti.xls"));
    const auto exporting = onNextModal([](QWidget *w) {
        auto *d = qobject_cast<TfrmExpFornitori *>(w);
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral(" Esporta archivio clienti abituali in Excel"));
        QCOMPARE(d->model()->columnCount(), 23); // "N." and the 22 columns
        clickButton(d, "cmdEsporta");
        static_cast<QDialog *>(w)->reject();
    });
    f.messages.answerNext(MessageAnswer::Yes); // export
    f.messages.answerNext(MessageAnswer::No);  // do not open
    f.click("cmdEsporta");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("<x:Name>Riepilogo Clienti</x:Name>"));
    QVERIFY(bytes.contains("width=250>Cognome e nome</td>"));
    QVERIFY(bytes.contains("width=300>Note</td></tr>"));
    QVERIFY(bytes.contains("<tr><td style=\"text-align: left;\">Verdi &amp; &lt;Figli&gt;</td>"));
    QVERIFY(bytes.contains("<td style=\"text-align: left;\">Milano MI</td>"));
    QVERIFY(bytes.contains("<td style=\"text-align: left;\">4111111111111111</td>"));
    QCOMPARE(bytes.count("<td"), 2 * 22);
}

void TestCustomerWindow::launcherAndHelp()
{
    Fixture f;
    auto *launcher = brisvola::window<TfrmAvvio>(QStringLiteral("TfrmAvvio"));
    f.click("cmdEsci");
    QVERIFY(f.w->isHidden());
    QVERIFY(launcher->isVisible());
    auto *tile = launcher->findChild<brisvola::Picture *>(QStringLiteral("imgApp04"));
    QVERIFY(tile->isEnabled());
    QTest::mouseClick(tile, Qt::LeftButton);
    QVERIFY(f.w->isVisible());
    QVERIFY(launcher->isHidden());

    QString title;
    const auto help = onNextModal([&](QWidget *w) {
        if (auto *label = w->findChild<QLabel *>(QStringLiteral("lblTitolo")))
            title = label->text();
        w->close();
    });
    f.click("cmdGuida");
    QCOMPARE(title, QStringLiteral("App Clienti abituali"));
}

QTEST_MAIN(TestCustomerWindow)
#include "tst_customerwindow.moc"
