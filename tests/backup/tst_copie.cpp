// The copies of the data as the user reaches them: the launcher's icon, the window of the copies,
// the copy after the login, the restore and the second folder.
#include "TestSupport.h"

#include "archive/IniFile.h"
#include "backup/Backups.h"
#include "backup/Copie.h"
#include "shell/Avvio.h"
#include "shell/Clock.h"
#include "shell/Crypt.h"
#include "shell/Password.h"
#include "shell/PasswordStore.h"
#include "shell/Picture.h"
#include "shell/ProgramFolder.h"
#include "shell/WindowSet.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace brisvola;

namespace texts {
const QString copyDone = QStringLiteral("La copia di sicurezza dei dati è stata fatta.");
const QString restoreQuestion = QStringLiteral(
    "Ripristinare i dati della copia di sicurezza del 01/03/2026 alle 10:00?\r\n\r\nI dati attuali "
    "saranno sostituiti da quelli della copia. Prima del ripristino ne sarà fatta una nuova copia "
    "di sicurezza, così da poter tornare indietro.");
const QString restored = QStringLiteral(
    "I dati della copia di sicurezza del 01/03/2026 alle 10:00 sono stati ripristinati.");
const QString automaticFailed = QStringLiteral(
    "Attenzione: non è stato possibile fare la copia di sicurezza dei dati nella cartella "
    "\"Copie_di_sicurezza\" del programma.\r\n\r\nControllare che il disco non sia pieno e che la "
    "cartella non sia protetta da scrittura. I dati non sono stati modificati.\r\n\r\nLa copia "
    "automatica sarà ritentata al prossimo accesso; è comunque possibile lavorare normalmente.");
const QString secondChosen = QStringLiteral(
    "D'ora in poi le copie di sicurezza saranno fatte anche nella cartella:\r\n\r\n%1");
const QString secondQuestion = QStringLiteral(
    "Le copie di sicurezza sono fatte anche nella cartella:\r\n\r\n%1\r\n\r\nScegliere un'altra "
    "cartella?\r\n\r\nSì: scegliere un'altra cartella.\r\nNo: non fare più le copie in questa "
    "cartella.");
const QString secondCleared =
    QStringLiteral("Le copie di sicurezza saranno fatte solo nella cartella del programma.");
const QString insideProgram = QStringLiteral(
    "Attenzione: la seconda cartella delle copie di sicurezza deve trovarsi fuori dalla cartella "
    "del programma, meglio su un altro disco, una cartella di rete o una chiavetta USB.");
} // namespace texts

namespace {

const QDateTime t0(QDate(2026, 3, 1), QTime(10, 0, 0));

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList lines(QWidget *copies)
{
    auto *list = copies->findChild<QListWidget *>(QStringLiteral("lstCopie"));
    QStringList result;
    for (int i = 0; list && i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

// Opens the window of the copies from the launcher's icon and runs check in it; the window is
// closed with its own button.
void withCopiesWindow(QWidget *launcher, const std::function<void(QWidget *)> &check)
{
    const auto opened = onNextModal([&](QWidget *w) {
        QCOMPARE(w->objectName(), QStringLiteral("TfrmCopie"));
        check(w);
        clickButton(w, "btnChiudi");
        QVERIFY(!w->isVisible());
    });
    QTest::mouseClick(launcher->findChild<Picture *>(QStringLiteral("imgCopie")), Qt::LeftButton);
}

QStringList copyNames()
{
    QStringList names;
    for (const backup::Copy &c : backup::completeCopies(backup::placeOf(programFolder())))
        names << c.name;
    return names;
}

} // namespace

class TestCopie : public QObject
{
    Q_OBJECT

    TempProgramFolder *m_folder = nullptr;
    MessageRecorder *m_messages = nullptr;

    QWidget *launcher() { return window(QStringLiteral("TfrmAvvio")); }

    void login()
    {
        auto *w = window<TfrmPassword>(QStringLiteral("TfrmPassword"));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->findChild<QLineEdit *>(QStringLiteral("txtPassword"))
            ->setText(QStringLiteral("BENVENUTITUTTI"));
        clickButton(w, "cmdOK");
        QVERIFY(launcher()->isVisible());
    }

private slots:
    void initTestCase()
    {
        registerWindow(QStringLiteral("TfrmPassword"), [] { return new TfrmPassword; });
        registerWindow(QStringLiteral("TfrmAvvio"), [] { return new TfrmAvvio; });
    }

    void init()
    {
        setNow(t0);
        m_folder = new TempProgramFolder;
        m_messages = new MessageRecorder;
        IniFile store(programFile(password::storeFileName));
        store.setValue(QStringLiteral("Accesso"), QStringLiteral("Valore"),
                       Crypt::Scramble(QStringLiteral("BENVENUTITUTTI")));
        QVERIFY(store.save());
        writeFile(programFile(QStringLiteral("Ricettario.pro")), QByteArray(12718, 'r'));
        writeFile(programFile(QStringLiteral("2026.pre")), QByteArray(4886, 'p'));
    }

    void cleanup()
    {
        destroyWindows();
        delete m_messages;
        delete m_folder;
        setNow(QDateTime());
    }

    void copyAfterLoginOnceADay()
    {
        login();
        QCOMPARE(copyNames(), QStringList{QStringLiteral("2026-03-01 10.00.00")});
        QVERIFY(m_messages->shown.isEmpty());

        // Later the same day: no second copy.
        setNow(t0.addSecs(8 * 3600));
        launcher()->hide();
        login();
        QCOMPARE(copyNames().size(), 1);

        // The next day: a new copy.
        setNow(t0.addDays(1).addSecs(60));
        launcher()->hide();
        login();
        QCOMPARE(copyNames(), (QStringList{QStringLiteral("2026-03-02 10.01.00"),
                                           QStringLiteral("2026-03-01 10.00.00")}));
        QVERIFY(m_messages->shown.isEmpty());
    }

    void failedAutomaticCopyLetsTheUserWork()
    {
        const QString place = backup::placeOf(programFolder());
        QVERIFY(QDir().mkpath(place));
        const ReadOnlyPath readOnly(place);
        if (readOnly.writable())
            QSKIP("The temporary folder cannot be made read-only here.");
        login();
        QCOMPARE(m_messages->texts(), QStringList{texts::automaticFailed});
        QCOMPARE(m_messages->shown.first().kind, MessageKind::Warning);
        QVERIFY(launcher()->isVisible());
        QVERIFY(window(QStringLiteral("TfrmAvvio"))->isEnabled());
    }

    void launcherIconOpensTheCopies()
    {
        QWidget *l = launcher();
        l->show();
        QVERIFY(QTest::qWaitForWindowExposed(l));
        auto *icon = l->findChild<Picture *>(QStringLiteral("imgCopie"));
        QVERIFY(icon);
        QCOMPARE(icon->toolTip(), QStringLiteral("Copie di sicurezza dei dati"));
        QCOMPARE(icon->cursor().shape(), Qt::PointingHandCursor);

        withCopiesWindow(l, [&](QWidget *w) {
            QCOMPARE(w->windowTitle(), QStringLiteral(" Copie di sicurezza"));
            QVERIFY(lines(w).isEmpty());
            QVERIFY(!w->findChild<QPushButton *>(QStringLiteral("btnRipristina"))->isEnabled());
            QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblCartella"))->text(),
                     QStringLiteral("Seconda cartella delle copie: nessuna."));

            clickButton(w, "btnCopiaOra");
            QCOMPARE(m_messages->texts(), QStringList{texts::copyDone});
            QCOMPARE(m_messages->shown.last().kind, MessageKind::Information);
            setNow(t0.addSecs(3600));
            clickButton(w, "btnCopiaOra");
            QCOMPARE(lines(w), (QStringList{QStringLiteral("01/03/2026 11:00   3 file   0,0 MB"),
                                            QStringLiteral("01/03/2026 10:00   3 file   0,0 MB")}));
            QVERIFY(w->findChild<QPushButton *>(QStringLiteral("btnRipristina"))->isEnabled());
        });
        QVERIFY(l->isVisible());
    }

    void restoreFromTheLauncher()
    {
        QVERIFY(backup::backupNow().ok());
        // Yesterday's copy; today an archive is spoilt by hand.
        setNow(t0.addDays(1));
        writeFile(programFile(QStringLiteral("Ricettario.pro")), "rovinato");
        QWidget *l = launcher();
        l->show();
        QVERIFY(QTest::qWaitForWindowExposed(l));

        withCopiesWindow(l, [&](QWidget *w) {
            auto *list = w->findChild<QListWidget *>(QStringLiteral("lstCopie"));
            list->setCurrentRow(0);
            // No: nothing happens.
            m_messages->answerNext(MessageAnswer::No);
            clickButton(w, "btnRipristina");
            QCOMPARE(m_messages->texts(), QStringList{texts::restoreQuestion});
            QCOMPARE(m_messages->shown.first().kind, MessageKind::Question);
            QCOMPARE(readFile(programFile(QStringLiteral("Ricettario.pro"))),
                     QByteArray("rovinato"));
            QCOMPARE(lines(w).size(), 1);

            m_messages->clear();
            clickButton(w, "btnRipristina");
            QCOMPARE(m_messages->texts(), (QStringList{texts::restoreQuestion, texts::restored}));
            QCOMPARE(m_messages->shown.last().kind, MessageKind::Information);
            QCOMPARE(readFile(programFile(QStringLiteral("Ricettario.pro"))),
                     QByteArray(12718, 'r'));
            // The copy made before the restore is listed first: the restore can be undone.
            QCOMPARE(lines(w).value(0), QStringLiteral("02/03/2026 10:00   3 file   0,0 MB"));
        });
    }

    void chooseAndClearTheSecondFolder()
    {
        QTemporaryDir usb;
        QWidget *l = launcher();
        l->show();
        QVERIFY(QTest::qWaitForWindowExposed(l));
        const QString native = QDir::toNativeSeparators(usb.path());
        withCopiesWindow(l, [&](QWidget *w) {
            // A folder inside the program folder is refused.
            const QString inside = programFile(QStringLiteral("Documenti_Allegati"));
            QVERIFY(QDir().mkpath(inside));
            const auto refused = onNextModal([&](QWidget *d) {
                auto *chooser = qobject_cast<QFileDialog *>(d);
                QVERIFY(chooser);
                chooser->setDirectory(inside);
                static_cast<QDialog *>(chooser)->accept();
            });
            clickButton(w, "btnCartella");
            QCOMPARE(m_messages->texts(), QStringList{texts::insideProgram});
            QCOMPARE(backup::secondFolder(), QString());

            m_messages->clear();
            const auto chosen = onNextModal([&](QWidget *d) {
                auto *chooser = qobject_cast<QFileDialog *>(d);
                QVERIFY(chooser);
                QCOMPARE(chooser->windowTitle(),
                         QStringLiteral(
                             "Scegliere la cartella in cui fare anche le copie di sicurezza."));
                chooser->setDirectory(usb.path());
                static_cast<QDialog *>(chooser)->accept();
            });
            clickButton(w, "btnCartella");
            QCOMPARE(m_messages->texts(), QStringList{texts::secondChosen.arg(native)});
            QCOMPARE(backup::secondFolder(), native);
            QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblCartella"))->text(),
                     QStringLiteral("Seconda cartella delle copie: %1").arg(native));

            // The next copy goes to both places.
            clickButton(w, "btnCopiaOra");
            QCOMPARE(backup::completeCopies(backup::placeOf(usb.path())).size(), 1);

            m_messages->clear();
            m_messages->answerNext(MessageAnswer::No);
            clickButton(w, "btnCartella");
            QCOMPARE(m_messages->texts(),
                     (QStringList{texts::secondQuestion.arg(native), texts::secondCleared}));
            QCOMPARE(backup::secondFolder(), QString());
            QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblCartella"))->text(),
                     QStringLiteral("Seconda cartella delle copie: nessuna."));
        });
    }
};

QTEST_MAIN(TestCopie)
#include "tst_copie.moc"
