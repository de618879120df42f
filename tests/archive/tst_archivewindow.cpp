#include "archive/ArchiveError.h"
#include "archive/ArchiveWindow.h"
#include "archive/RecordFile.h"
#include "shell/ProgramFolder.h"

#include "ArchiveTexts.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

// The texts the user reads, as documented.

using brisvola::MessageKind;

namespace {

const RecordLayout &layout()
{
    static const RecordLayout l(FieldEncoding::LengthPrefixed, {{"Nome", 20},
                                                                {"Citta", 10},
                                                                {"Note", 40},
                                                                {"Segnalato", 2},
                                                                {"File01", 30},
                                                                {"Desc01", 30}});
    return l;
}

const QString nameMessage =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome.");
const QString cityMessage =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la città.");

// A small archive window configured the way the app windows configure theirs.
struct Fixture
{
    QWidget window;
    QLineEdit *nome, *citta;
    QPlainTextEdit *note;
    QCheckBox *segnalato;
    QLabel *file01, *desc01, *info;
    ArchiveWindow *archive;
    QString path;

    explicit Fixture(const QString &archivePath,
                     ArchiveWindow::Highlight highlight = ArchiveWindow::Highlight::EffRectangle)
        : path(archivePath)
    {
        auto *box = new QVBoxLayout(&window);
        auto add = [&](QWidget *w, const char *name) {
            w->setObjectName(QLatin1String(name));
            box->addWidget(w);
            return w;
        };
        for (const char *c : {"cmdNuovo", "cmdDuplica", "cmdSalva", "cmdPrimo", "cmdIndietro",
                              "cmdAvanti", "cmdUltimo", "cmdEsci"})
            add(new QPushButton(QLatin1String(c)), c);
        add(new QLabel, "lblPosizione");
        nome = static_cast<QLineEdit *>(add(new QLineEdit, "txtNome"));
        citta = static_cast<QLineEdit *>(add(new QLineEdit, "txtCitta"));
        note = static_cast<QPlainTextEdit *>(add(new QPlainTextEdit, "txtNote"));
        segnalato = static_cast<QCheckBox *>(add(new QCheckBox, "chkSegnalato"));
        file01 = static_cast<QLabel *>(add(new QLabel, "lblFile01"));
        desc01 = static_cast<QLabel *>(add(new QLabel, "lblDesc01"));
        info = static_cast<QLabel *>(add(new QLabel, "panInfo"));
        file01->hide();
        desc01->hide();

        archive = new ArchiveWindow(&window, layout(), [this] { return path; });
        archive->bindFields();
        archive->config().checks = {
            ArchiveSession::required(QStringLiteral("Nome"), QStringLiteral("txtNome"),
                                     nameMessage),
            ArchiveSession::required(QStringLiteral("Citta"), QStringLiteral("txtCitta"),
                                     cityMessage)};
        archive->config().firstControl = QStringLiteral("txtNome");
        archive->config().attachmentFields = {QStringLiteral("File01"), QStringLiteral("Desc01")};
        archive->addEnterChain({"txtNome", "txtCitta", "txtNome"});
        archive->setHighlight(highlight);
        archive->setHintClearers({&window});
        archive->connectCommands();
    }

    void click(const char *name)
    {
        QTest::mouseClick(window.findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
    }
    QString position() const { return archive->positionLabel()->text(); }
    void fill(const QString &n, const QString &c)
    {
        nome->setText(n);
        citta->setText(c);
    }
};

Record record(const QString &nome, const QString &citta)
{
    Record r(layout());
    r.setText("Nome", nome);
    r.setText("Citta", citta);
    r.setText("Segnalato", QStringLiteral("No"));
    return r;
}

} // namespace

class TestArchiveWindow : public QObject
{
    Q_OBJECT

private slots:
    void navigationOnEmptyArchive_data();
    void navigationOnEmptyArchive();
    void navigationEdges();
    void saveTwiceAppendsThenOverwrites();
    void requiredFieldsInOrder();
    void duplicate();
    void archiveFailureKeepsScreen();
    void newCardClearsAndFocusesFirstField();
    void failuresInsideHooks();
    void enterChainAndHighlight();
    void restyleHighlight();
    void hints();
};

void TestArchiveWindow::navigationOnEmptyArchive_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("startPosition");
    QTest::addColumn<bool>("message");
    QTest::newRow("first") << "cmdPrimo"
                           << "" << true;
    QTest::newRow("last") << "cmdUltimo"
                          << "" << true;
    QTest::newRow("next") << "cmdAvanti"
                          << "" << true;
    QTest::newRow("previous") << "cmdIndietro"
                              << "" << true;
    QTest::newRow("previous on 1") << "cmdIndietro"
                                   << "1" << false;
}

void TestArchiveWindow::navigationOnEmptyArchive()
{
    QFETCH(QString, command);
    QFETCH(QString, startPosition);
    QFETCH(bool, message);
    TempProgramFolder folder;
    MessageRecorder messages;
    Fixture f(folder.file(QStringLiteral("Prova.pro")));
    f.archive->positionLabel()->setText(startPosition);
    f.click(command.toLatin1().constData());
    if (message) {
        QVERIFY(QFile::exists(f.path)); // the first operation creates the archive empty
        QCOMPARE(QFileInfo(f.path).size(), 0);
        QCOMPARE(messages.texts(), QStringList{texts::emptyArchive});
        QCOMPARE(messages.shown[0].kind, MessageKind::Information);
        QCOMPARE(messages.shown[0].buttons, brisvola::MessageButtons::OkCancel);
    } else {
        QVERIFY(messages.shown.isEmpty());
    }
}

void TestArchiveWindow::navigationEdges()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Fixture f(folder.file(QStringLiteral("Prova.pro")));
    RecordFile file(f.path, layout());
    for (const char *n : {"Uno", "Due", "Tre"})
        file.append(record(QLatin1String(n), QStringLiteral("Roma")));

    f.click("cmdAvanti"); // from a new card: record 1
    QCOMPARE(f.position(), QStringLiteral("1"));
    QCOMPARE(f.nome->text(), QStringLiteral("Uno"));
    f.click("cmdNuovo");
    f.click("cmdIndietro"); // from a new card too
    QCOMPARE(f.position(), QStringLiteral("1"));
    f.click("cmdIndietro"); // on record 1: nothing
    QCOMPARE(f.position(), QStringLiteral("1"));
    f.click("cmdUltimo");
    QCOMPARE(f.nome->text(), QStringLiteral("Tre"));
    f.nome->setText(QStringLiteral("Cambiato"));
    f.click("cmdAvanti"); // on the last: nothing, the edit stays on screen but unsaved
    QCOMPARE(f.position(), QStringLiteral("3"));
    f.click("cmdIndietro");
    QCOMPARE(f.nome->text(), QStringLiteral("Due"));
    f.click("cmdAvanti");
    QCOMPARE(f.nome->text(), QStringLiteral("Tre")); // the edit was lost without a question
    f.click("cmdPrimo");
    QCOMPARE(f.nome->text(), QStringLiteral("Uno"));
    QVERIFY(messages.shown.isEmpty());
}

void TestArchiveWindow::saveTwiceAppendsThenOverwrites()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Fixture f(folder.file(QStringLiteral("Prova.pro")));
    f.fill(QStringLiteral("  Rossi "), QStringLiteral("Bari"));
    f.segnalato->setChecked(true);
    f.note->setPlainText(QStringLiteral("riga 1\nriga 2"));
    f.click("cmdSalva");
    QCOMPARE(f.position(), QStringLiteral("1"));
    f.click("cmdSalva");
    QCOMPARE(f.position(), QStringLiteral("1"));
    QCOMPARE(messages.texts(), (QStringList{texts::inserted, texts::updated}));
    RecordFile file(f.path, layout());
    QCOMPARE(file.count(), 1);
    const Record r = file.read(1);
    QCOMPARE(r.rawText(layout().field("Nome")), QStringLiteral("Rossi")); // trimmed on writing
    QCOMPARE(r.text("Segnalato"), QStringLiteral("Sì"));
    QCOMPARE(r.text("Note"), QStringLiteral("riga 1\r\nriga 2"));

    f.click("cmdNuovo");
    f.click("cmdPrimo");
    QCOMPARE(f.note->toPlainText(), QStringLiteral("riga 1\nriga 2"));
    QVERIFY(f.segnalato->isChecked());
}

void TestArchiveWindow::requiredFieldsInOrder()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Fixture f(folder.file(QStringLiteral("Prova.pro")));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QApplication::setActiveWindow(&f.window);

    f.fill(QStringLiteral("   "), QString());
    f.citta->setFocus();
    f.click("cmdSalva");
    QCOMPARE(messages.last(), nameMessage);
    QCOMPARE(messages.shown.last().kind, MessageKind::Warning);
    QCOMPARE(QApplication::focusWidget(), f.nome);
    f.nome->setText(QStringLiteral("Rossi"));
    f.click("cmdSalva");
    QCOMPARE(messages.last(), cityMessage);
    QCOMPARE(QApplication::focusWidget(), f.citta);
    QVERIFY(f.position().isEmpty());
    QCOMPARE(RecordFile(f.path, layout()).count(), 0);
}

void TestArchiveWindow::duplicate()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Fixture f(folder.file(QStringLiteral("Prova.pro")));
    f.click("cmdDuplica");
    QCOMPARE(messages.last(), texts::duplicateRefused);
    QCOMPARE(messages.shown.last().kind, MessageKind::Warning);

    Record stored = record(QStringLiteral("Rossi"), QStringLiteral("Bari"));
    stored.setText("File01", QStringLiteral("carta.pdf"));
    stored.setText("Desc01", QStringLiteral("Carta d'identità"));
    RecordFile file(f.path, layout());
    file.append(stored);
    f.click("cmdPrimo");
    QCOMPARE(f.file01->text(), QStringLiteral("carta.pdf"));
    messages.clear();
    f.click("cmdDuplica");
    QCOMPARE(messages.texts(), QStringList{texts::duplicated});
    QCOMPARE(messages.shown[0].kind, MessageKind::Information);
    QVERIFY(f.position().isEmpty());
    QCOMPARE(f.nome->text(), QStringLiteral("Rossi"));
    QVERIFY(f.file01->text().isEmpty() && f.desc01->text().isEmpty());
    QCOMPARE(file.count(), 1); // nothing written yet
    f.click("cmdSalva");
    QCOMPARE(file.count(), 2);
    QCOMPARE(f.position(), QStringLiteral("2"));
    Record expected = stored;
    expected.setText("File01", QString());
    expected.setText("Desc01", QString());
    QVERIFY(file.read(2) == expected);
}

void TestArchiveWindow::archiveFailureKeepsScreen()
{
    // A folder where the archive should be: it can be neither opened nor created, as in a program
    // folder without write permission.
    TempProgramFolder folder;
    QDir(folder.path()).mkdir(QStringLiteral("Prova.pro"));
    MessageRecorder messages;
    Fixture f(folder.file(QStringLiteral("Prova.pro")));
    f.archive->setFailureMessage(ArchiveWindow::Command::Save, MessageKind::Plain,
                                 brisvola::MessageButtons::Ok);
    f.fill(QStringLiteral("Rossi"), QStringLiteral("Bari"));
    f.click("cmdSalva");
    QCOMPARE(messages.texts(), QStringList{texts::archiveAccess});
    QCOMPARE(messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(f.nome->text(), QStringLiteral("Rossi"));
    QVERIFY(f.position().isEmpty());
    for (const char *c : {"cmdPrimo", "cmdAvanti", "cmdIndietro", "cmdUltimo"}) {
        messages.clear();
        f.click(c);
        QCOMPARE(messages.texts(), QStringList{texts::archiveAccess});
        QCOMPARE(messages.shown[0].kind, MessageKind::Error);
        QCOMPARE(messages.shown[0].buttons, brisvola::MessageButtons::OkCancel);
        QCOMPARE(f.citta->text(), QStringLiteral("Bari"));
    }
    // A position label that is not a number is an archive failure too.
    QDir(folder.path()).rmdir(QStringLiteral("Prova.pro"));
    f.archive->positionLabel()->setText(QStringLiteral("x"));
    messages.clear();
    f.click("cmdSalva");
    QCOMPARE(messages.texts(), QStringList{texts::archiveAccess});
}

void TestArchiveWindow::newCardClearsAndFocusesFirstField()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Fixture f(folder.file(QStringLiteral("Prova.pro")));
    bool cleared = false;
    f.archive->hooks.clear = [&] { cleared = true; };
    f.archive->config().defaults = {{QStringLiteral("Citta"), QStringLiteral("Roma")}};
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QApplication::setActiveWindow(&f.window);
    f.fill(QStringLiteral("Rossi"), QStringLiteral("Bari"));
    f.segnalato->setChecked(true);
    f.file01->setText(QStringLiteral("a.txt"));
    f.archive->positionLabel()->setText(QStringLiteral("4"));
    f.citta->setFocus();
    f.click("cmdNuovo");
    QVERIFY(f.nome->text().isEmpty());
    QCOMPARE(f.citta->text(), QStringLiteral("Roma"));
    QVERIFY(!f.segnalato->isChecked());
    QVERIFY(f.file01->text().isEmpty());
    QVERIFY(f.position().isEmpty());
    QVERIFY(cleared);
    QCOMPARE(QApplication::focusWidget(), f.nome);
    QVERIFY(messages.shown.isEmpty());
}

void TestArchiveWindow::failuresInsideHooks()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Fixture f(folder.file(QStringLiteral("Prova.pro")));
    f.nome->setText(QStringLiteral("Rossi"));
    f.archive->config().prepareNew = []() -> bool { throw ArchiveError("numbering"); };
    f.archive->setFailureMessage(ArchiveWindow::Command::New, MessageKind::Warning);
    f.click("cmdNuovo");
    QCOMPARE(messages.texts(), QStringList{texts::archiveAccess});
    QCOMPARE(messages.shown[0].kind, MessageKind::Warning);
    QCOMPARE(f.nome->text(), QStringLiteral("Rossi")); // New stopped before clearing

    messages.clear();
    f.fill(QStringLiteral("Rossi"), QStringLiteral("Bari"));
    f.archive->hooks.check = []() -> bool { throw ArchiveError("totals"); };
    f.archive->setFailureMessage(ArchiveWindow::Command::Save, MessageKind::Warning);
    f.click("cmdSalva");
    QCOMPARE(messages.texts(), QStringList{texts::archiveAccess});
    QCOMPARE(messages.shown[0].kind, MessageKind::Warning);
    QVERIFY(f.position().isEmpty());
    QCOMPARE(f.nome->text(), QStringLiteral("Rossi"));
}

void TestArchiveWindow::enterChainAndHighlight()
{
    TempProgramFolder folder;
    Fixture f(folder.file(QStringLiteral("Prova.pro")));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QApplication::setActiveWindow(&f.window);
    auto *effNome = f.window.findChild<QWidget *>(QStringLiteral("effNome"));
    auto *effCitta = f.window.findChild<QWidget *>(QStringLiteral("effCitta"));
    QVERIFY(effNome && effCitta);
    f.nome->setFocus();
    QVERIFY(effNome->isVisible() && !effCitta->isVisible());
    QVERIFY(effNome->geometry().contains(f.nome->geometry()));
    QTest::keyClick(f.nome, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), f.citta);
    QVERIFY(!effNome->isVisible() && effCitta->isVisible());
    QTest::keyClick(f.citta, Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), f.nome);
    // A memo keeps Enter as a new line.
    f.note->setFocus();
    QTest::keyClick(f.note, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), f.note);
    QCOMPARE(f.note->toPlainText(), QStringLiteral("\n"));
}

void TestArchiveWindow::restyleHighlight()
{
    TempProgramFolder folder;
    Fixture f(folder.file(QStringLiteral("Prova.pro")), ArchiveWindow::Highlight::Restyle);
    f.archive->setUnfocusedBackground(QStringLiteral("txtCitta"), QColor(0xF0, 0xF8, 0xFF));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QApplication::setActiveWindow(&f.window);
    f.nome->setFocus();
    auto background = [](QWidget *w) { return w->grab().toImage().pixelColor(w->width() / 2, 3); };
    auto border = [](QWidget *w) { return w->grab().toImage().pixelColor(w->width() / 2, 0); };
    QCOMPARE(background(f.nome), QColor(Qt::yellow));
    QCOMPARE(background(f.citta), QColor(0xF0, 0xF8, 0xFF));
    QCOMPARE(border(f.citta), QColor(0x87, 0xCE, 0xEB));
    f.citta->setFocus();
    QCOMPARE(background(f.nome), QColor(Qt::white));
    QCOMPARE(background(f.citta), QColor(Qt::yellow));
}

void TestArchiveWindow::hints()
{
    TempProgramFolder folder;
    Fixture f(folder.file(QStringLiteral("Prova.pro")));
    QCOMPARE(f.info->text(), texts::readyHint);
    auto *salva = f.window.findChild<QWidget *>(QStringLiteral("cmdSalva"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(salva, &enter);
    QCOMPARE(f.info->text(), QStringLiteral("Salva la scheda corrente in archivio."));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    // The mouse over the background (the margin of the window) empties the bar.
    QTest::mouseMove(&f.window, QPoint(1, 1));
    QTRY_COMPARE(f.info->text(), QString());
    QTest::mouseMove(salva, salva->rect().center());
    QTRY_COMPARE(f.info->text(), QStringLiteral("Salva la scheda corrente in archivio."));
}

QTEST_MAIN(TestArchiveWindow)
#include "tst_archivewindow.moc"
