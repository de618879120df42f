#include "TestSupport.h"

#include "archive/ArchiveWindow.h"
#include "archive/RecordFile.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteRecord.h"
#include "quotes/QuoteSettings.h"
#include "shell/Clock.h"
#include "shell/WindowSet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QtTest>

// The texts the user reads, as documented.
namespace texts {
const QString refused = QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire "
                                       "soltanto dopo che questa è stata inserita in archivio.");
const QString duplicated =
    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                   "Al termine premere Salva per inserire la scheda in archivio.");
const QString inserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString duplicateHint = QStringLiteral(
    "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.");
const QString fromEarlierYear =
    QStringLiteral("Il preventivo corrente appartiene all'archivio dell'anno 2024.\r\n\r\n"
                   "Si vuole inserire la copia nell'archivio dell'anno 2026?");
} // namespace texts

using brisvola::MessageAnswer;
using brisvola::MessageButtons;
using brisvola::MessageKind;

namespace {

QWidget *child(QWidget *w, const QString &name)
{
    QWidget *c = w->findChild<QWidget *>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

QString text(QWidget *w, const QString &name)
{
    return ArchiveWindow::fieldText(child(w, name));
}

void click(QWidget *w, const QString &name)
{
    auto *b = qobject_cast<QAbstractButton *>(child(w, name));
    QVERIFY(b);
    b->click();
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// A wedding quote as it was filed, its stored totals and amounts out of date (as an archive
// written elsewhere may hold them): 2 x 10,00 less 10 %, 1 x 5,00 exempt, 3 x 2,50, VAT 10 %.
Record weddingQuote(const QString &date)
{
    Record r(quotes::quoteLayout());
    const std::pair<const char *, const char *> values[] = {
        {"NumFatt", "7"},
        {"Ditta", "Trattoria Da Pino"},
        {"ViaDitta", "Via Roma 1"},
        {"Cliente", "Rossi Mario e Bianchi Anna"},
        {"ViaCliente", "Via Verdi 12"},
        {"CapCliente", "00100"},
        {"CittaCliente", "Roma"},
        {"ProvCliente", "RM"},
        {"IvaCliente", "01234567890"},
        {"Riferimenti", "Matrimonio Rossi"},
        {"Pagamento", "Bonifico"},
        {"TipoEvento", "matrimonio"},
        {"DataEvento", "12/09/2026"},
        {"Acconto", "500,00"},
        {"TotalePersone", "120"},
        {"Saldo", "2.500,00"},
        {"TotaleTavoli", "12"},
        {"Quant01", "2"},
        {"Codice01", "Antipasti"},
        {"Desc01", "Antipasto della casa"},
        {"Prezzo01", "10,00"},
        {"PercSconto01", "10"},
        {"Importo01", "1,00"},
        {"Quant02", "1"},
        {"Codice02", "Primi"},
        {"Desc02", "Risotto ai funghi"},
        {"Prezzo02", "5,00"},
        {"Quant03", "3"},
        {"Codice03", "Dolci"},
        {"Desc03", "Tiramisù"},
        {"Prezzo03", "2,50"},
        {"PercIva", "10"},
        {"TotImponibile", "1,00"},
        {"TotImposta", "1,00"},
        {"TotIva", "1,00"},
        {"TotEsente", "1,00"},
        {"TotFattura", "1,00"},
        {"Note", "Tavolo degli sposi al centro"},
        {"InSospeso", "Sì"},
    };
    for (const auto &[field, value] : values)
        r.setText(field, QString::fromUtf8(value));
    r.setText("Data", date);
    for (int line = 1; line <= quotes::lineCount; ++line)
        r.setText(quotes::lineField("Es", line).toLatin1().constData(),
                  line == 2 ? QStringLiteral("Sì") : QStringLiteral("No"));
    return r;
}

// The fields a duplicate changes, with the value the copy has (today is 10/12/2026).
QHash<QString, QString> changedByDuplicate(const QString &number)
{
    return {{QStringLiteral("NumFatt"), number},
            {QStringLiteral("Data"), QStringLiteral("10/12/2026")},
            {QStringLiteral("InSospeso"), QStringLiteral("No")},
            {QStringLiteral("Importo01"), QStringLiteral("18,00")},
            {QStringLiteral("Importo02"), QStringLiteral("5,00")},
            {QStringLiteral("Importo03"), QStringLiteral("7,50")},
            {QStringLiteral("TotImponibile"), QStringLiteral("25,50")},
            {QStringLiteral("TotImposta"), QStringLiteral("2,55")},
            {QStringLiteral("TotIva"), QStringLiteral("28,05")},
            {QStringLiteral("TotEsente"), QStringLiteral("5,00")},
            {QStringLiteral("TotFattura"), QStringLiteral("33,05")}};
}

// Every field of the copy is the original's, but those the duplicate changes.
void compareCopy(const Record &copy, const Record &original, const QString &number)
{
    const QHash<QString, QString> changed = changedByDuplicate(number);
    const RecordLayout &l = quotes::quoteLayout();
    for (int i = 0; i < l.fieldCount(); ++i) {
        const QString name = QLatin1StringView(l.name(i));
        const QString expected = changed.value(name, original.text(i));
        QVERIFY2(copy.text(i) == expected, qPrintable(name + QStringLiteral(": ") + copy.text(i)));
    }
}

// The quote window on a year's archive holding two quotes (the wedding quote last), shown on the
// wedding quote, with the numbering starting at 100.
struct DuplicateFixture
{
    TempProgramFolder folder;
    MessageRecorder messages;
    TfrmPreventivi *window = nullptr;
    Record original = weddingQuote(QStringLiteral("05/03/2024"));
    QString openPath;
    QByteArray openBytes;

    explicit DuplicateFixture(const QString &year)
    {
        brisvola::setNow(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
        brisvola::registerWindow(QStringLiteral("TfrmAvvio"), [] { return new QWidget; });
        brisvola::registerAppWindows();
        QFile ini(quotes::settingsPath());
        if (!ini.open(QIODevice::WriteOnly))
            qFatal("no settings file");
        ini.write("[Numerazione Preventivi]\r\nInizio=100\r\n");
        ini.close();
        window = brisvola::window<TfrmPreventivi>(QStringLiteral("TfrmPreventivi"));
        window->openYear(year);
        openPath = quotes::quoteArchivePath(year);
        RecordFile file(openPath, quotes::quoteLayout());
        file.append(weddingQuote(QStringLiteral("01/02/") + year));
        file.append(original);
        openBytes = bytesOf(openPath);
    }
    ~DuplicateFixture()
    {
        brisvola::destroyWindows();
        brisvola::setNow(QDateTime());
    }
    void showLastQuote()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QApplication::setActiveWindow(window);
        click(window, QStringLiteral("cmdUltimo"));
        QCOMPARE(text(window, "lblPosizione"), QStringLiteral("2"));
        messages.clear();
    }
    // The copy on screen, before any save.
    void checkCopyOnScreen(const QString &number)
    {
        QCOMPARE(messages.texts(), QStringList{texts::duplicated});
        QCOMPARE(messages.shown.last().kind, MessageKind::Information);
        QVERIFY(text(window, "lblPosizione").isEmpty());
        QCOMPARE(QApplication::focusWidget(), child(window, "txtCliente"));
        const QHash<QString, QString> changed = changedByDuplicate(number);
        for (auto it = changed.cbegin(); it != changed.cend(); ++it) {
            const QString control = (it.key() == QLatin1String("InSospeso"))
                                        ? QStringLiteral("chkSaldata")
                                        : QStringLiteral("txt") + it.key();
            QVERIFY2(text(window, control) == it.value(), qPrintable(control));
        }
        QCOMPARE(text(window, "txtDesc01"), QStringLiteral("Antipasto della casa"));
        QCOMPARE(text(window, "txtDesc02"), QStringLiteral("Risotto ai funghi"));
        QCOMPARE(text(window, "txtDesc03"), QStringLiteral("Tiramisù"));
        QCOMPARE(window->memVeicolo->text(), QStringLiteral("matrimonio"));
    }
};

} // namespace

class TestQuoteDuplicate : public QObject
{
    Q_OBJECT
private slots:
    void refusedOnAQuoteNotFiled();
    void copyInTheCurrentYear();
    void copyFromAnEarlierYear_data();
    void copyFromAnEarlierYear();
};

void TestQuoteDuplicate::refusedOnAQuoteNotFiled()
{
    DuplicateFixture f(QStringLiteral("2026"));
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window));
    // Beside Nuovo, with the usual hint.
    auto *bar = child(f.window, "cmdNuovo")->parentWidget();
    QCOMPARE(child(f.window, "cmdDuplica")->parentWidget(), bar);
    QVERIFY(child(f.window, "cmdDuplica")->x() > child(f.window, "cmdNuovo")->x());
    QVERIFY(child(f.window, "cmdDuplica")->x() < child(f.window, "cmdSalva")->x());
    // The row still fits its panel: no button is squeezed.
    QVERIFY(bar->parentWidget()->sizeHint().width() <= bar->parentWidget()->width());
    QTest::mouseMove(child(f.window, "cmdDuplica"));
    QCOMPARE(text(f.window, "panInfo"), texts::duplicateHint);

    click(f.window, QStringLiteral("cmdNuovo"));
    ArchiveWindow::setFieldText(child(f.window, "txtCliente"), QStringLiteral("Verdi"));
    click(f.window, QStringLiteral("cmdDuplica"));
    QCOMPARE(f.messages.texts(), QStringList{texts::refused});
    QCOMPARE(f.messages.shown.last().kind, MessageKind::Warning);
    QCOMPARE(text(f.window, "txtNumFatt"), QStringLiteral("102"));
    QCOMPARE(text(f.window, "txtCliente"), QStringLiteral("Verdi"));
    QCOMPARE(bytesOf(f.openPath), f.openBytes);
}

void TestQuoteDuplicate::copyInTheCurrentYear()
{
    DuplicateFixture f(QStringLiteral("2026"));
    f.showLastQuote();
    click(f.window, QStringLiteral("cmdDuplica"));
    // No question in the current year; the number as New proposes it.
    f.checkCopyOnScreen(QStringLiteral("102"));
    QCOMPARE(bytesOf(f.openPath), f.openBytes);

    f.messages.clear();
    click(f.window, QStringLiteral("cmdSalva"));
    QCOMPARE(f.messages.texts(), QStringList{texts::inserted});
    QCOMPARE(text(f.window, "lblPosizione"), QStringLiteral("3"));
    const QByteArray after = bytesOf(f.openPath);
    QCOMPARE(after.size(), 3 * quotes::quoteLayout().recordSize());
    QCOMPARE(after.left(f.openBytes.size()), f.openBytes);
    compareCopy(RecordFile(f.openPath, quotes::quoteLayout()).read(3), f.original,
                QStringLiteral("102"));
}

void TestQuoteDuplicate::copyFromAnEarlierYear_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("thisYearHolds"); // -1: this year's archive not made yet
    QTest::addColumn<QString>("number");
    QTest::newRow("Yes, this year's archive holds one quote") << true << 1 << "101";
    QTest::newRow("Yes, this year's archive not made yet") << true << -1 << "100";
    QTest::newRow("No: into the open year") << false << 1 << "102";
}

void TestQuoteDuplicate::copyFromAnEarlierYear()
{
    QFETCH(bool, yes);
    QFETCH(int, thisYearHolds);
    QFETCH(QString, number);
    DuplicateFixture f(QStringLiteral("2024"));
    const QString thisYear = f.folder.file(QStringLiteral("2026.pre"));
    for (int i = 0; i < thisYearHolds; ++i)
        RecordFile(thisYear, quotes::quoteLayout())
            .append(weddingQuote(QStringLiteral("01/01/2026")));
    const QByteArray thisYearBytes = bytesOf(thisYear);
    f.showLastQuote();

    f.messages.answerNext(yes ? MessageAnswer::Yes : MessageAnswer::No);
    click(f.window, QStringLiteral("cmdDuplica"));
    QVERIFY(!f.messages.shown.isEmpty());
    QCOMPARE(f.messages.shown.first().text, texts::fromEarlierYear);
    QCOMPARE(f.messages.shown.first().kind, MessageKind::Question);
    QCOMPARE(f.messages.shown.first().buttons, MessageButtons::YesNo);
    f.messages.shown.removeFirst();
    f.checkCopyOnScreen(number);
    const QString target = yes ? thisYear : f.openPath;
    QCOMPARE(f.window->lblFile->text(), target);
    QCOMPARE(f.window->windowTitle(), yes ? QStringLiteral(" Brisvola - Emissione preventivi "
                                                           "anno 2026")
                                          : QStringLiteral(" Brisvola - Emissione preventivi "
                                                           "anno 2024"));
    // Nothing written yet, not even an empty archive.
    QCOMPARE(bytesOf(f.openPath), f.openBytes);
    QCOMPARE(QFileInfo::exists(thisYear), thisYearHolds >= 0);
    QCOMPARE(bytesOf(thisYear), thisYearBytes);

    // The save appends into the archive the window now holds; the other one stays whole.
    click(f.window, QStringLiteral("cmdSalva"));
    const qint64 before = yes ? qMax(thisYearHolds, 0) : 2;
    QCOMPARE(text(f.window, "lblPosizione"), QString::number(before + 1));
    const QByteArray untouched = yes ? f.openBytes : thisYearBytes;
    QCOMPARE(bytesOf(yes ? f.openPath : thisYear), untouched);
    const QByteArray grown = bytesOf(target);
    const QByteArray kept = yes ? thisYearBytes : f.openBytes;
    QCOMPARE(grown.size(), (before + 1) * quotes::quoteLayout().recordSize());
    QCOMPARE(grown.left(kept.size()), kept);
    compareCopy(RecordFile(target, quotes::quoteLayout()).read(before + 1), f.original, number);

    // The window goes on numbering in the archive it holds.
    click(f.window, QStringLiteral("cmdNuovo"));
    QCOMPARE(text(f.window, "txtNumFatt"), QString::number(100 + before + 1));
}

QTEST_MAIN(TestQuoteDuplicate)
#include "tst_quoteduplicate.moc"
