#include "TestSupport.h"

#include "archive/ArchiveWindow.h"
#include "archive/RecordFile.h"
#include "quotes/DatiVeicolo.h"
#include "quotes/Logo.h"
#include "quotes/LogoFile.h"
#include "quotes/MenuPreventivi.h"
#include "quotes/Numerazione.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteRecord.h"
#include "quotes/QuoteSettings.h"
#include "shell/Clock.h"
#include "shell/WindowSet.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

// The texts the user reads, as documented.
namespace texts {
const QString settingsNotWritten = QStringLiteral(
    "Attenzione: non è stato possibile salvare le impostazioni nel file Numerazione.ini.\r\n\r\n"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
    "programma.");
} // namespace texts

using brisvola::MessageKind;

namespace {

const QString customerMessage = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare il nome o la ragione sociale del "
    "cliente.");
const QString numberMessage = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare il numero del preventivo.");
const QString dateMessage = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare la data del preventivo.");
const QString badDateMessage = QStringLiteral(
    "Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda è necessario "
    "indicare una data valida nel formato gg/mm/anno.");

template <class T = QWidget> T *child(QWidget *w, const QString &name)
{
    T *c = w->findChild<T *>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

QString text(QWidget *w, const QString &name)
{
    return ArchiveWindow::fieldText(child(w, name));
}

void setText(QWidget *w, const QString &name, const QString &value)
{
    ArchiveWindow::setFieldText(child(w, name), value);
}

void click(QWidget *w, const QString &name)
{
    child<QAbstractButton>(w, name)->click();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The quote window opened on a year, shown and active, with the launcher standing by.
struct QuotesFixture
{
    TempProgramFolder folder;
    MessageRecorder messages;
    TfrmPreventivi *window = nullptr;
    QWidget *launcher = nullptr;

    QuotesFixture()
    {
        brisvola::setNow(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
        brisvola::registerWindow(QStringLiteral("TfrmAvvio"), [] { return new QWidget; });
        brisvola::registerAppWindows();
        launcher = brisvola::window(QStringLiteral("TfrmAvvio"));
        window = brisvola::window<TfrmPreventivi>(QStringLiteral("TfrmPreventivi"));
        window->lblFile->setText(quotes::quoteArchivePath(QStringLiteral("2024")));
    }
    ~QuotesFixture()
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
    QString path() const { return window->lblFile->text(); }
};

} // namespace

class TestQuoteWindows : public QObject
{
    Q_OBJECT
private slots:
    void openingWindow();
    void numbering_data();
    void numbering();
    void saveChecksInOrder();
    void savedQuoteComesBack();
    void typingEmptiesAmountsAndFieldsNormalise();
    void pages();
    void eventDetails();
    void newKeepsIssuerAndClosingStoresIt();
    void closingWithUnwritableSettings();
    void inputRules();
    void numberingWindow();
    void logoWindow();
};

void TestQuoteWindows::openingWindow()
{
    QuotesFixture f;
    auto *opening = brisvola::window<TfrmMenuPreventivi>(QStringLiteral("TfrmMenuPreventivi"));
    opening->show();
    QCOMPARE(opening->txtAnnoPreventivi->text(), QStringLiteral("2026"));
    QCOMPARE(opening->lblMemory->text(), QStringLiteral("avvio"));

    // Closed without a year: the launcher comes back, not the quote window.
    opening->close();
    QVERIFY(f.launcher->isVisible());
    QVERIFY(!f.window->isVisible());
    QVERIFY(!opening->isVisible());

    f.launcher->hide();
    opening->show();
    opening->txtAnnoPreventivi->setText(QStringLiteral("24"));
    click(opening, QStringLiteral("btnApriPreventivi"));
    QCOMPARE(f.messages.last(),
             QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
    QCOMPARE(f.messages.shown.last().kind, MessageKind::Warning);
    QVERIFY(opening->isVisible());

    // Enter moves from the year to Apri, and Enter there opens the year.
    QVERIFY(QTest::qWaitForWindowExposed(opening));
    QApplication::setActiveWindow(opening);
    opening->txtAnnoPreventivi->setFocus();
    opening->txtAnnoPreventivi->clear();
    QTest::keyClicks(opening->txtAnnoPreventivi, "20x30");
    QCOMPARE(opening->txtAnnoPreventivi->text(), QStringLiteral("2030"));
    QTest::keyClick(opening->txtAnnoPreventivi, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), opening->btnApriPreventivi);
    QTest::keyClick(opening->btnApriPreventivi, Qt::Key_Return);
    QVERIFY(!opening->isVisible());
    QVERIFY(f.window->isVisible());
    QVERIFY(!f.launcher->isVisible());
    QCOMPARE(f.window->lblFile->text(), f.folder.file(QStringLiteral("2030.pre")));
    QCOMPARE(f.window->windowTitle(), QStringLiteral(" Brisvola - Emissione preventivi anno 2030"));

    // Shown again, it asks again.
    f.window->close();
    QVERIFY(f.launcher->isVisible());
    opening->show();
    QCOMPARE(opening->lblMemory->text(), QStringLiteral("avvio"));
}

void TestQuoteWindows::numbering_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("number");
    QTest::newRow("no settings") << QByteArray() << 0 << "1";
    QTest::newRow("start 100, 3 quotes")
        << QByteArray("[Numerazione Preventivi]\r\nInizio=100\r\n") << 3 << "103";
    QTest::newRow("with the year")
        << QByteArray("[Numerazione Preventivi]\r\nInizio=100\r\nIndicazione Anno Solare=S\xec\r\n")
        << 3 << "103/2026";
}

void TestQuoteWindows::numbering()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, stored);
    QFETCH(QString, number);
    QuotesFixture f;
    if (!ini.isEmpty())
        writeFile(quotes::settingsPath(), ini);
    RecordFile file(f.path(), quotes::quoteLayout());
    for (int i = 0; i < stored; ++i)
        file.append(Record(quotes::quoteLayout()));
    f.show();
    QVERIFY(text(f.window, "txtNumFatt").isEmpty());
    click(f.window, QStringLiteral("cmdNuovo"));
    QCOMPARE(text(f.window, "txtNumFatt"), number);
    QCOMPARE(text(f.window, "txtData"), QStringLiteral("10/12/2026"));
    QCOMPARE(QApplication::focusWidget(), child(f.window, "txtCliente"));
    QVERIFY(f.messages.shown.isEmpty());

    // A start that is not a whole number: the archive message, as an error.
    writeFile(quotes::settingsPath(), "[Numerazione Preventivi]\r\nInizio=1a\r\n");
    click(f.window, QStringLiteral("cmdNuovo"));
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown.last().kind, MessageKind::Error);
}

void TestQuoteWindows::saveChecksInOrder()
{
    QuotesFixture f;
    f.show();
    setText(f.window, "txtQuant01", "2");
    setText(f.window, "txtPrezzo01", "5");
    const QList<std::tuple<const char *, QString, const char *>> steps = {
        {"txtCliente", customerMessage, "Rossi"},
        {"txtNumFatt", numberMessage, "7"},
        {"txtData", dateMessage, "31/02/2024"},
        {"txtData", badDateMessage, "29/02/2024"},
    };
    for (const auto &[field, message, value] : steps) {
        f.messages.clear();
        click(f.window, QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages.texts(), QStringList{message});
        QCOMPARE(f.messages.shown.last().kind, MessageKind::Warning);
        QCOMPARE(QApplication::focusWidget(), child(f.window, QLatin1StringView(field)));
        QCOMPARE(QFileInfo(f.path()).size(), 0);
        // The totals were computed before the checks.
        QCOMPARE(text(f.window, "txtImporto01"), QStringLiteral("10,00"));
        QCOMPARE(text(f.window, "txtTotFattura"), QStringLiteral("10,00"));
        setText(f.window, QLatin1StringView(field), QLatin1StringView(value));
    }
    f.messages.clear();
    click(f.window, QStringLiteral("cmdSalva"));
    QCOMPARE(f.messages.texts(),
             QStringList{QStringLiteral("La scheda corrente è stata inserita in archivio.")});
    QCOMPARE(text(f.window, "lblPosizione"), QStringLiteral("1"));
    QCOMPARE(QFileInfo(f.path()).size(), 4886);
    click(f.window, QStringLiteral("cmdSalva"));
    QCOMPARE(f.messages.last(), QStringLiteral("Le modifiche apportate alla scheda corrente sono "
                                               "state salvate in archivio."));
    QCOMPARE(QFileInfo(f.path()).size(), 4886);
}

void TestQuoteWindows::savedQuoteComesBack()
{
    QuotesFixture f;
    f.show();
    click(f.window, QStringLiteral("cmdNuovo"));
    setText(f.window, "txtCliente", "  Bianchi Anna ");
    setText(f.window, "txtProvCliente", "RM");
    setText(f.window, "txtQuant07", "3");
    setText(f.window, "txtCodice07", "Primo");
    setText(f.window, "txtDesc07", "Risotto ai funghi");
    setText(f.window, "txtPrezzo07", "12,50");
    setText(f.window, "txtPercSconto07", "10");
    child<QCheckBox>(f.window, "chkEs07")->setChecked(true);
    child<QCheckBox>(f.window, "chkSaldata")->setChecked(true);
    setText(f.window, "txtPercIva", "10");
    setText(f.window, "txtNote", "Tavolo degli sposi");
    click(f.window, QStringLiteral("cmdSalva"));
    QCOMPARE(text(f.window, "lblPosizione"), QStringLiteral("1"));

    const Record r = RecordFile(f.path(), quotes::quoteLayout()).read(1);
    QCOMPARE(r.text("NumFatt"), QStringLiteral("1"));
    QCOMPARE(r.text("Data"), QStringLiteral("10/12/2026"));
    QCOMPARE(r.rawText(r.layout().field("Cliente")), QStringLiteral("Bianchi Anna"));
    QCOMPARE(r.text("ProvCliente"), QStringLiteral("RM"));
    QCOMPARE(r.text("Importo07"), QStringLiteral("33,75"));
    QCOMPARE(r.text("Es07"), QStringLiteral("Sì"));
    QCOMPARE(r.text("Es06"), QStringLiteral("No"));
    QCOMPARE(r.text("Quant06"), QString());
    QCOMPARE(r.text("InSospeso"), QStringLiteral("Sì"));
    QCOMPARE(r.text("TotEsente"), QStringLiteral("33,75"));
    QCOMPARE(r.text("TotFattura"), QStringLiteral("33,75"));
    QCOMPARE(r.text("PercIva"), QStringLiteral("10"));

    click(f.window, QStringLiteral("cmdNuovo"));
    QVERIFY(text(f.window, "txtCliente").isEmpty());
    QVERIFY(text(f.window, "txtImporto07").isEmpty());
    QVERIFY(!child<QCheckBox>(f.window, "chkSaldata")->isChecked());
    QCOMPARE(child<QComboBox>(f.window, "txtProvCliente")->currentIndex(), -1);
    click(f.window, QStringLiteral("cmdAvanti")); // from a new quote: the first one
    QCOMPARE(text(f.window, "lblPosizione"), QStringLiteral("1"));
    QCOMPARE(text(f.window, "txtCliente"), QStringLiteral("Bianchi Anna"));
    QCOMPARE(text(f.window, "txtDesc07"), QStringLiteral("Risotto ai funghi"));
    QCOMPARE(text(f.window, "txtImporto07"), QStringLiteral("33,75"));
    QCOMPARE(text(f.window, "txtTotIva"), QStringLiteral("0,00"));
    QCOMPARE(text(f.window, "txtProvCliente"), QStringLiteral("RM"));
    QVERIFY(child<QCheckBox>(f.window, "chkEs07")->isChecked());
    QVERIFY(child<QCheckBox>(f.window, "chkSaldata")->isChecked());
    f.messages.clear();
    click(f.window, QStringLiteral("cmdAvanti")); // the last one: nothing
    click(f.window, QStringLiteral("cmdPrimo"));
    click(f.window, QStringLiteral("cmdIndietro")); // the first one: nothing
    QCOMPARE(text(f.window, "lblPosizione"), QStringLiteral("1"));
    QVERIFY(f.messages.shown.isEmpty());

    // A flag that is neither "Sì" nor "No" leaves its check box as it was.
    Record odd = RecordFile(f.path(), quotes::quoteLayout()).read(1);
    odd.setText("Es07", QStringLiteral("X"));
    odd.setText("InSospeso", QStringLiteral("No"));
    RecordFile(f.path(), quotes::quoteLayout()).append(odd);
    click(f.window, QStringLiteral("cmdUltimo"));
    QCOMPARE(text(f.window, "lblPosizione"), QStringLiteral("2"));
    QVERIFY(child<QCheckBox>(f.window, "chkEs07")->isChecked());
    QVERIFY(!child<QCheckBox>(f.window, "chkSaldata")->isChecked());
}

void TestQuoteWindows::typingEmptiesAmountsAndFieldsNormalise()
{
    QuotesFixture f;
    f.show();
    setText(f.window, "txtQuant01", "1");
    setText(f.window, "txtPrezzo01", "4");
    setText(f.window, "txtQuant03", "2");
    setText(f.window, "txtPrezzo03", "3");
    click(f.window, QStringLiteral("cmdCalcola"));
    QCOMPARE(text(f.window, "txtTotImponibile"), QStringLiteral("10,00"));
    QCOMPARE(text(f.window, "txtPercIva"), QStringLiteral("0"));

    auto *quant3 = child<QLineEdit>(f.window, "txtQuant03");
    quant3->setFocus();
    QTest::keyClick(quant3, Qt::Key_5);
    QVERIFY(text(f.window, "txtImporto03").isEmpty());
    QCOMPARE(text(f.window, "txtImporto01"), QStringLiteral("4,00"));
    for (const char *t :
         {"txtTotImponibile", "txtTotImposta", "txtTotIva", "txtTotEsente", "txtTotFattura"})
        QVERIFY(text(f.window, QLatin1StringView(t)).isEmpty());

    // Only digits and the comma reach a number field; leaving it normalises it.
    auto *price = child<QLineEdit>(f.window, "txtPrezzo01");
    price->setFocus();
    price->selectAll();
    QTest::keyClicks(price, "12a,345678");
    QCOMPARE(price->text(), QStringLiteral("12,345678"));
    QVERIFY(text(f.window, "txtImporto01").isEmpty());
    QTest::keyClick(price, Qt::Key_Return); // the chain: the discount
    QCOMPARE(QApplication::focusWidget(), child(f.window, "txtPercSconto01"));
    QCOMPARE(price->text(), QStringLiteral("12,3457"));
    auto *discount = child<QLineEdit>(f.window, "txtPercSconto01");
    QTest::keyClicks(discount, "10,50");
    QTest::keyClick(discount, Qt::Key_Return);
    QCOMPARE(discount->text(), QStringLiteral("10,5"));
    QCOMPARE(QApplication::focusWidget(), child(f.window, "chkEs01"));

    // Ticking the exemption empties nothing.
    click(f.window, QStringLiteral("cmdCalcola"));
    child<QCheckBox>(f.window, "chkEs01")->click();
    QVERIFY(!text(f.window, "txtTotFattura").isEmpty());
    QVERIFY(!text(f.window, "txtImporto01").isEmpty());

    // A pasted text that is not a number: totals 0,00, no message.
    child<QLineEdit>(f.window, "txtQuant02")->setText(QStringLiteral("1,2,3"));
    click(f.window, QStringLiteral("cmdCalcola"));
    QCOMPARE(text(f.window, "txtTotFattura"), QStringLiteral("0,00"));
    QVERIFY(f.messages.shown.isEmpty());
}

void TestQuoteWindows::pages()
{
    QuotesFixture f;
    f.show();
    auto visiblePage = [&] {
        int shown = 0;
        for (int p = 1; p <= 6; ++p)
            if (child(f.window, QStringLiteral("grpPage%1").arg(p, 2, 10, QLatin1Char('0')))
                    ->isVisible())
                shown = shown ? -1 : p;
        return shown;
    };
    QCOMPARE(visiblePage(), 1);
    click(f.window, QStringLiteral("imgIndietro_A"));
    QCOMPARE(visiblePage(), 1);
    const QStringList nextArrows = {"imgAvanti_A", "imgAvanti_B", "imgAvanti_C", "imgAvanti_D",
                                    "imgAvanti_E"};
    for (int k = 0; k < 5; ++k) {
        click(f.window, nextArrows[k]);
        QCOMPARE(visiblePage(), k + 2);
        QCOMPARE(
            QApplication::focusWidget(),
            child(f.window, QStringLiteral("txtQuant%1").arg(5 * k + 6, 2, 10, QLatin1Char('0'))));
    }
    click(f.window, QStringLiteral("imgAvanti_F"));
    QCOMPARE(visiblePage(), 6);
    click(f.window, QStringLiteral("imgIndietro_F"));
    click(f.window, QStringLiteral("imgIndietro_E"));
    QCOMPARE(visiblePage(), 4);
    QCOMPARE(QApplication::focusWidget(), child(f.window, "txtQuant16"));

    // Saving and loading keep the page; New goes back to page 1.
    setText(f.window, "txtCliente", "Verdi");
    setText(f.window, "txtNumFatt", "1");
    setText(f.window, "txtData", "01/03/2024");
    click(f.window, QStringLiteral("cmdSalva"));
    click(f.window, QStringLiteral("cmdPrimo"));
    QCOMPARE(visiblePage(), 4);
    click(f.window, QStringLiteral("cmdNuovo"));
    QCOMPARE(visiblePage(), 1);
}

void TestQuoteWindows::eventDetails()
{
    QuotesFixture f;
    f.show();
    const auto applied = onNextModal([](QWidget *modal) {
        auto *d = qobject_cast<TfrmDatiVeicolo *>(modal);
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral(" Altre informazioni"));
        QCOMPARE(QApplication::focusWidget(), d->txtVeicolo);
        d->txtVeicolo->setText(QStringLiteral("  matrimonio "));
        d->txtImmatricolazione->setText(QStringLiteral("120"));
        QTest::keyClick(d->txtVeicolo, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d->txtMarca);
        d->btnApplica->click();
    });
    click(f.window, QStringLiteral("cmdDatiComputer"));
    QCOMPARE(f.window->memVeicolo->text(), QStringLiteral("matrimonio"));
    QCOMPARE(f.window->memImmatricolazione->text(), QStringLiteral("120"));

    // Annulla changes nothing; reopening shows the values applied.
    const auto cancelled = onNextModal([](QWidget *modal) {
        auto *d = qobject_cast<TfrmDatiVeicolo *>(modal);
        QCOMPARE(d->txtVeicolo->text(), QStringLiteral("matrimonio"));
        d->txtVeicolo->setText(QStringLiteral("battesimo"));
        d->btnAnnulla->click();
    });
    click(f.window, QStringLiteral("cmdDatiComputer"));
    QCOMPARE(f.window->memVeicolo->text(), QStringLiteral("matrimonio"));

    setText(f.window, "txtCliente", "Neri");
    setText(f.window, "txtNumFatt", "1");
    setText(f.window, "txtData", "01/03/2024");
    click(f.window, QStringLiteral("cmdSalva"));
    const Record r = RecordFile(f.path(), quotes::quoteLayout()).read(1);
    QCOMPARE(r.text("TipoEvento"), QStringLiteral("matrimonio"));
    QCOMPARE(r.text("TotalePersone"), QStringLiteral("120"));

    click(f.window, QStringLiteral("cmdNuovo"));
    QVERIFY(f.window->memVeicolo->text().isEmpty());
    QVERIFY(f.window->memImmatricolazione->text().isEmpty());
    click(f.window, QStringLiteral("cmdUltimo"));
    QCOMPARE(f.window->memVeicolo->text(), QStringLiteral("matrimonio"));
}

void TestQuoteWindows::newKeepsIssuerAndClosingStoresIt()
{
    QuotesFixture f;
    writeFile(quotes::settingsPath(),
              "[Ditta Emittente]\r\nNome=Trattoria da Gino\r\nProvincia=FI\r\nIban=IT60X\r\n"
              "Aliquota Iva=10\r\n[Numerazione Preventivi]\r\nInizio=5\r\n");
    f.show();
    QCOMPARE(text(f.window, "txtDitta"), QStringLiteral("Trattoria da Gino"));
    QCOMPARE(text(f.window, "txtProvDitta"), QStringLiteral("FI"));
    QCOMPARE(text(f.window, "txtPercIva"), QStringLiteral("10"));
    setText(f.window, "txtPagamento", "Bonifico");
    setText(f.window, "txtCliente", "Rossi");
    click(f.window, QStringLiteral("cmdNuovo"));
    QCOMPARE(text(f.window, "txtNumFatt"), QStringLiteral("5"));
    QVERIFY(text(f.window, "txtCliente").isEmpty());
    QCOMPARE(text(f.window, "txtDitta"), QStringLiteral("Trattoria da Gino"));
    QCOMPARE(text(f.window, "txtProvDitta"), QStringLiteral("FI"));
    QCOMPARE(text(f.window, "txtPagamento"), QStringLiteral("Bonifico"));
    QCOMPARE(text(f.window, "txtIban"), QStringLiteral("IT60X"));
    QCOMPARE(text(f.window, "txtPercIva"), QStringLiteral("10"));

    click(f.window, QStringLiteral("btnCancDitta"));
    QVERIFY(text(f.window, "txtDitta").isEmpty());
    QVERIFY(text(f.window, "txtProvDitta").isEmpty());
    QCOMPARE(text(f.window, "txtIban"), QStringLiteral("IT60X"));
    setText(f.window, "txtDitta", " Osteria Nuova ");

    click(f.window, QStringLiteral("cmdEsci"));
    QVERIFY(!f.window->isVisible());
    QVERIFY(f.launcher->isVisible());
    QVERIFY(f.messages.shown.isEmpty());
    const QStringList stored = quotes::readIssuerData(quotes::settingsPath());
    QCOMPARE(stored[0], QStringLiteral("Osteria Nuova"));
    QCOMPARE(stored[9], QStringLiteral("Bonifico"));
    QCOMPARE(stored[12], QStringLiteral("10"));
    QCOMPARE(quotes::readNumbering(quotes::settingsPath()).start, QStringLiteral("5"));
}

void TestQuoteWindows::closingWithUnwritableSettings()
{
    QuotesFixture f;
    QVERIFY(QDir().mkpath(quotes::settingsPath())); // a folder where the file should be
    f.show();
    f.window->close();
    QCOMPARE(f.messages.texts(), QStringList{texts::settingsNotWritten});
    QCOMPARE(f.messages.shown.last().kind, MessageKind::Warning);
    QVERIFY(!f.window->isVisible());
    QVERIFY(f.launcher->isVisible());
}

void TestQuoteWindows::inputRules()
{
    QuotesFixture f;
    QCOMPARE(text(f.window, "panInfo"),
             QStringLiteral("Pronto per archiviare una nuova scheda..."));
    f.show();
    auto *vat = child<QLineEdit>(f.window, "txtIvaCliente");
    vat->setFocus();
    QTest::keyClicks(vat, "12ab 34");
    QCOMPARE(vat->text(), QStringLiteral("1234"));
    auto *code = child<QLineEdit>(f.window, "txtCodFiscCliente");
    code->setFocus();
    QTest::keyClicks(code, "rssmra");
    QCOMPARE(code->text(), QStringLiteral("RSSMRA"));
    auto *province = child<QComboBox>(f.window, "txtProvCliente");
    QCOMPARE(province->count(), 112);
    QCOMPARE(province->itemText(0), QStringLiteral("AG"));
    QCOMPARE(province->itemText(111), QStringLiteral("VV"));
    province->setFocus();
    QTest::keyClicks(province, "mi");
    QCOMPARE(province->currentText(), QStringLiteral("MI"));
    // Enter follows the chain; the yellow rectangle follows the focus.
    QTest::keyClick(province, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), vat);
    QVERIFY(child(f.window, "effIvaCliente")->isVisible());
    QVERIFY(!child(f.window, "effProvCliente")->isVisible());
    auto *note = child<QLineEdit>(f.window, "txtNote");
    note->setFocus();
    QTest::keyClick(note, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), child(f.window, "txtDitta"));
    auto *rate = child<QLineEdit>(f.window, "txtPercIva");
    rate->setFocus();
    QTest::keyClick(rate, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), note);

    click(f.window, QStringLiteral("impOggi"));
    QCOMPARE(text(f.window, "txtData"), QStringLiteral("10/12/2026"));
    // The customer import opens the customer find (its picking is tested with the customers).
    QVERIFY(child(f.window, "impCliente")->isEnabled());
    // Hints.
    QTest::mouseMove(child(f.window, "cmdNuovo"));
    QCOMPARE(text(f.window, "panInfo"),
             QStringLiteral("Predispone la schermata per l'emissione di un nuovo preventivo."));
}

void TestQuoteWindows::numberingWindow()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    writeFile(quotes::settingsPath(), "[Numerazione Preventivi]\r\nInizio=40\r\n");
    {
        TfrmNumerazione w;
        w.lblMemory->setText(QStringLiteral("preventivi"));
        w.show();
        QCOMPARE(w.txtInizio->text(), QStringLiteral("40"));
        w.txtInizio->setText(QStringLiteral("0070"));
        w.btnApplica->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }
    QCOMPARE(quotes::readNumbering(quotes::settingsPath()).start, QStringLiteral("70"));
    {
        TfrmNumerazione w; // not opened by the quote window: reads and writes nothing
        w.show();
        QCOMPARE(w.txtInizio->text(), QStringLiteral("1"));
        w.txtInizio->setText(QStringLiteral("9"));
        w.btnApplica->click();
    }
    QCOMPARE(quotes::readNumbering(quotes::settingsPath()).start, QStringLiteral("70"));
    QVERIFY(messages.shown.isEmpty());
}

void TestQuoteWindows::logoWindow()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    {
        TfrmLogo w;
        w.show();
        QCOMPARE(w.picture().size(), QSize(297, 184)); // the euro picture
        w.btnCancLogo->click();
        w.btnApplica->click();
    }
    QCOMPARE(QImage(quotes::logoPath()).size(), QSize(2, 2));
    {
        TfrmLogo w;
        w.show();
        QCOMPARE(w.picture().size(), QSize(2, 2));
        w.loadPicture(folder.file(QStringLiteral("manca.jpg")));
        QCOMPARE(w.picture(), quotes::defaultLogo());
        w.imgEuro->click();
        w.btnApplica->click();
    }
    QCOMPARE(QImage(quotes::logoPath()).size(), QSize(297, 184));
    QVERIFY(messages.shown.isEmpty());

    // A logo that cannot be written is reported and the window stays open.
    QVERIFY(QFile::remove(quotes::logoPath()));
    QVERIFY(QDir().mkpath(quotes::logoPath()));
    TfrmLogo w;
    w.show();
    w.btnApplica->click();
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(w.isVisible());
}

QTEST_MAIN(TestQuoteWindows)
#include "tst_quotewindows.moc"
