// The shared find, flagged-list and export dialogs, driven by their controls over a small
// archive of their own.
#include "ArchiveTexts.h"
#include "TestSupport.h"

#include "archive/ArchiveError.h"
#include "archive/ExportDialog.h"
#include "archive/FindDialog.h"
#include "archive/FlaggedListDialog.h"
#include "archive/ListPrint.h"
#include "archive/ProgressDialog.h"
#include "archive/RecordFile.h"
#include "archive/RecordListPanel.h"
#include "shell/ProgramFolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

// The texts the user reads, as documented.

namespace {
const RecordLayout layout(FieldEncoding::LengthPrefixed,
                          {{"Nome", 30}, {"Citta", 20}, {"Flag", 2}});

// Catches the shell "open" of a file.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

struct Fixture
{
    TempProgramFolder folder;
    QString path = folder.file(QStringLiteral("Prova.pro"));
    QList<QPair<qint64, QString>> received; // what the targets got: position and name

    void add(const QString &nome, const QString &citta, bool flag)
    {
        Record r(layout);
        r.setText("Nome", nome);
        r.setText("Citta", citta);
        r.setText("Flag", flag ? QStringLiteral("Sì") : QStringLiteral("No"));
        RecordFile(path, layout).append(r);
    }
    RecordTarget target()
    {
        return [this](const Record &r, qint64 p) { received.append({p, r.text("Nome")}); };
    }
    listline::Builder line() const
    {
        return listline::columns(layout,
                                 {{{}, "Nome", 12}, {QStringLiteral("  Città: "), "Citta", -1}});
    }
    FindConfig find()
    {
        FindConfig c;
        c.className = QStringLiteral("TfrmTrovaProva");
        c.caption = QStringLiteral(" Trova prove");
        c.heading = QStringLiteral("Trova prove in archivio");
        c.printTitle = QStringLiteral("Riepilogo prove");
        c.layout = &layout;
        c.archivePath = [this] { return path; };
        c.criteria = {{QStringLiteral("txtNome"), QStringLiteral("Nome:"), "Nome"},
                      {QStringLiteral("txtCitta"), QStringLiteral("Città:"), "Citta"},
                      {QStringLiteral("txtNote"), QStringLiteral("Note:"), "Nome", {}, true}};
        c.line = line();
        c.targets = {{QStringLiteral("prove"), target()}};
        return c;
    }
    FlaggedConfig flagged()
    {
        return {QStringLiteral("TfrmProveSegnalate"),
                QStringLiteral(" Riepilogo"),
                QStringLiteral("Prove segnalate"),
                QStringLiteral("Riepilogo prove segnalate"),
                &layout,
                [this] { return path; },
                "Flag",
                line(),
                true,
                target()};
    }
};

} // namespace

class TestFindDialogs : public QObject
{
    Q_OBJECT
private slots:
    void searchListsSortedLines();
    void criteriaPageKeysAndFocus();
    void quickFindThroughTheButtons();
    void doubleClickBringsBackTheLineClicked();
    void doubleClickWithoutTargetOrSelection();
    void searchFailureStaysOnCriteria();
    void printsTheListInOrder();
    void flaggedListsOnlyFlagged();
    void exportGridAndFile();
    void exportFailureAndNo();
    void longWorkShowsProgressAndStops();
};

void TestFindDialogs::searchListsSortedLines()
{
    Fixture f;
    f.add(QStringLiteral("zuppa"), QStringLiteral("Roma"), false);
    f.add(QStringLiteral("Arrosto di vitello"), QStringLiteral("Torino"), true);
    f.add(QStringLiteral("Pasta"), QStringLiteral("Roma"), false);
    FindDialog d(f.find());
    d.show();
    QVERIFY(d.findChild<QWidget *>(QStringLiteral("panAvvio"))->isVisible());
    QVERIFY(!d.findChild<QWidget *>(QStringLiteral("panContainer"))->isVisible());
    QCOMPARE(d.windowTitle(), QStringLiteral(" Trova prove"));
    QCOMPARE(d.size(), QSize(862, 560));

    clickButton(&d, "btnCerca");
    QCOMPARE(recordLines(&d),
             QStringList({"Arrosto di v  Città: Torino", "Pasta         Città: Roma",
                          "zuppa         Città: Roma"}));
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("lblTrovate"))->text(),
             QStringLiteral("Il presente riepilogo contiene 3 schede."));
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("lblConta"))->text(), QStringLiteral("0"));
    QVERIFY(d.findChild<QWidget *>(QStringLiteral("panContainer"))->isVisible());
    QVERIFY(!d.findChild<QWidget *>(QStringLiteral("panAvvio"))->isVisible());

    // Two criteria: both must be satisfied, in any case of A to Z.
    FindDialog two(f.find());
    two.show();
    two.criterion(QStringLiteral("txtCitta"))->setText(QStringLiteral("ROMA"));
    two.criterion(QStringLiteral("txtNome"))->setText(QStringLiteral("pAs"));
    clickButton(&two, "btnCerca");
    QCOMPARE(recordLines(&two), QStringList({"Pasta         Città: Roma"}));
    QCOMPARE(two.findChild<QLabel *>(QStringLiteral("lblConta"))->text(), QStringLiteral("2"));
}

void TestFindDialogs::criteriaPageKeysAndFocus()
{
    Fixture f;
    FindDialog d(f.find());
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QApplication::setActiveWindow(&d);
    QLineEdit *nome = d.criterion(QStringLiteral("txtNome"));
    QLineEdit *citta = d.criterion(QStringLiteral("txtCitta"));
    QLineEdit *note = d.criterion(QStringLiteral("txtNote"));
    QTRY_COMPARE(QApplication::focusWidget(), nome);
    QTRY_VERIFY(d.findChild<QWidget *>(QStringLiteral("effNome"))->isVisible());
    // Enter follows the criteria and wraps; only the focused edit's rectangle shows.
    QTest::keyClick(nome, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), citta);
    QVERIFY(!d.findChild<QWidget *>(QStringLiteral("effNome"))->isVisible());
    QVERIFY(d.findChild<QWidget *>(QStringLiteral("effCitta"))->isVisible());
    QTest::keyClick(citta, Qt::Key_Enter);
    QTest::keyClick(note, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), nome);
    // Pressing the mouse on Cerca shows the wait line; closing hides it.
    auto *wait = d.findChild<QLabel *>(QStringLiteral("lblAttendere"));
    QVERIFY(!wait->isVisible());
    QTest::mousePress(d.findChild<QPushButton *>(QStringLiteral("btnCerca")), Qt::LeftButton);
    QCOMPARE(wait->text(), QStringLiteral("Ricerca schede in corso. Attendere..."));
    QVERIFY(wait->isVisible());
    QTest::mouseRelease(d.findChild<QPushButton *>(QStringLiteral("btnCerca")), Qt::LeftButton);
    // The results page: focus in the quick-find box, Enter there moves to Trova.
    QLineEdit *trova = d.findChild<QLineEdit *>(QStringLiteral("txtTrova"));
    QTRY_COMPARE(QApplication::focusWidget(), trova);
    QTest::keyClick(trova, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnTrova"));
    // Enter on the focused button presses it (here: the empty list's message).
    MessageRecorder messages;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(messages.texts(),
             QStringList{"Ricerca non applicabile: la lista non contiene nessuna voce."});
    clickButton(&d, "btnChiudi");
    QVERIFY(!d.isVisible());
    QVERIFY(!wait->isVisible());
    QCOMPARE(recordList(&d)->count(), 0);
}

void TestFindDialogs::quickFindThroughTheButtons()
{
    Fixture f;
    for (const char *name : {"Pasta al forno", "Risotto", "pasta e fagioli", "Zuppa"})
        f.add(QLatin1String(name), QStringLiteral("Roma"), false);
    MessageRecorder messages;
    FindDialog d(f.find());
    d.show();
    clickButton(&d, "btnCerca");
    QLineEdit *trova = d.findChild<QLineEdit *>(QStringLiteral("txtTrova"));
    trova->setText(QStringLiteral("PASTA"));
    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        clickButton(&d, "btnTrova");
        seen << recordList(&d)->currentText().left(12).trimmed();
    }
    QCOMPARE(seen, QStringList({"Pasta al for", "pasta e fagi", "Pasta al for"}));
    trova->setText(QStringLiteral("zup"));
    clickButton(&d, "btnTrova");
    QCOMPARE(recordList(&d)->currentRow(), 3);
    QVERIFY(messages.shown.isEmpty());

    // An empty result list: the one message.
    FindDialog none(f.find());
    none.show();
    none.criterion(QStringLiteral("txtNome"))->setText(QStringLiteral("nessuno"));
    clickButton(&none, "btnCerca");
    clickButton(&none, "btnTrova");
    QCOMPARE(messages.texts(),
             QStringList{"Ricerca non applicabile: la lista non contiene nessuna voce."});
    QCOMPARE(messages.shown.first().kind, brisvola::MessageKind::Plain);
}

void TestFindDialogs::doubleClickBringsBackTheLineClicked()
{
    Fixture f;
    f.add(QStringLiteral("Gemello"), QStringLiteral("Roma"), true);
    f.add(QStringLiteral("Altro"), QStringLiteral("Bari"), false);
    f.add(QStringLiteral("Gemello"), QStringLiteral("Roma"), true);
    // Identical lines: each brings back its own record, the earlier one included.
    for (int row : {1, 2}) {
        FindDialog d(f.find());
        d.findChild<QLabel *>(QStringLiteral("lblMemory"))->setText(QStringLiteral("prove"));
        d.show();
        clickButton(&d, "btnCerca");
        QCOMPARE(recordLines(&d).at(row), QStringLiteral("Gemello       Città: Roma"));
        doubleClickRow(&d, row);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
    QCOMPARE(f.received, (QList<QPair<qint64, QString>>{{1, "Gemello"}, {3, "Gemello"}}));

    // Enter on a line does what a double click does.
    f.received.clear();
    FindDialog keys(f.find());
    keys.findChild<QLabel *>(QStringLiteral("lblMemory"))->setText(QStringLiteral("prove"));
    keys.show();
    clickButton(&keys, "btnCerca");
    recordList(&keys)->setCurrentRow(0);
    QTest::keyClick(recordList(&keys), Qt::Key_Return);
    QVERIFY(!keys.isVisible());
    QCOMPARE(f.received, (QList<QPair<qint64, QString>>{{2, "Altro"}}));

    // The flagged list does the same.
    f.received.clear();
    FlaggedConfig c = f.flagged();
    FlaggedListDialog flagged(c);
    flagged.show();
    doubleClickRow(&flagged, 0);
    QCOMPARE(f.received, (QList<QPair<qint64, QString>>{{1, "Gemello"}}));
}

void TestFindDialogs::doubleClickWithoutTargetOrSelection()
{
    Fixture f;
    f.add(QStringLiteral("Pasta"), QStringLiteral("Roma"), false);
    // A keyword with no target: the dialog closes and nothing is brought back.
    FindDialog d(f.find());
    d.findChild<QLabel *>(QStringLiteral("lblMemory"))->setText(QStringLiteral("altro"));
    d.show();
    clickButton(&d, "btnCerca");
    doubleClickRow(&d, 0);
    QVERIFY(!d.isVisible());
    // No line selected: closes silently.
    FindDialog none(f.find());
    none.findChild<QLabel *>(QStringLiteral("lblMemory"))->setText(QStringLiteral("prove"));
    none.show();
    clickButton(&none, "btnCerca");
    none.lstRecordsDblClick();
    QVERIFY(!none.isVisible());
    QVERIFY(f.received.isEmpty());
}

void TestFindDialogs::searchFailureStaysOnCriteria()
{
    Fixture f;
    MessageRecorder messages;
    FindConfig c = f.find();
    c.archivePath = [&] { return f.folder.path(); }; // a folder cannot be opened as an archive
    FindDialog d(c);
    d.show();
    clickButton(&d, "btnCerca");
    QCOMPARE(messages.texts(), QStringList{texts::archiveAccess});
    QCOMPARE(messages.shown.first().kind, brisvola::MessageKind::Plain);
    QVERIFY(d.findChild<QWidget *>(QStringLiteral("panAvvio"))->isVisible());
    QVERIFY(!d.findChild<QWidget *>(QStringLiteral("lblAttendere"))->isVisible());
}

void TestFindDialogs::printsTheListInOrder()
{
    Fixture f;
    f.add(QStringLiteral("B"), QStringLiteral("x"), true);
    f.add(QStringLiteral("A"), QStringLiteral("y"), true);
    QString title;
    QStringList printed;
    listprint::setPrinter([&](QWidget *, const QString &t, const QStringList &lines) {
        title = t;
        printed = lines;
    });
    FindDialog d(f.find());
    d.show();
    clickButton(&d, "btnCerca");
    clickButton(&d, "btnStampa");
    listprint::setPrinter({});
    QCOMPARE(title, QStringLiteral("Riepilogo prove"));
    QCOMPARE(printed, QStringList({"A             Città: y", "B             Città: x"}));
}

void TestFindDialogs::flaggedListsOnlyFlagged()
{
    Fixture f;
    MessageRecorder messages;
    f.add(QStringLiteral("Zuppa"), QStringLiteral("Roma"), true);
    f.add(QStringLiteral("Pasta"), QStringLiteral("Bari"), false);
    f.add(QStringLiteral("Arrosto"), QStringLiteral("Roma"), true);
    FlaggedConfig c = f.flagged();
    FlaggedListDialog d(c);
    d.show();
    QCOMPARE(recordLines(&d),
             QStringList({"Arrosto       Città: Roma", "Zuppa         Città: Roma"}));
    QCOMPARE(d.objectName(), QStringLiteral("TfrmProveSegnalate"));
    QVERIFY(d.findChild<QLabel *>(QStringLiteral("lblRigo03"))->isVisible());

    // A missing archive gives an empty list (and is created empty); Trova shows its message.
    c.archivePath = [&] { return f.folder.file(QStringLiteral("Nuovo.pro")); };
    FlaggedListDialog empty(c);
    empty.show();
    QCOMPARE(recordList(&empty)->count(), 0);
    QVERIFY(QFile::exists(f.folder.file(QStringLiteral("Nuovo.pro"))));
    clickButton(&empty, "btnTrova");
    QCOMPARE(messages.last(),
             QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
}

namespace {
ExportConfig exportConfig(Fixture &f)
{
    return {QStringLiteral("TfrmExpProve"),
            QStringLiteral(" Esporta prove in Excel"),
            QStringLiteral("Esporta l'archivio delle prove"),
            &layout,
            [&f] { return f.path; },
            {spreadsheet::field(layout, "Nome", QStringLiteral("Nome"), 300),
             spreadsheet::field(layout, "Flag", QStringLiteral("Segnalata"), 150, true)},
            QStringLiteral("Prove"),
            QStringLiteral("Prove.xls"),
            QStringLiteral("Esportazione prove")};
}
} // namespace

void TestFindDialogs::exportGridAndFile()
{
    Fixture f;
    f.add(QStringLiteral("Pâté & <crostini>"), QStringLiteral("Roma"), true);
    f.add(QStringLiteral("Zuppa"), QStringLiteral("Bari"), false);
    MessageRecorder messages;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    ExportDialog d(exportConfig(f));
    d.show();
    auto *grid = d.findChild<QTableView *>(QStringLiteral("grdRecords"));
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(grid->model()->columnCount(), 3);
    QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("N."));
    QCOMPARE(grid->model()->index(1, 0).data().toString(), QStringLiteral("2"));
    QCOMPARE(grid->model()->index(1, 1).data().toString(), QStringLiteral("Zuppa"));
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("panInfo"))->text(),
             QStringLiteral("Esportazione archivio in Microsoft Excel."));

    // The information bar: a button's hint under the mouse, emptied over the background.
    auto *info = d.findChild<QLabel *>(QStringLiteral("panInfo"));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(d.findChild<QToolButton *>(QStringLiteral("cmdGuida")), &enter);
    QCOMPARE(info->text(),
             QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    QApplication::sendEvent(d.findChild<QToolButton *>(QStringLiteral("cmdEsci")), &enter);
    QCOMPARE(info->text(), QStringLiteral("Esci da questo ambiente di lavoro."));
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 300), QPointF(2, 300), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&d, &move);
    QVERIFY(info->text().isEmpty());
    QApplication::sendEvent(d.findChild<QToolButton *>(QStringLiteral("cmdEsporta")), &enter);
    QCOMPARE(info->text(), QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));

    clickButton(&d, "cmdEsporta");
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(messages.texts(), QStringList({texts::exportQuestion, texts::exportDone}));
    QCOMPARE(messages.shown[0].buttons, brisvola::MessageButtons::YesNo);
    QFile file(f.folder.file(QStringLiteral("Prove.xls")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith(
        "width=150>Segnalata</td></tr>"
        "<tr><td style=\"text-align: left;\">P\xe2t\xe9 &amp; &lt;crostini&gt;</td>"
        "<td style=\"text-align: right;\">S\xec</td></tr>"
        "<tr><td style=\"text-align: left;\">Zuppa</td><td style=\"text-align: right;\">No</td>"
        "</tr></table></body></html>"));
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl::fromLocalFile(file.fileName())});
}

void TestFindDialogs::exportFailureAndNo()
{
    Fixture f;
    f.add(QStringLiteral("Zuppa"), QStringLiteral("Bari"), false);
    MessageRecorder messages;
    ExportDialog d(exportConfig(f));
    d.show();
    // No to the first question: nothing is written.
    messages.answerNext(brisvola::MessageAnswer::No);
    clickButton(&d, "cmdEsporta");
    QVERIFY(!QFile::exists(d.filePath()));
    // The file cannot be written (a folder stands where it goes): the failure message.
    QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("Prove.xls")));
    messages.clear();
    clickButton(&d, "cmdEsporta");
    QCOMPARE(messages.texts(), QStringList({texts::exportQuestion, texts::exportFailure}));
    QCOMPARE(messages.shown[1].kind, brisvola::MessageKind::Plain);
}

void TestFindDialogs::longWorkShowsProgressAndStops()
{
    // A slow scan (each step of 256 records takes 60 ms) shows the progress dialog after half a
    // second; "Interrompi" stops it.
    Fixture f;
    for (int i = 0; i < 3000; ++i)
        f.add(QStringLiteral("Piatto %1").arg(i), QStringLiteral("Roma"), i % 2 == 0);
    const QByteArray before = "il file di prima";
    {
        QFile old(f.folder.file(QStringLiteral("Prove.xls")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(before);
    }
    QStringList seen;
    bool stopWriting = false;
    ProgressDialog::setStepHook([&](QProgressDialog *dialog) {
        QTest::qWait(60);
        if (!dialog)
            return;
        seen << dialog->labelText();
        QCOMPARE(dialog->windowTitle(), QStringLiteral(" Brisvola"));
        auto *stop = dialog->findChild<QPushButton *>();
        QVERIFY(stop);
        QCOMPARE(stop->text(), QStringLiteral("Interrompi"));
        if (stopWriting && dialog->labelText().startsWith(QStringLiteral("Scrittura")))
            stop->click();
    });
    MessageRecorder messages;
    {
        ExportDialog d(exportConfig(f));
        d.show();
        QVERIFY(!seen.isEmpty());
        QVERIFY(seen.first().startsWith(QStringLiteral("Lettura dell'archivio in corso: ")));
        QVERIFY(seen.last().endsWith(QStringLiteral(" schede lette su 3000.")));
        QCOMPARE(d.findChild<QTableView *>()->model()->rowCount(), 3000);

        seen.clear();
        stopWriting = true;
        clickButton(&d, "cmdEsporta");
        QVERIFY(!seen.isEmpty());
        QVERIFY(seen.first().startsWith(QStringLiteral("Scrittura del file in corso: ")));
        // Stopped: no failure message, no question to open it, the previous file whole.
        QCOMPARE(messages.texts(), QStringList{texts::exportQuestion});
        QFile old(f.folder.file(QStringLiteral("Prove.xls")));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), before);
    }

    // A find stopped while reading stays on its criteria.
    seen.clear();
    stopWriting = false;
    ProgressDialog::setStepHook([&](QProgressDialog *dialog) {
        QTest::qWait(60);
        if (dialog)
            dialog->findChild<QPushButton *>()->click();
    });
    FindDialog find(f.find());
    find.show();
    clickButton(&find, "btnCerca");
    QVERIFY(!recordList(&find)->isVisible());
    ProgressDialog::setStepHook({});
}

QTEST_MAIN(TestFindDialogs)
#include "tst_finddialogs.moc"
