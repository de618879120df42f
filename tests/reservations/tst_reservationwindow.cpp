#include "TestSupport.h"

#include "archive/ArchiveWindow.h"
#include "archive/RecordFile.h"
#include "reservations/Prenotazioni.h"
#include "reservations/ReservationRecord.h"
#include "shell/Avvio.h"
#include "shell/Clock.h"
#include "shell/Picture.h"
#include "shell/WindowSet.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

using brisvola::MessageButtons;
using brisvola::MessageKind;

// The texts the user reads, as documented.
namespace texts {
const QString fourDigits =
    QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
const QString saved = QStringLiteral("La scheda corrente è stata salvata in archivio.");
const QString updated =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString duplicated =
    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                   "Al termine premere Salva per inserire la scheda in archivio.");
const QString april31 =
    QStringLiteral("Attenzione: la data 31/04/2024 non esiste.\n\r\n\rPer poter salvare la "
                   "scheda è necessario indicare una data valida.");
const QString endHour =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare l'ora di fine pasto.");
const QString emptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString noAddress = QStringLiteral(
    "Attenzione: per inviare la conferma di prenotazione al cliente è necessario indicare "
    "l'indirizzo di posta elettronica.");
const QString noCustomer = QStringLiteral("Attenzione: per inviare la conferma di prenotazione è "
                                          "necessario indicare il nome del cliente.");
const QString body = QStringLiteral(
    "Gentile Cliente, la presente è per confermare la prenotazione effettuata presso il nostro "
    "locale a nome di Bar & Grill #1? Rossi per n. 6 persone. Le confermiamo la data del 05 "
    "Marzo 2024 alle ore 20:07. Ringraziandola per la preferenza accordataci, le porgiamo "
    "cordiali saluti.");
} // namespace texts

// Catches what the shell open hands to the desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("mailto")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

namespace {

template <class T = QWidget> T *child(QWidget *w, const QString &name)
{
    T *c = w->findChild<T *>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

// The reservation window shown from the launcher, the year 2024 open.
struct Fixture
{
    TempProgramFolder folder;
    MessageRecorder messages;
    TfrmPrenotazioni *window = nullptr;
    QWidget *launcher = nullptr;

    Fixture()
    {
        brisvola::setNow(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
        brisvola::registerWindow(QStringLiteral("TfrmAvvio"), [] { return new QWidget; });
        brisvola::registerAppWindows();
        launcher = brisvola::window(QStringLiteral("TfrmAvvio"));
        window = brisvola::window<TfrmPrenotazioni>(QStringLiteral("TfrmPrenotazioni"));
    }
    ~Fixture()
    {
        brisvola::destroyWindows();
        brisvola::setNow(QDateTime());
    }
    void show()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QApplication::setActiveWindow(window);
    }
    void open(const QString &year = QStringLiteral("2024"))
    {
        show();
        window->txtAnno->setText(year);
        clickButton(window, "btnApri");
    }
    QString text(const char *name) const
    {
        return ArchiveWindow::fieldText(child(window, QLatin1StringView(name)));
    }
    void set(const char *name, const QString &value)
    {
        ArchiveWindow::setFieldText(child(window, QLatin1StringView(name)), value);
    }
    void click(const char *name) { clickButton(window, name); }
    // A card that passes every check.
    void fill(const QString &customer = QStringLiteral("Mario Rossi"))
    {
        set("txtGiornoRit", QStringLiteral("15"));
        set("txtMeseRit", QStringLiteral("Marzo"));
        set("txtOreRit", QStringLiteral("20"));
        set("txtMinutiRit", QStringLiteral("30"));
        set("txtCliente", customer);
        set("txtRecapito", QStringLiteral("333 1234567"));
    }
    QString path() const { return folder.file(QStringLiteral("2024.tav")); }
    RecordFile file() const { return RecordFile(path(), reservations::reservationLayout()); }
    QWidget *focused() const { return QApplication::focusWidget(); }
};

} // namespace

class TestReservationWindow : public QObject
{
    Q_OBJECT
private slots:
    void startingPanelOpensTheYear();
    void everyControlIsThere();
    void keyFiltersAndExitRules();
    void enterChainAndHighlight();
    void saveChecksAndDefaults();
    void duplicateThenSaveAppends();
    void navigation();
    void quickFillAtASetClock();
    void emailConfirmation();
    void closingReturnsToTheLauncherAndStartsAgain();
    void hints();
    void helpAndLauncherTile();
    void unreadableRecordIsShownAndKept();
};

void TestReservationWindow::startingPanelOpensTheYear()
{
    Fixture f;
    f.show();
    QCOMPARE(f.window->windowTitle(), QStringLiteral(" Brisvola - Registro prenotazioni tavoli"));
    QVERIFY(f.window->panAvvio->isVisible());
    QVERIFY(!f.window->panContainer->isVisible());
    QCOMPARE(f.window->txtAnno->text(), QStringLiteral("2026"));
    QCOMPARE(f.focused(), f.window->txtAnno);
    QCOMPARE(child<QLabel>(f.window, "lblIstruzioni")->text(),
             QStringLiteral("In questo ambiente è possibile registrare le prenotazioni dei "
                            "tavoli effettuate dai propri clienti."));
    QCOMPARE(child<QLabel>(f.window, "lblApri")->text(),
             QStringLiteral("Indicare l'anno solare e premere Apri."));

    // Letters do not reach the year; three digits are refused.
    f.window->txtAnno->clear();
    QTest::keyClicks(f.window->txtAnno, QStringLiteral("2a02x4"));
    QCOMPARE(f.window->txtAnno->text(), QStringLiteral("2024"));
    f.window->txtAnno->setText(QStringLiteral("202"));
    f.click("btnApri");
    QCOMPARE(f.messages.texts(), QStringList{texts::fourDigits});
    QVERIFY(f.window->panAvvio->isVisible());
    QCOMPARE(f.focused(), f.window->txtAnno);

    f.messages.clear();
    f.window->txtAnno->setText(QStringLiteral("2024"));
    f.click("btnApri");
    QVERIFY(f.messages.shown.isEmpty());
    QCOMPARE(f.window->windowTitle(),
             QStringLiteral(" Brisvola - Registro prenotazioni tavoli anno 2024"));
    QCOMPARE(f.window->lblFile->text(), f.path());
    QVERIFY(!f.window->panAvvio->isVisible());
    QVERIFY(f.window->panContainer->isVisible());
    QCOMPARE(f.text("lblAnnoRit"), QStringLiteral("2024"));
    QCOMPARE(f.text("lblAnnoRic"), QStringLiteral("2024"));
    // A new card, and the file is not touched yet.
    QCOMPARE(f.text("txtOreRit"), QStringLiteral("00"));
    QCOMPARE(f.text("txtMinutiRic"), QStringLiteral("00"));
    QCOMPARE(f.text("txtStato"), QStringLiteral("Confermata"));
    QCOMPARE(f.text("txtPersone"), QStringLiteral("0"));
    QCOMPARE(f.text("txtTotale"), QStringLiteral("0,00"));
    QVERIFY(f.text("lblPosizione").isEmpty());
    QCOMPARE(f.focused()->objectName(), QStringLiteral("txtGiornoRit"));
    QVERIFY(!QFile::exists(f.path()));
    QCOMPARE(child<QLabel>(f.window, "panInfo")->text(),
             QStringLiteral("Pronto per stampare una nuova scheda..."));
}

void TestReservationWindow::everyControlIsThere()
{
    Fixture f;
    f.open();
    const QList<std::pair<const char *, int>> fields = {
        {"txtGiornoRit", 2},    {"txtMeseRit", 10},       {"txtOreRit", 2},
        {"txtMinutiRit", 2},    {"txtStato", 50},         {"txtCliente", 50},
        {"txtRecapito", 50},    {"txtPersone", 3},        {"txtMenu", 250},
        {"txtEmail", 120},      {"txtSegnalazioni", 250}, {"txtIntolleranze", 250},
        {"txtPreferenze", 250}, {"txtTavoli", 250},       {"txtCameriere", 50},
        {"txtNote", 250},       {"txtOreRic", 2},         {"txtMinutiRic", 2},
        {"txtTotale", 15}};
    for (const auto &[name, max] : fields) {
        QWidget *w = child(f.window, QLatin1StringView(name));
        auto *e = qobject_cast<QLineEdit *>(w);
        if (auto *c = qobject_cast<QComboBox *>(w))
            e = c->lineEdit();
        QVERIFY2(e && e->maxLength() == max, name);
        QVERIFY2(w->font().bold() && w->font().pointSize() == 12, name);
    }
    QCOMPARE(child<QComboBox>(f.window, "txtMeseRit")->count(), 12);
    QCOMPARE(child<QComboBox>(f.window, "txtMeseRit")->itemText(11), QStringLiteral("Dicembre"));
    QCOMPARE(child<QComboBox>(f.window, "txtGiornoRit")->count(), 31);
    QCOMPARE(child<QComboBox>(f.window, "txtMinutiRit")->itemText(59), QStringLiteral("59"));
    QCOMPARE(child<QComboBox>(f.window, "txtOreRic")->itemText(23), QStringLiteral("23"));
    QCOMPARE(child<QComboBox>(f.window, "txtStato")->itemText(0), QStringLiteral("Da confermare"));
    QCOMPARE(child<QComboBox>(f.window, "txtMenu")->itemText(2), QStringLiteral("Cena"));
    for (const char *name : {"cmdNuovo", "cmdDuplica", "cmdSalva", "cmdTrova", "cmdAnteprima",
                             "cmdStampa", "cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo",
                             "cmdEsporta", "cmdGuida", "cmdEsci", "cmdEmail", "impRitiro"})
        QVERIFY2(f.window->findChild<QToolButton *>(QLatin1StringView(name)), name);
    for (const char *name : {"lblAnnoRic", "lblDataRit", "lblDataRic", "lblOraRit", "lblOraRic"})
        QVERIFY2(!child(f.window, QLatin1StringView(name))->isVisible(), name);
    QVERIFY(child(f.window, "lblAnnoRit")->isVisible());
    QVERIFY(!child(f.window, "grpDataRic")->isVisible());
    QVERIFY(child(f.window, "txtGiornoRic"));
    QVERIFY(child(f.window, "txtMeseRic"));
}

void TestReservationWindow::keyFiltersAndExitRules()
{
    Fixture f;
    f.open();
    auto *day = child<QComboBox>(f.window, "txtGiornoRit");
    auto *month = child<QComboBox>(f.window, "txtMeseRit");
    auto *hour = child<QComboBox>(f.window, "txtOreRit");
    auto *state = child<QComboBox>(f.window, "txtStato");
    auto *persons = child<QLineEdit>(f.window, "txtPersone");
    auto *amount = child<QLineEdit>(f.window, "txtTotale");
    auto *email = child<QLineEdit>(f.window, "txtEmail");

    // Typing changes nothing in the lists; Backspace empties them, but not the state.
    f.set("txtGiornoRit", QStringLiteral("15"));
    day->setFocus();
    QTest::keyClicks(day, QStringLiteral("a7"));
    QCOMPARE(day->currentText(), QStringLiteral("15"));
    QCOMPARE(day->currentIndex(), -1); // no entry pre-selected on entering
    QTest::keyClick(day, Qt::Key_Backspace);
    QVERIFY(day->currentText().isEmpty());
    month->setFocus();
    QTest::keyClicks(month, QStringLiteral("Marzolino"));
    QVERIFY(month->currentText().isEmpty());
    QTest::keyClicks(hour, QStringLiteral("x"));
    QCOMPARE(hour->currentText(), QStringLiteral("00"));
    QTest::keyClick(state, Qt::Key_Backspace);
    QTest::keyClicks(state, QStringLiteral("Annullata"));
    QCOMPARE(state->currentText(), QStringLiteral("Confermata"));

    // A value not in the list is emptied as the field is left.
    f.set("txtMeseRit", QStringLiteral("marzo"));
    month->setFocus();
    persons->setFocus();
    QVERIFY(month->currentText().isEmpty());

    // Persons take digits only, and become 0 when left empty.
    persons->clear();
    QTest::keyClicks(persons, QStringLiteral("1a2"));
    QCOMPARE(persons->text(), QStringLiteral("12"));
    persons->clear();
    amount->setFocus();
    QCOMPARE(persons->text(), QStringLiteral("0"));

    // The amount takes digits and the comma, and is normalised as it is left.
    amount->clear();
    QTest::keyClicks(amount, QStringLiteral("7x,5"));
    QCOMPARE(amount->text(), QStringLiteral("7,5"));
    email->setFocus();
    QCOMPARE(amount->text(), QStringLiteral("7,50"));
    amount->setText(QStringLiteral("1,2,3"));
    amount->setFocus();
    email->setFocus();
    QCOMPARE(amount->text(), QStringLiteral("0,00"));

    // The meal is free text; its list has no entry selected on entering either.
    auto *meal = child<QComboBox>(f.window, "txtMenu");
    f.set("txtMenu", QStringLiteral("Cena"));
    meal->setFocus();
    QCOMPARE(meal->currentIndex(), -1);
    QTest::keyClicks(meal, QStringLiteral(" di gala"));
    QCOMPARE(meal->currentText(), QStringLiteral("Cena di gala"));

    // The address loses its blanks at every keystroke.
    email->clear();
    QTest::keyClicks(email, QStringLiteral(" a@b.it "));
    QCOMPARE(email->text(), QStringLiteral("a@b.it"));
}

void TestReservationWindow::enterChainAndHighlight()
{
    Fixture f;
    f.open();
    const QStringList chain = {
        "txtGiornoRit",    "txtMeseRit",      "txtOreRit",     "txtMinutiRit", "txtStato",
        "txtCliente",      "txtRecapito",     "txtPersone",    "txtMenu",      "txtEmail",
        "txtSegnalazioni", "txtIntolleranze", "txtPreferenze", "txtTavoli",    "txtCameriere",
        "txtNote",         "txtOreRic",       "txtMinutiRic",  "txtTotale",    "txtGiornoRit"};
    child(f.window, chain[0])->setFocus();
    for (qsizetype i = 1; i < chain.size(); ++i) {
        QWidget *from = f.focused();
        QVERIFY(from);
        const QString eff = QStringLiteral("eff") + from->objectName().mid(3);
        QVERIFY2(child(f.window, eff)->isVisible(), qPrintable(eff));
        QTest::keyClick(from, Qt::Key_Return);
        QCOMPARE(f.focused()->objectName(), chain[i]);
        QVERIFY2(!child(f.window, eff)->isVisible(), qPrintable(eff));
    }
}

void TestReservationWindow::saveChecksAndDefaults()
{
    Fixture f;
    f.open();
    // 31 April: a plain message box, nothing written.
    f.fill();
    f.set("txtGiornoRit", QStringLiteral("31"));
    f.set("txtMeseRit", QStringLiteral("Aprile"));
    f.click("cmdSalva");
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.last(), texts::april31);
    QCOMPARE(f.messages.shown.last().kind, MessageKind::Plain);
    QCOMPARE(f.messages.shown.last().buttons, MessageButtons::Ok);
    QCOMPARE(f.focused()->objectName(), QStringLiteral("txtGiornoRit"));
    QVERIFY(!QFile::exists(f.path()) || f.file().count() == 0);

    // An end hour emptied with Backspace is refused.
    f.set("txtGiornoRit", QStringLiteral("30"));
    auto *endHour = child<QComboBox>(f.window, "txtOreRic");
    endHour->setFocus();
    QTest::keyClick(endHour, Qt::Key_Backspace);
    f.click("cmdSalva");
    QCOMPARE(f.messages.last(), texts::endHour);
    QCOMPARE(f.focused(), endHour);

    // The untouched card saves with 00:00, and the empty persons, amount and state get theirs.
    f.set("txtOreRic", QStringLiteral("00"));
    f.set("txtPersone", QString());
    f.set("txtTotale", QString());
    f.set("txtStato", QString());
    f.click("cmdSalva");
    QCOMPARE(f.messages.last(), texts::saved);
    QCOMPARE(f.text("lblPosizione"), QStringLiteral("1"));
    const Record r = f.file().read(1);
    QCOMPARE(r.text("OraRic"), QStringLiteral("00:00"));
    QCOMPARE(r.text("DataRit"), QStringLiteral("30/04/2024"));
    QCOMPARE(r.text("DataRic"), QStringLiteral("30/04/2024"));
    QCOMPARE(r.text("Persone"), QStringLiteral("0"));
    QCOMPARE(r.text("Totale"), QStringLiteral("0,00"));
    QCOMPARE(r.text("Stato"), QStringLiteral("Confermata"));
    QCOMPARE(f.text("txtStato"), QStringLiteral("Confermata"));
    QCOMPARE(f.text("lblDataRit"), QStringLiteral("30/04/2024"));
    QCOMPARE(f.text("txtGiornoRic"), QStringLiteral("30"));

    f.set("txtNote", QStringLiteral("compleanno"));
    f.click("cmdSalva");
    QCOMPARE(f.messages.last(), texts::updated);
    QCOMPARE(f.file().count(), 1);
    QCOMPARE(f.file().read(1).text("Note"), QStringLiteral("compleanno"));
}

void TestReservationWindow::duplicateThenSaveAppends()
{
    Fixture f;
    f.open();
    f.click("cmdDuplica");
    QCOMPARE(f.messages.last(),
             QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo "
                            "che questa è stata inserita in archivio."));
    f.fill();
    f.set("txtTavoli", QStringLiteral("7 e 8"));
    f.click("cmdSalva");
    const QByteArray original = f.file().read(1).bytes();
    f.click("cmdDuplica");
    QCOMPARE(f.messages.last(), texts::duplicated);
    QVERIFY(f.text("txtGiornoRit").isEmpty());
    QVERIFY(f.text("txtMeseRit").isEmpty());
    QVERIFY(f.text("lblPosizione").isEmpty());
    QCOMPARE(f.text("txtTavoli"), QStringLiteral("7 e 8"));
    QCOMPARE(f.focused()->objectName(), QStringLiteral("txtGiornoRit"));
    f.set("txtGiornoRit", QStringLiteral("22"));
    f.set("txtMeseRit", QStringLiteral("Marzo"));
    f.click("cmdSalva");
    QCOMPARE(f.messages.last(), texts::saved);
    QCOMPARE(f.file().count(), 2);
    QCOMPARE(f.text("lblPosizione"), QStringLiteral("2"));
    QCOMPARE(f.file().read(1).bytes(), original);
    QCOMPARE(f.file().read(2).text("DataRit"), QStringLiteral("22/03/2024"));
    QCOMPARE(f.file().read(2).text("Tavoli"), QStringLiteral("7 e 8"));
}

void TestReservationWindow::navigation()
{
    Fixture f;
    f.open();
    f.click("cmdPrimo");
    QCOMPARE(f.messages.last(), texts::emptyArchive);
    for (const char *name : {"Anna", "Bruno", "Carla"}) {
        f.click("cmdNuovo");
        f.fill(QLatin1StringView(name));
        f.click("cmdSalva");
    }
    f.click("cmdPrimo");
    QCOMPARE(f.text("txtCliente"), QStringLiteral("Anna"));
    QCOMPARE(f.text("lblPosizione"), QStringLiteral("1"));
    f.click("cmdAvanti");
    QCOMPARE(f.text("txtCliente"), QStringLiteral("Bruno"));
    f.click("cmdUltimo");
    QCOMPARE(f.text("txtCliente"), QStringLiteral("Carla"));
    QCOMPARE(f.text("lblPosizione"), QStringLiteral("3"));
    QCOMPARE(f.text("lblDataRit"), QStringLiteral("15/03/2024"));
    QCOMPARE(f.text("lblAnnoRit"), QStringLiteral("2024"));
    f.click("cmdIndietro");
    QCOMPARE(f.text("txtCliente"), QStringLiteral("Bruno"));
    // Navigating away drops the edits without a question.
    f.set("txtCliente", QStringLiteral("Zeno"));
    f.click("cmdAvanti");
    f.click("cmdIndietro");
    QCOMPARE(f.text("txtCliente"), QStringLiteral("Bruno"));
}

void TestReservationWindow::quickFillAtASetClock()
{
    Fixture f;
    f.open();
    brisvola::setNow(QDateTime(QDate(2026, 3, 5), QTime(20, 7)));
    f.click("impRitiro");
    QCOMPARE(f.text("txtGiornoRit"), QStringLiteral("05"));
    QCOMPARE(f.text("txtMeseRit"), QStringLiteral("Marzo"));
    QCOMPARE(f.text("txtOreRit"), QStringLiteral("20"));
    QCOMPARE(f.text("txtMinutiRit"), QStringLiteral("07"));
    // The year stays the open archive's.
    QCOMPARE(f.text("lblAnnoRit"), QStringLiteral("2024"));
}

void TestReservationWindow::emailConfirmation()
{
    Fixture f;
    UrlCatcher catcher;
    f.open();
    f.click("cmdEmail");
    QCOMPARE(f.messages.last(), texts::noAddress);
    QCOMPARE(f.focused()->objectName(), QStringLiteral("txtEmail"));
    f.set("txtEmail", QStringLiteral("mario@esempio.it"));
    f.click("cmdEmail");
    QCOMPARE(f.messages.last(), texts::noCustomer);
    QCOMPARE(f.focused()->objectName(), QStringLiteral("txtCliente"));
    QVERIFY(catcher.urls.isEmpty());

    // Unsaved fields; a name holding "&", "#" and "?" reaches the mail program whole.
    f.set("txtCliente", QStringLiteral("Bar & Grill #1? Rossi"));
    f.set("txtPersone", QStringLiteral("6"));
    f.set("txtGiornoRit", QStringLiteral("05"));
    f.set("txtMeseRit", QStringLiteral("Marzo"));
    f.set("txtOreRit", QStringLiteral("20"));
    f.set("txtMinutiRit", QStringLiteral("07"));
    f.click("cmdEmail");
    QCOMPARE(catcher.urls.size(), 1);
    const QUrl &url = catcher.urls[0];
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QCOMPARE(url.path(), QStringLiteral("mario@esempio.it"));
    const QUrlQuery query(url);
    QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
             QStringLiteral("Conferma prenotazione tavoli"));
    QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), texts::body);
    QCOMPARE(query.queryItems().size(), 2);
}

void TestReservationWindow::closingReturnsToTheLauncherAndStartsAgain()
{
    Fixture f;
    f.open();
    f.click("cmdEsci");
    QVERIFY(!f.window->isVisible());
    QVERIFY(f.launcher->isVisible());
    brisvola::showInstead(f.window, f.launcher);
    QVERIFY(QTest::qWaitForWindowExposed(f.window));
    QVERIFY(f.window->panAvvio->isVisible());
    QVERIFY(!f.window->panContainer->isVisible());
    QCOMPARE(f.window->windowTitle(), QStringLiteral(" Brisvola - Registro prenotazioni tavoli"));
    QCOMPARE(f.window->txtAnno->text(), QStringLiteral("2026"));
    // The close box of the window does the same.
    f.window->close();
    QVERIFY(f.launcher->isVisible());
}

void TestReservationWindow::hints()
{
    Fixture f;
    f.open();
    auto *info = child<QLabel>(f.window, "panInfo");
    // The offscreen screen is smaller than the panel: the window is made as large as the panel.
    f.window->setWindowState(Qt::WindowNoState);
    f.window->resize(1100, 760);
    const QList<std::pair<const char *, const char *>> hints = {
        {"cmdDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando "
                       "i dati correnti."},
        {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"cmdEmail", "Invia al cliente una e-mail di conferma prenotazione."},
        {"impRitiro", "Inserisci la data e l'ora corrente."},
    };
    for (const auto &[name, hint] : hints) {
        QWidget *w = child(f.window, QLatin1StringView(name));
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
        QCOMPARE(info->text(), QString::fromUtf8(hint));
    }
    QTest::mouseMove(child(f.window, "shpSezione02"), QPoint(3, 3));
    QVERIFY(info->text().isEmpty());
}

void TestReservationWindow::helpAndLauncherTile()
{
    Fixture f;
    f.show();
    for (const char *button : {"imgGuida", "cmdGuida"}) {
        if (QLatin1StringView(button) == QLatin1String("cmdGuida"))
            f.open();
        const auto expected = onNextModal([](QWidget *d) {
            QCOMPARE(d->objectName(), QStringLiteral("TfrmGuida"));
            QCOMPARE(child<QLabel>(d, "lblTitolo")->text(),
                     QStringLiteral("App Prenotazione Tavoli"));
            const QString text = child<QPlainTextEdit>(d, "txtGuida")->toPlainText();
            QVERIFY(text.startsWith(QStringLiteral(
                "L'app Prenotazione Tavoli mette a disposizione un ambiente per la registrazione "
                "delle prenotazioni di colazioni, pranzi e cene.")));
            QVERIFY(text.endsWith(QStringLiteral(
                "l'intero archivio annuale delle prenotazioni può essere esportato in un file di "
                "Excel.")));
        });
        f.click(button);
    }

    // The launcher's "Prenotazione Tavoli" tile opens the window on its year panel.
    f.window->close();
    brisvola::destroyWindows();
    brisvola::registerAppWindows();
    auto *launcher = brisvola::window<TfrmAvvio>(QStringLiteral("TfrmAvvio"));
    QVERIFY(launcher);
    launcher->show();
    auto *tile = child<brisvola::Picture>(launcher, "btnApp06");
    QVERIFY(tile->isEnabled());
    QTest::mouseClick(tile, Qt::LeftButton);
    auto *window = brisvola::window<TfrmPrenotazioni>(QStringLiteral("TfrmPrenotazioni"));
    QVERIFY(window->isVisible());
    QVERIFY(!launcher->isVisible());
    QVERIFY(window->panAvvio->isVisible());
}

void TestReservationWindow::unreadableRecordIsShownAndKept()
{
    Fixture f;
    // A record whose date and amount do not convert, then the start of a record cut short.
    Record bad(reservations::reservationLayout());
    bad.setText("GiornoRit", QStringLiteral("ab"));
    bad.setText("MeseRit", QStringLiteral("Marzo"));
    bad.setText("AnnoRit", QStringLiteral("2024"));
    bad.setText("DataRit", QStringLiteral("ab/03/2024"));
    bad.setText("OreRit", QStringLiteral("20"));
    bad.setText("MinutiRit", QStringLiteral("00"));
    bad.setText("OreRic", QStringLiteral("22"));
    bad.setText("MinutiRic", QStringLiteral("00"));
    bad.setText("Cliente", QStringLiteral("Mario Rossi"));
    bad.setText("Recapito", QStringLiteral("333"));
    bad.setText("Totale", QStringLiteral("1,2,3"));
    {
        QFile file(f.path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bad.bytes());
        file.write(QByteArray(700, 'z'));
    }
    const QByteArray before = [&] {
        QFile file(f.path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    f.open();
    f.click("cmdUltimo");
    QCOMPARE(f.text("lblPosizione"), QStringLiteral("1"));
    QCOMPARE(f.text("txtCliente"), QStringLiteral("Mario Rossi"));
    QCOMPARE(f.text("txtTotale"), QStringLiteral("1,2,3"));
    f.click("cmdSalva");
    QCOMPARE(
        f.messages.last(),
        QStringLiteral("Attenzione: la data ab/03/2024 non esiste.\n\r\n\rPer poter salvare la "
                       "scheda è necessario indicare una data valida."));
    QFile file(f.path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

QTEST_MAIN(TestReservationWindow)
#include "tst_reservationwindow.moc"
