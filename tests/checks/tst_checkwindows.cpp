// The four check windows as the user meets them: opened by the shared openers and by the quote
// window's check buttons, typed into, checked, closed.
#include "TestSupport.h"

#include "checks/CheckWindow.h"
#include "checks/OpenCheck.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteRecord.h"
#include "shell/Clock.h"
#include "shell/WindowSet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <functional>

using brisvola::MessageKind;

Q_DECLARE_METATYPE(MessageKind)

namespace {

using Opener = void (*)(QWidget *, const QString &);

Opener opener(const QString &name)
{
    if (name == QLatin1String("taxCode"))
        return brisvola::checks::openTaxCodeCheck;
    if (name == QLatin1String("vat"))
        return brisvola::checks::openVatCheck;
    if (name == QLatin1String("iban"))
        return brisvola::checks::openIbanCheck;
    if (name == QLatin1String("card"))
        return brisvola::checks::openCardCheck;
    qFatal("no opener %s", qPrintable(name));
}

// What a test saw of the check window that open() showed.
struct Seen
{
    QString window; // its class name, empty when no check window opened
    QString field;  // the text of its edit as it opened
    bool leftOpen = false;
    QPointer<QWidget> instance; // null again once open() has returned
};

QLineEdit *fieldOf(QWidget *w)
{
    auto *edit = w->findChild<QLineEdit *>();
    if (!edit)
        qFatal("no edit in %s", qPrintable(w->objectName()));
    return edit;
}

// Runs open(), which should show a check window modally; action runs on that window once it is
// on screen and active. A window the action leaves open is closed afterwards, so the test goes on;
// when no check window comes within five seconds, nothing runs and Seen::window stays empty.
Seen onCheckWindow(const std::function<void()> &open,
                   const std::function<void(CheckWindow *)> &action = {})
{
    Seen seen;
    QTimer timer;
    timer.setInterval(10);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto *w = qobject_cast<CheckWindow *>(QApplication::activeModalWidget());
        if (!w) {
            if (clock.elapsed() > 5000) {
                timer.stop();
                if (QWidget *other = QApplication::activeModalWidget())
                    other->close();
            }
            return;
        }
        timer.stop();
        QApplication::setActiveWindow(w);
        seen.window = w->objectName();
        seen.field = fieldOf(w)->text();
        seen.instance = w;
        if (action)
            action(w);
        seen.leftOpen = seen.instance && seen.instance->isVisible();
        if (seen.leftOpen)
            w->reject();
    });
    timer.start();
    open();
    return seen;
}

template <class T = QWidget> T *child(QWidget *w, const QString &name)
{
    T *c = w->findChild<T *>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

// The quote window of a year, shown and active, with the launcher standing by.
struct QuotesFixture
{
    TempProgramFolder folder;
    TfrmPreventivi *window = nullptr;

    QuotesFixture()
    {
        brisvola::setNow(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
        brisvola::registerWindow(QStringLiteral("TfrmAvvio"), [] { return new QWidget; });
        brisvola::registerAppWindows();
        window = brisvola::window<TfrmPreventivi>(QStringLiteral("TfrmPreventivi"));
        window->lblFile->setText(quotes::quoteArchivePath(QStringLiteral("2024")));
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            qFatal("the quote window did not show");
        QApplication::setActiveWindow(window);
    }
    ~QuotesFixture()
    {
        brisvola::destroyWindows();
        brisvola::setNow(QDateTime());
    }
};

} // namespace

class TestCheckWindows : public QObject
{
    Q_OBJECT
private slots:
    void frames_data();
    void frames();
    void verdicts_data();
    void verdicts();
    void enterLeadsToTheCheck_data();
    void enterLeadsToTheCheck();
    void typing_data();
    void typing();
    void pasteBringsOnlyDigits();
    void longValueIsShownWhole();
    void quoteButtons_data();
    void quoteButtons();
};

void TestCheckWindows::frames_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("instructions");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("limit");

    QTest::newRow("codice fiscale")
        << "taxCode"
        << "TfrmCodFisc"
        << " Controllo codice fiscale" << QSize(478, 254)
        << "Immettere il codice fiscale e premere il pulsante di controllo."
        << "txtCodFisc" << 16;
    QTest::newRow("partita IVA")
        << "vat"
        << "TfrmPartitaIva"
        << " Controllo partita IVA" << QSize(480, 254)
        << "Immettere il numero di partita IVA e premere il pulsante di controllo."
        << "txtPartitaIva" << 11;
    QTest::newRow("IBAN") << "iban"
                          << "TfrmIban"
                          << " Controllo IBAN" << QSize(608, 270)
                          << "Immettere l'IBAN e premere il pulsante di controllo."
                          << "txtIban" << 27;
    QTest::newRow("carta") << "card"
                           << "TfrmCarta"
                           << " Controllo carta di credito" << QSize(519, 254)
                           << "Immettere il numero di carta di credito e premere il pulsante di "
                              "controllo."
                           << "txtNumero" << 30;
}

void TestCheckWindows::frames()
{
    QFETCH(QString, open);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QString, instructions);
    QFETCH(QString, field);
    QFETCH(int, limit);

    MessageRecorder messages;
    bool looked = false;
    const Seen seen = onCheckWindow(
        [&] { opener(open)(nullptr, QString()); },
        [&](CheckWindow *w) {
            looked = true;
            QCOMPARE(w->windowTitle(), caption);
            QCOMPARE(w->size(), size);
            QCOMPARE(w->minimumSize(), size);
            QCOMPARE(w->maximumSize(), size);
            QVERIFY(w->isModal() || w->windowModality() != Qt::NonModal);
            const Qt::WindowFlags flags = w->windowFlags();
            QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
            const QPoint centre = w->screen()->availableGeometry().center();
            QVERIFY(qAbs(w->frameGeometry().center().x() - centre.x()) <= 3);
            QVERIFY(qAbs(w->frameGeometry().center().y() - centre.y()) <= 3);
            QVERIFY(child(w, "imgLogo")->isVisible());
            QCOMPARE(child<QLabel>(w, "lblTitolo")->text(), instructions);
            QCOMPARE(child<QPushButton>(w, "btnControlla")->text(), QStringLiteral("Controlla"));
            auto *edit = child<QLineEdit>(w, field);
            QCOMPARE(edit->maxLength(), limit);
            QCOMPARE(edit->font().family(), QStringLiteral("Courier New"));
            QCOMPARE(edit->font().pointSize(), 20);
            QVERIFY(edit->font().bold());
            QCOMPARE(QApplication::focusWidget(), edit);
            auto *close = child<QPushButton>(w, "btnChiudi");
            QCOMPARE(close->text(), QStringLiteral("Chiudi"));
            close->click();
        });
    QVERIFY(looked);
    QCOMPARE(seen.window, window);
    QVERIFY(!seen.leftOpen);
    QVERIFY(seen.instance.isNull());
    QVERIFY(messages.shown.isEmpty());
}

void TestCheckWindows::verdicts_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("leftOpen");

    const QString cfLength = QStringLiteral(
        "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
    const QString cfWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
    const QString vatLength =
        QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
    const QString vatWrong = QStringLiteral(
        "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi "
        "possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");
    const QString vatValid = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO."
                                            "\r\n\r\nE' stato rilasciato dall'Ufficio IVA del "
                                            "Comune di ");
    const QString ibanLength =
        QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
    const QString ibanWrong = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");
    const QString cardWrong = QStringLiteral(
        "Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
        "informazioni relative al tipo di carta di credito.");
    const QString cardEmpty = QStringLiteral("Attenzione: immettere il numero di carta di credito "
                                             "prima di premere il pulsante di controllo.");

    QTest::newRow("codice fiscale in lower case")
        << "taxCode"
        << " rssmra85t10a562s "
        << "TfrmCodFisc"
        << "RSSMRA85T10A562S" << MessageKind::Information << "Il codice fiscale digitato è VALIDO."
        << false;
    QTest::newRow("codice fiscale, last letter replaced")
        << "taxCode"
        << "RSSMRA85T10A562T"
        << "TfrmCodFisc"
        << "RSSMRA85T10A562T" << MessageKind::Warning << cfWrong << false;
    QTest::newRow("codice fiscale with a blank inside")
        << "taxCode"
        << "RSSMRA85 10A562S"
        << "TfrmCodFisc"
        << "RSSMRA85 10A562S" << MessageKind::Warning << cfWrong << false;
    QTest::newRow("codice fiscale of 15 characters")
        << "taxCode"
        << "RSSMRA85T10A562"
        << "TfrmCodFisc"
        << "RSSMRA85T10A562" << MessageKind::Warning << cfLength << true;
    QTest::newRow("empty codice fiscale") << "taxCode"
                                          << ""
                                          << "TfrmCodFisc"
                                          << "" << MessageKind::Warning << cfLength << true;
    QTest::newRow("codice fiscale of 18 characters")
        << "taxCode"
        << "RSSMRA85T10A562SXY"
        << "TfrmCodFisc"
        << "RSSMRA85T10A562SXY" << MessageKind::Warning << cfLength << true;
    QTest::newRow("codice fiscale of digits")
        << "taxCode"
        << " 12345670587 "
        << "TfrmPartitaIva"
        << "12345670587" << MessageKind::Information << vatValid + "Roma 1." << false;

    QTest::newRow("partita IVA of Roma 1")
        << "vat"
        << "12345670587"
        << "TfrmPartitaIva"
        << "12345670587" << MessageKind::Information << vatValid + "Roma 1." << false;
    QTest::newRow("partita IVA of office 120")
        << "vat"
        << "12345671205"
        << "TfrmPartitaIva"
        << "12345671205" << MessageKind::Information << vatValid + "Bologna 2." << false;
    QTest::newRow("partita IVA of Forlì") << "vat"
                                          << "12345670405"
                                          << "TfrmPartitaIva"
                                          << "12345670405" << MessageKind::Information
                                          << vatValid + QStringLiteral("Forlì.") << false;
    QTest::newRow("partita IVA of an unknown office")
        << "vat"
        << "12345671031"
        << "TfrmPartitaIva"
        << "12345671031" << MessageKind::Information
        << "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nIl codice 103 dell'Ufficio "
           "IVA che lo ha rilasciato non corrisponde a nessun ufficio conosciuto."
        << false;
    QTest::newRow("partita IVA, last digit changed")
        << "vat"
        << "12345670588"
        << "TfrmPartitaIva"
        << "12345670588" << MessageKind::Warning << vatWrong << false;
    QTest::newRow("partita IVA of 10 digits")
        << "vat"
        << "1234567058"
        << "TfrmPartitaIva"
        << "1234567058" << MessageKind::Warning << vatLength << true;
    QTest::newRow("partita IVA of 12 digits")
        << "vat"
        << "123456705870"
        << "TfrmPartitaIva"
        << "123456705870" << MessageKind::Warning << vatLength << true;
    QTest::newRow("partita IVA with a letter")
        << "vat"
        << "1234567058a"
        << "TfrmPartitaIva"
        << "1234567058a" << MessageKind::Warning << vatWrong << false;

    QTest::newRow("IBAN in lower case") << "iban"
                                        << "it60x0542811101000000123456"
                                        << "TfrmIban"
                                        << "IT60X0542811101000000123456" << MessageKind::Information
                                        << "L'IBAN digitato è VALIDO." << false;
    QTest::newRow("IBAN, two digits swapped")
        << "iban"
        << "IT60X0542811101000000123465"
        << "TfrmIban"
        << "IT60X0542811101000000123465" << MessageKind::Warning << ibanWrong << false;
    QTest::newRow("IBAN with a hyphen")
        << "iban"
        << "IT60X0542811101000000-23456"
        << "TfrmIban"
        << "IT60X0542811101000000-23456" << MessageKind::Warning << ibanWrong << false;
    QTest::newRow("IBAN of 26 characters")
        << "iban"
        << "IT60X054281110100000012345"
        << "TfrmIban"
        << "IT60X054281110100000012345" << MessageKind::Warning << ibanLength << true;
    QTest::newRow("IBAN in groups of four")
        << "iban"
        << "IT60 X054 2811 1010 0000 0123 456"
        << "TfrmIban"
        << "IT60 X054 2811 1010 0000 0123 456" << MessageKind::Warning << ibanLength << true;

    QTest::newRow("Visa")
        << "card"
        << "4111111111111111"
        << "TfrmCarta"
        << "4111111111111111" << MessageKind::Information
        << "Il numero di carta di credito 4111111111111111 risulta valido.\r\n\r\n"
           "La carta di credito è del tipo Visa."
        << false;
    QTest::newRow("Visa in groups")
        << "card"
        << " 4111 1111 1111 1111 "
        << "TfrmCarta"
        << "4111 1111 1111 1111" << MessageKind::Information
        << "Il numero di carta di credito 4111 1111 1111 1111 risulta valido.\r\n\r\n"
           "La carta di credito è del tipo Visa."
        << false;
    QTest::newRow("American Express")
        << "card"
        << "378282246310005"
        << "TfrmCarta"
        << "378282246310005" << MessageKind::Information
        << "Il numero di carta di credito 378282246310005 risulta valido.\r\n\r\n"
           "La carta di credito è del tipo American Express."
        << false;
    QTest::newRow("Diners")
        << "card"
        << "30569309025904"
        << "TfrmCarta"
        << "30569309025904" << MessageKind::Information
        << "Il numero di carta di credito 30569309025904 risulta valido.\r\n\r\n"
           "La carta di credito è del tipo Diner's Club / Carte Blanche."
        << false;
    QTest::newRow("valid, starting with 32")
        << "card"
        << "3200000000000002"
        << "TfrmCarta"
        << "3200000000000002" << MessageKind::Information
        << "Il numero di carta di credito 3200000000000002 risulta valido.\r\n\r\n"
           "Non è però possibile riconoscere il tipo di carta di credito."
        << false;
    QTest::newRow("card, a digit changed")
        << "card"
        << "4111111111111112"
        << "TfrmCarta"
        << "4111111111111112" << MessageKind::Warning << cardWrong << false;
    QTest::newRow("Luhn-valid, starting with 2")
        << "card"
        << "2221000000000009"
        << "TfrmCarta"
        << "2221000000000009" << MessageKind::Warning << cardWrong << false;
    QTest::newRow("Luhn-valid, starting with 9")
        << "card"
        << "9000000000000001"
        << "TfrmCarta"
        << "9000000000000001" << MessageKind::Warning << cardWrong << false;
    QTest::newRow("no card number") << "card"
                                    << "   "
                                    << "TfrmCarta"
                                    << "" << MessageKind::Warning << cardEmpty << true;
}

void TestCheckWindows::verdicts()
{
    QFETCH(QString, open);
    QFETCH(QString, value);
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(MessageKind, kind);
    QFETCH(QString, message);
    QFETCH(bool, leftOpen);

    MessageRecorder messages;
    bool focusBack = false;
    const Seen seen = onCheckWindow([&] { opener(open)(nullptr, value); },
                                    [&](CheckWindow *w) {
                                        w->btnControlla->click();
                                        focusBack = QApplication::focusWidget() == fieldOf(w);
                                    });
    QCOMPARE(seen.window, window);
    QCOMPARE(seen.field, field);
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].kind, kind);
    QCOMPARE(messages.shown[0].text, message);
    QCOMPARE(messages.shown[0].buttons, brisvola::MessageButtons::Ok);
    QCOMPARE(seen.leftOpen, leftOpen);
    if (leftOpen)
        QVERIFY(focusBack);
    QVERIFY(seen.instance.isNull());
}

void TestCheckWindows::enterLeadsToTheCheck_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("value");
    QTest::newRow("codice fiscale") << "taxCode"
                                    << "RSSMRA85T10A562S";
    QTest::newRow("partita IVA") << "vat"
                                 << "12345670587";
    QTest::newRow("IBAN") << "iban"
                          << "IT60X0542811101000000123456";
    QTest::newRow("carta") << "card"
                           << "4111111111111111";
}

void TestCheckWindows::enterLeadsToTheCheck()
{
    QFETCH(QString, open);
    QFETCH(QString, value);
    MessageRecorder messages;
    bool onButton = false;
    const Seen seen = onCheckWindow([&] { opener(open)(nullptr, value); },
                                    [&](CheckWindow *w) {
                                        QLineEdit *edit = fieldOf(w);
                                        QTest::keyClick(edit, Qt::Key_Return);
                                        onButton = QApplication::focusWidget() == w->btnControlla;
                                        QCOMPARE(edit->text(), value); // Enter types nothing
                                        QVERIFY(messages.shown.isEmpty());
                                        QTest::keyClick(w->btnControlla, Qt::Key_Return);
                                    });
    QVERIFY(!seen.window.isEmpty());
    QVERIFY(onButton);
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].kind, MessageKind::Information);
    QVERIFY(!seen.leftOpen);
}

void TestCheckWindows::typing_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("cursor"); // -1: at the end
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("codice fiscale in capitals") << "taxCode"
                                                << "" << -1 << "rssmra85t10a562s"
                                                << "RSSMRA85T10A562S";
    // A blank typed at either end goes at once; one typed inside stays.
    QTest::newRow("codice fiscale: outer blanks go") << "taxCode"
                                                     << "" << -1 << " rss mra "
                                                     << "RSSMRA";
    QTest::newRow("codice fiscale: inner blank stays") << "taxCode"
                                                       << "rssmra" << 3 << " "
                                                       << "RSS MRA";
    QTest::newRow("codice fiscale: no character filtered") << "taxCode"
                                                           << "" << -1 << "a-b.c"
                                                           << "A-B.C";
    QTest::newRow("codice fiscale: 16 at most") << "taxCode"
                                                << "" << -1 << "RSSMRA85T10A562SXY"
                                                << "RSSMRA85T10A562S";
    QTest::newRow("IBAN in capitals") << "iban"
                                      << "" << -1 << " it60x054"
                                      << "IT60X054";
    QTest::newRow("partita IVA: digits only") << "vat"
                                              << "" << -1 << "12a3-4 5.6"
                                              << "123456";
    QTest::newRow("partita IVA: Backspace") << "vat"
                                            << "" << -1 << "123\b4"
                                            << "124";
    QTest::newRow("partita IVA: 11 at most") << "vat"
                                             << "" << -1 << "123456789012"
                                             << "12345678901";
    QTest::newRow("card: digits only") << "card"
                                       << "" << -1 << "4111 x1111-"
                                       << "41111111";
    // A number passed with blanks stays editable digit by digit.
    QTest::newRow("card passed with blanks") << "card"
                                             << "4111 1111" << -1 << "22"
                                             << "4111 111122";
}

void TestCheckWindows::typing()
{
    QFETCH(QString, open);
    QFETCH(QString, value);
    QFETCH(int, cursor);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    MessageRecorder messages;
    QString text;
    const Seen seen =
        onCheckWindow([&] { opener(open)(nullptr, value); },
                      [&](CheckWindow *w) {
                          QLineEdit *edit = fieldOf(w);
                          edit->setCursorPosition(cursor < 0 ? int(edit->text().size()) : cursor);
                          QTest::keyClicks(edit, typed);
                          text = edit->text();
                      });
    QVERIFY(!seen.window.isEmpty());
    QCOMPARE(text, shown);
    QVERIFY(messages.shown.isEmpty());
}

void TestCheckWindows::pasteBringsOnlyDigits()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("12-34 ab5"));
    if (QGuiApplication::clipboard()->text() != QLatin1String("12-34 ab5"))
        QSKIP("no clipboard on this platform");
    QString text;
    const Seen seen = onCheckWindow([&] { opener(QStringLiteral("vat"))(nullptr, QString()); },
                                    [&](CheckWindow *w) {
                                        QLineEdit *edit = fieldOf(w);
                                        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
                                        text = edit->text();
                                    });
    QCOMPARE(seen.window, QStringLiteral("TfrmPartitaIva"));
    QCOMPARE(text, QStringLiteral("12345"));
}

void TestCheckWindows::longValueIsShownWhole()
{
    // A longer value than the user could type is not cut to fit; once the user shortens it, the
    // limit holds again.
    QString afterDelete;
    QString afterTyping;
    int limit = 0;
    const Seen seen =
        onCheckWindow([&] { opener(QStringLiteral("taxCode"))(nullptr, "RSSMRA85T10A562SXY"); },
                      [&](CheckWindow *w) {
                          QLineEdit *edit = fieldOf(w);
                          edit->setCursorPosition(18);
                          QTest::keyClick(edit, Qt::Key_Backspace);
                          QTest::keyClick(edit, Qt::Key_Backspace);
                          afterDelete = edit->text();
                          QTest::keyClicks(edit, "AB");
                          afterTyping = edit->text();
                          limit = edit->maxLength();
                      });
    QCOMPARE(seen.field, QStringLiteral("RSSMRA85T10A562SXY"));
    QCOMPARE(afterDelete, QStringLiteral("RSSMRA85T10A562S"));
    QCOMPARE(afterTyping, QStringLiteral("RSSMRA85T10A562S"));
    QCOMPARE(limit, 16);
}

void TestCheckWindows::quoteButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("passed");

    QTest::newRow("issuer partita IVA") << "btnIvaDitta"
                                        << "txtIvaDitta"
                                        << " 12345670587 "
                                        << "TfrmPartitaIva"
                                        << "12345670587";
    QTest::newRow("customer partita IVA") << "btnIvaCliente"
                                          << "txtIvaCliente"
                                          << "00000000000 "
                                          << "TfrmPartitaIva"
                                          << "00000000000";
    QTest::newRow("empty partita IVA") << "btnIvaCliente"
                                       << "txtIvaCliente"
                                       << ""
                                       << "TfrmPartitaIva"
                                       << "";
    QTest::newRow("issuer tax code of digits") << "btnCodFiscDitta"
                                               << "txtCodFiscDitta"
                                               << "12345670587  "
                                               << "TfrmPartitaIva"
                                               << "12345670587";
    QTest::newRow("issuer personal tax code") << "btnCodFiscDitta"
                                              << "txtCodFiscDitta"
                                              << " RSSMRA85T10A562S"
                                              << "TfrmCodFisc"
                                              << "RSSMRA85T10A562S";
    QTest::newRow("customer tax code of digits") << "btnCodFiscCliente"
                                                 << "txtCodFiscCliente"
                                                 << "12345670587"
                                                 << "TfrmPartitaIva"
                                                 << "12345670587";
    QTest::newRow("customer personal tax code") << "btnCodFiscCliente"
                                                << "txtCodFiscCliente"
                                                << "BNCLRA70A41H501B "
                                                << "TfrmCodFisc"
                                                << "BNCLRA70A41H501B";
    QTest::newRow("no customer tax code") << "btnCodFiscCliente"
                                          << "txtCodFiscCliente"
                                          << "  "
                                          << "TfrmCodFisc"
                                          << "";
    QTest::newRow("tax code of digits and a blank") << "btnCodFiscCliente"
                                                    << "txtCodFiscCliente"
                                                    << "1234567 0587"
                                                    << "TfrmCodFisc"
                                                    << "1234567 0587";
}

void TestCheckWindows::quoteButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, window);
    QFETCH(QString, passed);

    MessageRecorder messages;
    QuotesFixture f;
    child<QLineEdit>(f.window, field)->setText(value);
    auto *b = child<QAbstractButton>(f.window, button);
    QVERIFY(b->isEnabled());
    QWidget *parent = nullptr;
    const Seen seen = onCheckWindow([&] { b->click(); },
                                    [&](CheckWindow *w) {
                                        parent = w->parentWidget();
                                        w->btnChiudi->click();
                                    });
    QCOMPARE(seen.window, window);
    QCOMPARE(seen.field, passed);
    QCOMPARE(parent, f.window);
    // The quote's own field is left as it was.
    QCOMPARE(child<QLineEdit>(f.window, field)->text(), value);
    QVERIFY(messages.shown.isEmpty());
}

QTEST_MAIN(TestCheckWindows)
#include "tst_checkwindows.moc"
