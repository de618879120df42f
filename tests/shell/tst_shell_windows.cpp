// The access windows, the launcher and the help, information and credits windows, driven by
// their object names.
#include "TestSupport.h"

#include "archive/IniFile.h"
#include "shell/Avvio.h"
#include "shell/CambiaPassword.h"
#include "shell/Crypt.h"
#include "shell/FileChooser.h"
#include "shell/Help.h"
#include "shell/HelpTopics.h"
#include "shell/Password.h"
#include "shell/PasswordStore.h"
#include "shell/Picture.h"
#include "shell/ProgramFolder.h"
#include "shell/StartUp.h"
#include "shell/WindowSet.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QUrlQuery>
#include <QtTest>

#include <functional>

// The texts the user reads, as documented.
namespace texts {
const QString passwordReadError =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                   "password. Si consiglia di reinstallare il software.");
const QString passwordNotConfirmed =
    QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. E' "
                   "necessario reinserire entrambi i valori.");
const QString passwordUnsupported =
    QStringLiteral("Attenzione: la nuova password non può superare 255 caratteri e può contenere "
                   "soltanto lettere, cifre e simboli dell'alfabeto latino.");
const QString passwordWrong = QStringLiteral("Attenzione: password errata.");
} // namespace texts

using namespace brisvola;

// Catches what the program hands to the shell "open".
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

namespace {

template <class T> T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QLatin1String(name));
    if (!c)
        qWarning("no child %s in %s", name, qPrintable(w->objectName()));
    return c;
}

void activate(QWidget *w)
{
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QApplication::setActiveWindow(w);
    QCoreApplication::processEvents();
}

void typeInto(QLineEdit *edit, const QString &text)
{
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void pressEnter(QWidget *w)
{
    QTest::keyClick(w, Qt::Key_Return);
}

bool hasCloseBox(const QWidget *w)
{
    return w->windowFlags().testFlag(Qt::WindowCloseButtonHint) ||
           !w->windowFlags().testFlag(Qt::CustomizeWindowHint);
}

// Runs check on the modal dialog that the next action opens, then closes it with its button.
void onNextDialog(std::function<void(QWidget *)> check, bool *seen)
{
    QTimer::singleShot(0, [check, seen] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        *seen = true;
        check(dialog);
        if (auto *close = dialog->findChild<QPushButton *>(QStringLiteral("btnChiudi")))
            QTest::mouseClick(close, Qt::LeftButton);
    });
}

} // namespace

class TestShellWindows : public QObject
{
    Q_OBJECT

    TempProgramFolder *m_folder = nullptr;
    MessageRecorder *m_messages = nullptr;
    UrlCatcher m_urls;

    TfrmPassword *password() { return window<TfrmPassword>(QStringLiteral("TfrmPassword")); }
    QWidget *launcher() { return window(QStringLiteral("TfrmAvvio")); }
    QWidget *change() { return window(QStringLiteral("TfrmCambiaPassword")); }

    void writeStore(const QString &plain)
    {
        IniFile store(programFile(password::storeFileName));
        store.setValue(QStringLiteral("Accesso"), QStringLiteral("Valore"), Crypt::Scramble(plain));
        QVERIFY(store.save());
    }

private slots:
    void initTestCase()
    {
        // Only the shell's own windows: the apps' windows are stood in for by plain widgets.
        registerWindow(QStringLiteral("TfrmPassword"), [] { return new TfrmPassword; });
        registerWindow(QStringLiteral("TfrmAvvio"), [] { return new TfrmAvvio; });
        registerWindow(QStringLiteral("TfrmCambiaPassword"), [] { return new TfrmCambiaPassword; });
        for (const char *scheme : {"https", "mailto", "file"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &m_urls, "open");
    }

    void cleanupTestCase()
    {
        for (const char *scheme : {"https", "mailto", "file"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

    void init()
    {
        m_folder = new TempProgramFolder;
        m_messages = new MessageRecorder;
        m_urls.urls.clear();
        writeStore(QStringLiteral("BENVENUTITUTTI"));
    }

    void cleanup()
    {
        destroyWindows();
        delete m_messages;
        delete m_folder;
    }

    void passwordWindowLayout()
    {
        TfrmPassword *w = password();
        QCOMPARE(w->size(), QSize(388, 405));
        QVERIFY(!hasCloseBox(w));
        QVERIFY(w->windowTitle().contains(QStringLiteral("Brisvola")));
        QCOMPARE(child<QPushButton>(w, "cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(child<QPushButton>(w, "cmdEsci")->text(), QStringLiteral("Esci"));
        QCOMPARE(child<QPushButton>(w, "btnCambiaPassword")->text(),
                 QStringLiteral("Cambia password"));
        QCOMPARE(child<QLabel>(w, "lblIstruzioni")->text(),
                 QStringLiteral("Immetti la password e premi OK."));
        auto *txt = child<QLineEdit>(w, "txtPassword");
        QCOMPARE(txt->echoMode(), QLineEdit::Password);
        QVERIFY(txt->font().bold());
        QCOMPARE(txt->font().pointSize(), 14);
    }

    void okEnabledOnlyWhenNotBlank()
    {
        TfrmPassword *w = password();
        w->show();
        activate(w);
        auto *txt = child<QLineEdit>(w, "txtPassword");
        auto *ok = child<QPushButton>(w, "cmdOK");
        QCOMPARE(QApplication::focusWidget(), txt);
        QVERIFY(!ok->isEnabled());
        typeInto(txt, QStringLiteral("   "));
        QVERIFY(!ok->isEnabled());
        pressEnter(txt); // blank: Enter does nothing
        QVERIFY(m_messages->shown.isEmpty());
        QVERIFY(w->isVisible());
        typeInto(txt, QStringLiteral("x"));
        QVERIFY(ok->isEnabled());
        txt->clear();
        QVERIFY(!ok->isEnabled());
    }

    void wrongPasswordThenRight()
    {
        TfrmPassword *w = password();
        w->show();
        activate(w);
        auto *txt = child<QLineEdit>(w, "txtPassword");
        typeInto(txt, QStringLiteral("benvenuti"));
        pressEnter(txt);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Attenzione: password errata.")});
        QCOMPARE(m_messages->shown.first().kind, MessageKind::Plain);
        QVERIFY(txt->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), txt);
        QVERIFY(w->isVisible());

        typeInto(txt, QStringLiteral(" BenvenutiTutti "));
        QTest::mouseClick(child<QPushButton>(w, "cmdOK"), Qt::LeftButton);
        QCOMPARE(m_messages->shown.size(), 1);
        QVERIFY(launcher()->isVisible());
        QVERIFY(!w->isVisible());
    }

    void brokenStoreGivesReadingError()
    {
        IniFile store(programFile(password::storeFileName));
        store.setValue(QStringLiteral("Accesso"), QStringLiteral("Valore"),
                       QStringLiteral("NONHEX"));
        QVERIFY(store.save());
        TfrmPassword *w = password();
        w->show();
        activate(w);
        auto *txt = child<QLineEdit>(w, "txtPassword");
        typeInto(txt, QStringLiteral("benvenutitutti"));
        pressEnter(txt);
        QCOMPARE(m_messages->last(), texts::passwordReadError);
        QVERIFY(!existingWindow(QStringLiteral("TfrmAvvio")));
    }

    void changeWindowFlows()
    {
        TfrmPassword *w = password();
        w->show();
        activate(w);
        QTest::mouseClick(child<QPushButton>(w, "btnCambiaPassword"), Qt::LeftButton);
        QWidget *c = change();
        QVERIFY(c->isVisible());
        QVERIFY(!w->isVisible());
        QCOMPARE(c->windowTitle(), QStringLiteral(" Cambia password"));
        QCOMPARE(c->size(), QSize(411, 418));
        QVERIFY(!hasCloseBox(c));
        activate(c);

        auto *oldPw = child<QLineEdit>(c, "txtPasswordOld");
        auto *newPw = child<QLineEdit>(c, "txtPasswordNew");
        auto *confirm = child<QLineEdit>(c, "txtConferma");
        auto *effOld = child<QWidget>(c, "effPasswordOld");
        auto *effNew = child<QWidget>(c, "effPasswordNew");
        auto *effConferma = child<QWidget>(c, "effConferma");
        auto *ok = child<QPushButton>(c, "cmdOK");
        QCOMPARE(child<QPushButton>(c, "cmdEsci")->text(), QStringLiteral("Chiudi"));

        // Enter goes round the three edits; the yellow rectangle follows the focus.
        QCOMPARE(QApplication::focusWidget(), oldPw);
        QVERIFY(effOld->isVisible() && !effNew->isVisible() && !effConferma->isVisible());
        pressEnter(oldPw);
        QCOMPARE(QApplication::focusWidget(), newPw);
        QVERIFY(!effOld->isVisible() && effNew->isVisible());
        pressEnter(newPw);
        QCOMPARE(QApplication::focusWidget(), confirm);
        QVERIFY(effConferma->isVisible() && !effNew->isVisible());
        pressEnter(confirm);
        QCOMPARE(QApplication::focusWidget(), oldPw);

        // OK only with all three filled.
        QVERIFY(!ok->isEnabled());
        typeInto(oldPw, QStringLiteral("sbagliata"));
        typeInto(newPw, QStringLiteral("tavola8"));
        QVERIFY(!ok->isEnabled());
        typeInto(confirm, QStringLiteral("  "));
        QVERIFY(!ok->isEnabled());
        typeInto(confirm, QStringLiteral("tavola8"));
        QVERIFY(ok->isEnabled());

        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(m_messages->last(), QStringLiteral("Attenzione: vecchia password errata."));
        QVERIFY(oldPw->text().isEmpty());
        QCOMPARE(newPw->text(), QStringLiteral("tavola8"));
        QCOMPARE(QApplication::focusWidget(), oldPw);

        typeInto(oldPw, QStringLiteral("benvenutitutti"));
        confirm->setText(QStringLiteral("Tavola8"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(m_messages->last(), texts::passwordNotConfirmed);
        QVERIFY(newPw->text().isEmpty() && confirm->text().isEmpty());
        QCOMPARE(oldPw->text(), QStringLiteral("benvenutitutti"));
        QCOMPARE(QApplication::focusWidget(), newPw);

        newPw->setText(QStringLiteral("prezzo€"));
        confirm->setText(QStringLiteral("prezzo€"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(m_messages->last(), texts::passwordUnsupported);
        QVERIFY(newPw->text().isEmpty() && confirm->text().isEmpty());

        typeInto(newPw, QStringLiteral("tavola8"));
        typeInto(confirm, QStringLiteral("tavola8"));
        pressEnter(confirm); // Enter only moves the focus
        QCOMPARE(m_messages->shown.size(), 3);
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(m_messages->last(),
                 QStringLiteral("Modifica della password completata con successo."));
        for (const auto &m : m_messages->shown)
            QCOMPARE(m.kind, MessageKind::Plain);

        // Back at the password window, empty and focused; only the new password opens.
        QVERIFY(!c->isVisible());
        QVERIFY(w->isVisible());
        activate(w);
        auto *txt = child<QLineEdit>(w, "txtPassword");
        QVERIFY(txt->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), txt);
        typeInto(txt, QStringLiteral("benvenutitutti"));
        pressEnter(txt);
        QCOMPARE(m_messages->last(), texts::passwordWrong);
        typeInto(txt, QStringLiteral("TAVOLA8"));
        pressEnter(txt);
        QVERIFY(launcher()->isVisible());
    }

    void changeWindowCloseShowsLoginAgain()
    {
        TfrmPassword *w = password();
        w->show();
        activate(w);
        typeInto(child<QLineEdit>(w, "txtPassword"), QStringLiteral("abc"));
        QTest::mouseClick(child<QPushButton>(w, "btnCambiaPassword"), Qt::LeftButton);
        QWidget *c = change();
        activate(c);
        typeInto(child<QLineEdit>(c, "txtPasswordOld"), QStringLiteral("qualcosa"));
        QTest::mouseClick(child<QPushButton>(c, "cmdEsci"), Qt::LeftButton);
        QVERIFY(!c->isVisible());
        QVERIFY(w->isVisible());
        QVERIFY(child<QLineEdit>(w, "txtPassword")->text().isEmpty());
        QVERIFY(m_messages->shown.isEmpty());

        // Shown again, the change window starts empty.
        QTest::mouseClick(child<QPushButton>(w, "btnCambiaPassword"), Qt::LeftButton);
        QVERIFY(child<QLineEdit>(c, "txtPasswordOld")->text().isEmpty());
    }

    void launcherTiles()
    {
        QWidget *l = launcher();
        // Tile 02 opens a stand-in app window; tile 08's window is not declared here.
        registerWindow(QStringLiteral("TfrmRicette"), [] {
            auto *app = new QWidget;
            returnToLauncherOnClose(app);
            return app;
        });
        l->show();
        activate(l);
        QCOMPARE(l->windowTitle(), QStringLiteral("Brisvola"));
        QVERIFY(l->windowState().testFlag(Qt::WindowMaximized));
        QCOMPARE(child<QWidget>(l, "panContainer")->size(), QSize(995, 692));

        const QStringList numbers{"02", "03", "04", "06", "07", "08"};
        for (const QString &n : numbers) {
            auto *img = l->findChild<Picture *>(QStringLiteral("imgApp") + n);
            auto *btn = l->findChild<Picture *>(QStringLiteral("btnApp") + n);
            QVERIFY(img && btn);
            QCOMPARE(img->size(), QSize(258, 164));
            QCOMPARE(btn->size(), QSize(258, 45));
            QCOMPARE(img->parentWidget()->size(), QSize(320, 228));
        }
        auto *img02 = child<Picture>(l, "imgApp02");
        auto *btn02 = child<Picture>(l, "btnApp02");
        auto *img08 = child<Picture>(l, "imgApp08");
        QVERIFY(img02->isEnabled() && btn02->isEnabled());
        QVERIFY(!img08->isEnabled() && !child<Picture>(l, "btnApp08")->isEnabled());

        // A disabled tile does nothing.
        QTest::mouseClick(img08, Qt::LeftButton);
        QVERIFY(l->isVisible());

        // Picture and button open the same window; its close box brings the launcher back.
        for (Picture *p : {img02, btn02}) {
            QTest::mouseClick(p, Qt::LeftButton);
            QWidget *app = existingWindow(QStringLiteral("TfrmRicette"));
            QVERIFY(app && app->isVisible());
            QVERIFY(!l->isVisible());
            app->close();
            QVERIFY(!app->isVisible());
            QVERIFY(l->isVisible());
        }
    }

    void launcherIcons()
    {
        QWidget *l = launcher();
        l->show();
        activate(l);
        for (const char *name : {"imgInfo", "imgGuida", "imgCopyright", "imgSito", "imgEsci"})
            QCOMPARE(child<Picture>(l, name)->cursor().shape(), Qt::PointingHandCursor);

        QTest::mouseClick(child<Picture>(l, "imgSito"), Qt::LeftButton);
        QCOMPARE(m_urls.urls, QList<QUrl>{QUrl(TfrmAvvio::webSite())});

        bool seen = false;
        onNextDialog(
            [](QWidget *d) {
                QCOMPARE(d->objectName(), QStringLiteral("TfrmGuida"));
                QCOMPARE(d->findChild<QLabel *>(QStringLiteral("lblTitolo"))->text(),
                         QStringLiteral("Uno sguardo a Brisvola"));
                QVERIFY(d->findChild<QPlainTextEdit *>(QStringLiteral("txtGuida"))
                            ->toPlainText()
                            .startsWith(QStringLiteral("Brisvola è un software rivolto")));
            },
            &seen);
        QTest::mouseClick(child<Picture>(l, "imgGuida"), Qt::LeftButton);
        QVERIFY(seen);

        seen = false;
        onNextDialog(
            [](QWidget *d) {
                QCOMPARE(d->objectName(), QStringLiteral("TfrmInfo"));
                QCOMPARE(d->windowTitle(), QStringLiteral(" Informazioni su Brisvola"));
                QCOMPARE(d->size(), QSize(473, 579));
                QVERIFY(!hasCloseBox(d));
                // The version is the build's project version.
                QVERIFY(d->findChild<QLabel *>(QStringLiteral("lblDescrizione"))
                            ->text()
                            .endsWith(QStringLiteral("abituali.\n\nVersione 1.0")));
                QTest::mouseClick(d->findChild<QWidget *>(QStringLiteral("imgEmail")),
                                  Qt::LeftButton);
            },
            &seen);
        QTest::mouseClick(child<Picture>(l, "imgInfo"), Qt::LeftButton);
        QVERIFY(seen);
        QCOMPARE(m_urls.urls.size(), 2);
        const QUrl mail = m_urls.urls.last();
        QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
        QCOMPARE(mail.path(), QStringLiteral("info@brisvola.it"));
        const QUrlQuery query(mail);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Software Brisvola"));
        QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
                 QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software "
                                "in oggetto:"));

        seen = false;
        onNextDialog(
            [](QWidget *d) {
                QCOMPARE(d->objectName(), QStringLiteral("TfrmSplash"));
                QCOMPARE(d->size(), QSize(661, 467));
                QVERIFY(d->windowTitle().startsWith(QStringLiteral(" Brisvola")));
                QTest::mouseClick(d->findChild<QWidget *>(QStringLiteral("lnkWeb")),
                                  Qt::LeftButton);
                QTest::mouseClick(d->findChild<QWidget *>(QStringLiteral("imgWeb")),
                                  Qt::LeftButton);
            },
            &seen);
        QTest::mouseClick(child<Picture>(l, "imgCopyright"), Qt::LeftButton);
        QVERIFY(seen);
        QCOMPARE(m_urls.urls.mid(2),
                 (QList<QUrl>{QUrl(TfrmAvvio::webSite()), QUrl(TfrmAvvio::webSite())}));
        QVERIFY(l->isVisible());
    }

    void helpWindow()
    {
        QWidget parent;
        bool seen = false;
        onNextDialog(
            [this](QWidget *d) {
                QCOMPARE(d->windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));
                QCOMPARE(d->size(), QSize(676, 598));
                QVERIFY(!hasCloseBox(d));
                auto *title = d->findChild<QLabel *>(QStringLiteral("lblTitolo"));
                QCOMPARE(title->text(), QStringLiteral("App Calendario Servizi"));
                QCOMPARE(title->font().pointSize(), 16);
                QCOMPARE(title->palette().color(QPalette::WindowText), QColor(220, 20, 60));
                auto *text = d->findChild<QPlainTextEdit *>(QStringLiteral("txtGuida"));
                QVERIFY(text->isReadOnly());
                QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
                const QStringList paragraphs = text->toPlainText().split(QStringLiteral("\n\n"));
                QCOMPARE(paragraphs,
                         helpTopic(QStringLiteral("App Calendario Servizi")).paragraphs);

                // The link turns orange while pressed, dark blue again on release, and opens the
                // manual in the program folder.
                auto *link = d->findChild<LinkLabel *>(QStringLiteral("lnkWeb"));
                QCOMPARE(link->text(), QStringLiteral("Visualizza guida in formato PDF"));
                QCOMPARE(link->font().pointSize(), 14);
                QTest::mousePress(link, Qt::LeftButton);
                QCOMPARE(link->color(), QColor(0xFF, 0xA5, 0x00));
                QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0xFF, 0xA5, 0x00));
                QTest::mouseRelease(link, Qt::LeftButton);
                QCOMPARE(link->color(), QColor(0x00, 0x00, 0x8B));
                QCOMPARE(m_urls.urls.size(), 1);
                QTest::mouseClick(d->findChild<QWidget *>(QStringLiteral("imgPDF")),
                                  Qt::LeftButton);
            },
            &seen);
        showHelp(&parent, QStringLiteral("App Calendario Servizi"));
        QVERIFY(seen);
        const QUrl pdf = QUrl::fromLocalFile(QDir(programFolder()).filePath("Guida.pdf"));
        QCOMPARE(m_urls.urls, (QList<QUrl>{pdf, pdf}));
        // The dialog is destroyed once closed.
        QVERIFY(!parent.findChild<QDialog *>());
    }

    void qtDialogsSpeakItalian()
    {
        QVERIFY(brisvola::installQtTranslations());
        QFileDialog chooser;
        brisvola::prepareFileChooser(chooser);
        QCOMPARE(child<QLabel>(&chooser, "lookInLabel")->text(), QStringLiteral("Cerca in:"));
        QCOMPARE(child<QLabel>(&chooser, "fileNameLabel")->text(),
                 QStringLiteral("&Nome del file:"));
        QCOMPARE(QMessageBox(QMessageBox::Warning, QString(), QString(),
                             QMessageBox::Ok | QMessageBox::Cancel)
                     .button(QMessageBox::Cancel)
                     ->text(),
                 QStringLiteral("Annulla"));
        // The list's columns (name, size, type, date) read whole.
        auto *list = child<QTreeView>(&chooser, "treeView");
        QCOMPARE(list->header()->sectionResizeMode(1), QHeaderView::ResizeToContents);
    }

    void startUpShowsPasswordWindow()
    {
        startUp();
        QWidget *w = existingWindow(QStringLiteral("TfrmPassword"));
        QVERIFY(w && w->isVisible());
        activate(w);
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(w, "txtPassword"));
        QVERIFY(!existingWindow(QStringLiteral("TfrmAvvio")) ||
                !existingWindow(QStringLiteral("TfrmAvvio"))->isVisible());
        // The program's formats, whatever the machine's.
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        QCOMPARE(QLocale().toString(QDate(2026, 3, 7), QStringLiteral("dd/MM/yyyy")),
                 QStringLiteral("07/03/2026"));
    }
};

QTEST_MAIN(TestShellWindows)
#include "tst_shell_windows.moc"
