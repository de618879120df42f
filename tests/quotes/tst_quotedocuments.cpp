// The quote document: the template as placed, its filling from a quote, and the preview, print and
// PDF windows driven from the quote window's controls.
#include "ReportRecorder.h"
#include "TestSupport.h"

#include "archive/ArchiveWindow.h"
#include "documents/Report.h"
#include "quotes/AnteprimaPrev.h"
#include "quotes/Crea_PDF_Prev.h"
#include "quotes/LogoFile.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteCommands.h"
#include "quotes/QuoteDocument.h"
#include "quotes/QuoteRecord.h"
#include "quotes/StampaPrev.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

// The texts the user reads, as documented.
namespace texts {
const QString pdfDone =
    QStringLiteral("L'esportazione della scheda in PDF è terminata con successo.\r\n\r\n"
                   "Si vuole aprire il file?");
const QString pdfFailure =
    QStringLiteral("Attenzione: il sistema non permette di creare il file PDF.\n\r\n\r"
                   "Accertarsi che il file Preventivo.pdf non sia già aperto e di possedere i "
                   "privilegi di scrittura nella cartella di installazione del programma.");
} // namespace texts

using brisvola::MessageAnswer;
using brisvola::MessageKind;
using brisvola::documents::PrintMode;
using brisvola::documents::Report;

namespace {

// A quote as the quote window would hold it: lines 1 and 17 used, the others blank.
quotes::QuoteTexts sampleQuote()
{
    quotes::QuoteTexts q = {
        {"NumFatt", "12/2024"},
        {"Data", "05/03/2024"},
        {"Ditta", "Trattoria Da Gino"},
        {"ViaDitta", "Via Roma 1"},
        {"CapDitta", "50100"},
        {"CittaDitta", "Firenze"},
        {"ProvDitta", "FI"},
        {"IvaDitta", "01234567890"},
        {"CodFiscDitta", ""},
        {"Libero01", "Tel. 055 123456"},
        {"Libero02", "info@dagino.it"},
        {"Cliente", "  Mario Rossi  "},
        {"ViaCliente", "Via Verdi 7"},
        {"CapCliente", "00100"},
        {"CittaCliente", "Roma"},
        {"ProvCliente", "RM"},
        {"IvaCliente", ""},
        {"CodFiscCliente", "RSSMRA80A01H501U"},
        {"Riferimenti", "Sig.ra Bianchi 333 1234567"},
        {"Pagamento", "Bonifico a 30 giorni"},
        {"Banca", "Banca di Firenze"},
        {"Iban", "IT60X0542811101000000123456"},
        {"TipoEvento", "Matrimonio"},
        {"DataEvento", "14/06/2024"},
        {"Acconto", "500,00"},
        {"TotalePersone", "120"},
        {"Saldo", "alla consegna"},
        {"TotaleTavoli", "12"},
        {"Quant01", "120"},
        {"Codice01", "Antipasto"},
        {"Desc01", "Antipasto toscano"},
        {"Prezzo01", "8,50"},
        {"PercSconto01", ""},
        {"Importo01", "1020,00"},
        {"Quant17", "2"},
        {"Codice17", "Servizio"},
        {"Desc17", "Torta nuziale a tre piani"},
        {"Prezzo17", "150,00"},
        {"PercSconto17", "10"},
        {"Importo17", "270,00"},
        {"TotImponibile", "1290,00"},
        {"PercIva", "10"},
        {"TotImposta", "129,00"},
        {"TotIva", "1419,00"},
        {"TotEsente", "0,00"},
        {"TotFattura", "1419,00"},
        {"Note", "Menu di prova"},
    };
    return q;
}

QString objectText(Report &report, const QString &name)
{
    const auto *object = report.object(name);
    return object ? object->text : QStringLiteral("<missing %1>").arg(name);
}

// The quote window's controls set from a quote, by the record field each one edits.
void putOnWindow(TfrmPreventivi &window, const quotes::QuoteTexts &quote)
{
    for (auto it = quote.begin(); it != quote.end(); ++it) {
        QWidget *control = window.archive()->control(it.key().toLatin1().constData());
        QVERIFY2(control, qPrintable(it.key()));
        ArchiveWindow::setFieldText(control, it.value());
    }
}

QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    if (exitCode)
        *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

struct WindowFixture
{
    TempProgramFolder folder;
    MessageRecorder messages;
    TfrmPreventivi window;

    WindowFixture()
    {
        window.lblFile->setText(quotes::quoteArchivePath(QStringLiteral("2024")));
        putOnWindow(window, sampleQuote());
    }
};

} // namespace

class TestQuoteDocuments : public QObject
{
    Q_OBJECT
private slots:
    void templateIsPlaced_data();
    void templateIsPlaced();
    void conditionalTaxLines_data();
    void conditionalTaxLines();
    void filledDocument();
    void previewAndPrintFromTheWindow();
    void logoOrDefaultPicture();
    void pdfFile();
    void pdfThatCannotBeWritten();
};

void TestQuoteDocuments::templateIsPlaced_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("rect");
    QTest::newRow("frame") << "shpGabbia" << QRectF(1, 1, 188, 275);
    QTest::newRow("number box") << "shpNumFatt" << QRectF(84, 3, 103, 12);
    QTest::newRow("bank box") << "shpBanca" << QRectF(84, 58, 103, 17);
    QTest::newRow("lines box") << "shpArticoli" << QRectF(3, 81.5, 184, 157);
    QTest::newRow("totals box") << "shpRiepilogo" << QRectF(3, 240, 184, 9.5);
    QTest::newRow("event box") << "shpDatiVeicolo" << QRectF(3, 251, 184, 17);
    QTest::newRow("logo") << "imgLogo" << QRectF(3, 4, 77, 38);
    QTest::newRow("first quantity") << "txtQuant01" << QRectF(4, 88, 13, 4.5);
    QTest::newRow("row 17 price") << "txtPrezzo17" << QRectF(137, 168, 17, 4.5);
    QTest::newRow("last amount") << "txtImporto30" << QRectF(169, 233, 17, 4.5);
    QTest::newRow("quote total") << "txtTotFattura" << QRectF(155, 245.4, 32, 4.1);
    QTest::newRow("separator") << "linColonna03" << QRectF(136, 81.5, 0, 157);
}

void TestQuoteDocuments::templateIsPlaced()
{
    QFETCH(QString, name);
    QFETCH(QRectF, rect);
    Report report;
    QVERIFY2(report.load(quotes::quoteTemplate), qPrintable(report.errorString()));
    QCOMPARE(report.name(), QStringLiteral("Preventivo"));
    QCOMPARE(report.orientation(), QPageLayout::Portrait);
    QCOMPARE(report.margins(), QMarginsF(10, 10, 10, 10));
    const auto *object = report.object(name);
    QVERIFY2(object, qPrintable(name));
    QCOMPARE(object->rect, rect);
}

void TestQuoteDocuments::conditionalTaxLines_data()
{
    QTest::addColumn<QString>("ivaCliente");
    QTest::addColumn<QString>("codFiscCliente");
    QTest::addColumn<QString>("ivaDitta");
    QTest::addColumn<QString>("codFiscDitta");
    QTest::addColumn<QStringList>("expected"); // customer VAT, customer tax code, issuer line
    QTest::newRow("all empty") << ""
                               << ""
                               << ""
                               << "" << QStringList{"", "", "P.IVA:   C.F. "};
    QTest::newRow("blanks only") << "   "
                                 << " "
                                 << ""
                                 << "" << QStringList{"", "", "P.IVA:   C.F. "};
    QTest::newRow("all given") << " 01234567890 "
                               << "RSSMRA80A01H501U"
                               << "09876543210"
                               << "GNILCU70A01D612X"
                               << QStringList{"P.IVA: 01234567890", "C.F. RSSMRA80A01H501U",
                                              "P.IVA: 09876543210  C.F. GNILCU70A01D612X"};
    QTest::newRow("issuer without tax code")
        << ""
        << "RSSMRA80A01H501U"
        << "09876543210"
        << "" << QStringList{"", "C.F. RSSMRA80A01H501U", "P.IVA: 09876543210  C.F. "};
}

void TestQuoteDocuments::conditionalTaxLines()
{
    QFETCH(QString, ivaCliente);
    QFETCH(QString, codFiscCliente);
    QFETCH(QString, ivaDitta);
    QFETCH(QString, codFiscDitta);
    QFETCH(QStringList, expected);
    const quotes::QuoteTexts quote = {{"IvaCliente", ivaCliente},
                                      {"CodFiscCliente", codFiscCliente},
                                      {"IvaDitta", ivaDitta},
                                      {"CodFiscDitta", codFiscDitta}};
    Report report;
    QVERIFY(report.load(quotes::quoteTemplate));
    QVERIFY(quotes::fillQuoteDocument(report, quote, quotes::defaultLogo()));
    QCOMPARE(
        QStringList({objectText(report, "txtIvaCliente"), objectText(report, "txtCodFiscCliente"),
                     objectText(report, "txtIvaDitta")}),
        expected);
}

void TestQuoteDocuments::filledDocument()
{
    // Filled from a filed record, as the window shows it after loading.
    Record record(quotes::quoteLayout());
    const quotes::QuoteTexts quote = sampleQuote();
    for (auto it = quote.begin(); it != quote.end(); ++it)
        record.setText(it.key().toLatin1().constData(), it.value());
    Report report;
    QVERIFY(report.load(quotes::quoteTemplate));
    report.setOrientation(QPageLayout::Landscape);
    QVERIFY(
        quotes::fillQuoteDocument(report, quotes::quoteTextsFrom(record), quotes::defaultLogo()));
    QCOMPARE(report.orientation(), QPageLayout::Portrait);
    QCOMPARE(report.object("imgLogo")->image.size(), QSize(297, 184));

    const QList<std::pair<const char *, const char *>> expected = {
        {"txtNumFatt", "Preventivo n. 12/2024"},
        {"txtData", "Data emissione:  05/03/2024"},
        {"titSpettabile", "Spettabile"},
        {"txtCliente", "Mario Rossi"},
        {"txtViaCliente", "Via Verdi 7"},
        {"txtCittaCliente", "00100 Roma RM"},
        {"txtIvaCliente", ""},
        {"txtCodFiscCliente", "C.F. RSSMRA80A01H501U"},
        {"titRiferimenti", "Riferimenti:"},
        {"txtRiferimenti", "Sig.ra Bianchi 333 1234567"},
        {"txtDitta", "Trattoria Da Gino"},
        {"txtViaDitta", "Via Roma 1"},
        {"txtCittaDitta", "50100 Firenze FI"},
        {"txtIvaDitta", "P.IVA: 01234567890  C.F. "},
        {"txtLibero01", "Tel. 055 123456"},
        {"txtLibero02", "info@dagino.it"},
        {"txtPagamento", "Pagamento: Bonifico a 30 giorni"},
        {"txtBanca", "Banca d'appoggio: Banca di Firenze"},
        {"txtIban", "IBAN: IT60X0542811101000000123456"},
        {"txtNote", "Note: Menu di prova"},
        {"txtQuant01", "120"},
        {"txtCodice01", "Antipasto"},
        {"txtDesc01", "Antipasto toscano"},
        {"txtPrezzo01", "8,50"},
        {"txtPercSconto01", ""},
        {"txtImporto01", "1020,00"},
        {"txtQuant17", "2"},
        {"txtDesc17", "Torta nuziale a tre piani"},
        {"txtPercSconto17", "10"},
        {"txtImporto17", "270,00"},
        {"txtTotImponibile", "1290,00"},
        {"txtPercIva", "10"},
        {"txtTotImposta", "129,00"},
        {"txtTotIva", "1419,00"},
        {"txtTotEsente", "0,00"},
        {"txtTotFattura", "1419,00"},
        {"txtVeicolo", "Tipo evento:  Matrimonio"},
        {"txtMarca", "Data evento:  14/06/2024"},
        {"txtColore", "Acconto:  500,00"},
        {"txtImmatricolazione", "Totale persone:  120"},
        {"txtAlimentazione", "Saldo:  alla consegna"},
        {"txtTarga", "Totale tavoli:  12"},
    };
    for (const auto &[name, text] : expected)
        QCOMPARE(objectText(report, QLatin1String(name)), QString::fromUtf8(text));

    // Every one of the 30 rows is there, 5 mm apart; the blank ones stay empty.
    for (int line = 1; line <= quotes::lineCount; ++line)
        for (const char *column : {"Quant", "Codice", "Desc", "Prezzo", "PercSconto", "Importo"}) {
            const QString name = QStringLiteral("txt") + quotes::lineField(column, line);
            const auto *object = report.object(name);
            QVERIFY2(object, qPrintable(name));
            QCOMPARE(object->rect.top(), 88 + 5.0 * (line - 1));
            if (line != 1 && line != 17)
                QVERIFY2(object->text.isEmpty(), qPrintable(name));
        }

    report.prepare();
    QCOMPARE(report.pageCount(), 1);
    const QStringList lines = report.pageLines(0);
    for (const char *text :
         {"Preventivo n. 12/2024", "Torta nuziale a tre piani", "TOT. PREVENTIVO", "Imp. tot.",
          "Tipo evento:  Matrimonio",
          "I dati personali del Cliente saranno trattati nel rispetto della normativa sulla "
          "privacy esclusivamente per l'erogazione del servizio e non saranno forniti a terzi.",
          "Il presente preventivo ha validità 60 giorni dalla data di emissione, decorsi i quali "
          "il Cliente è tenuto a chiedere conferma scritta dell'estensione della sua validità."})
        QVERIFY2(lines.contains(QString::fromUtf8(text)), text);
}

void TestQuoteDocuments::previewAndPrintFromTheWindow()
{
    WindowFixture f;
    ReportRecorder recorder;
    // The document shows the window as it is now, saved or not: amounts typed over stay empty.
    for (const char *name : {"txtImporto17", "txtTotImponibile", "txtTotImposta", "txtTotIva",
                             "txtTotEsente", "txtTotFattura"})
        ArchiveWindow::setFieldText(f.window.findChild<QWidget *>(QLatin1String(name)), QString());
    {
        TfrmAnteprimaPrev preview(quotes::screenTexts(f.window), &f.window);
        QCOMPARE(preview.windowTitle(), QStringLiteral(" Anteprima di stampa"));
        QCOMPARE(preview.btnStampa->text(), QStringLiteral("Mostra anteprima"));
        preview.show();
        preview.btnStampa->click();
        QVERIFY(!preview.isVisible());
        QCOMPARE(preview.result(), int(QDialog::Accepted));
    }
    {
        TfrmStampaPrev print(quotes::screenTexts(f.window), &f.window);
        QCOMPARE(print.windowTitle(), QStringLiteral(" Stampa preventivo"));
        QCOMPARE(print.btnStampa->text(), QStringLiteral("Stampa"));
        print.show();
        print.btnStampa->click();
        QVERIFY(!print.isVisible());
    }
    {
        TfrmStampaPrev cancelled(quotes::screenTexts(f.window), &f.window);
        cancelled.show();
        cancelled.btnAnnulla->click();
        QVERIFY(!cancelled.isVisible());
    }
    QCOMPARE(recorder.outputs.size(), 2);
    QVERIFY(recorder.outputs[0].preview);
    QVERIFY(!recorder.outputs[1].preview);
    QCOMPARE(recorder.outputs[1].mode, PrintMode::DefaultPrinter);
    for (const ReportRecorder::Output &out : recorder.outputs) {
        QCOMPARE(out.name, QStringLiteral("Preventivo"));
        QCOMPARE(out.orientation, QPageLayout::Portrait);
        QCOMPARE(out.pages.size(), 1);
        const QStringList lines = out.lines();
        QVERIFY(lines.contains(QStringLiteral("Preventivo n. 12/2024")));
        QVERIFY(lines.contains(QStringLiteral("Mario Rossi")));
        QVERIFY(lines.contains(QStringLiteral("1020,00")));
        QVERIFY(!lines.contains(QStringLiteral("270,00")));
        QVERIFY(!lines.contains(QStringLiteral("1419,00")));
        QVERIFY(!lines.contains(QStringLiteral("1290,00")));
        QVERIFY(lines.contains(QStringLiteral("Totale persone:  120")));
    }
}

void TestQuoteDocuments::logoOrDefaultPicture()
{
    WindowFixture f;
    {
        TfrmAnteprimaPrev noLogo(quotes::screenTexts(f.window), &f.window);
        noLogo.show();
        QCOMPARE(noLogo.imgLogo->pixmap().toImage().size(), QSize(297, 184));
        QVERIFY(!noLogo.imgLogo->isVisible() && !noLogo.imgTemp->isVisible());
    }
    // An unreadable file gives the default picture too; a real one is printed.
    QFile broken(quotes::logoPath());
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a bitmap");
    broken.close();
    {
        TfrmAnteprimaPrev damaged(quotes::screenTexts(f.window), &f.window);
        damaged.show();
        QCOMPARE(damaged.imgLogo->pixmap().toImage().size(), QSize(297, 184));
    }
    QImage red(60, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(QFile::remove(quotes::logoPath()));
    QVERIFY(red.save(quotes::logoPath(), "BMP"));
    TfrmCrea_PDF_Prev pdf(quotes::screenTexts(f.window), &f.window);
    pdf.show();
    QVERIFY(pdf.fillDocument());
    const QImage printed = pdf.report().object("imgLogo")->image;
    QCOMPARE(printed.size(), QSize(60, 30));
    QCOMPARE(printed.pixelColor(10, 10), QColor(Qt::red));
}

void TestQuoteDocuments::pdfFile()
{
    WindowFixture f;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    const QString path = f.folder.file(QStringLiteral("Preventivo.pdf"));

    TfrmCrea_PDF_Prev pdf(quotes::screenTexts(f.window), &f.window);
    QCOMPARE(pdf.windowTitle(), QStringLiteral(" Esporta in PDF"));
    QCOMPARE(pdf.btnStampa->text(), QStringLiteral("Crea PDF"));
    pdf.show();
    f.messages.answerNext(MessageAnswer::Yes);
    pdf.btnStampa->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(f.messages.texts(), QStringList{texts::pdfDone});
    QCOMPARE(f.messages.shown[0].kind, MessageKind::Question);
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
    QVERIFY(!pdf.isVisible());

    // BRISVOLA_KEEP_PDF names a file that receives a copy, to look at the page.
    if (const QString keep = qEnvironmentVariable("BRISVOLA_KEEP_PDF"); !keep.isEmpty()) {
        QFile::remove(keep);
        QFile::copy(path, keep);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY2(!bytes.contains("/FlateDecode"), "a compressed stream");
    QVERIFY(!bytes.contains("/ObjStm"));

    int exitCode = -1;
    run(QStringLiteral("qpdf"), {QStringLiteral("--check"), path}, &exitCode);
    QCOMPARE(exitCode, 0);
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("(?m)^Title:\\s+Fattura$"))),
             qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("(?m)^Subject:\\s+Fattura$"))),
             qPrintable(info));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("(?m)^Pages:\\s+1$"))));
    // The text extracted, with runs of blanks as one (the extraction does not keep two blanks).
    const QString flat =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
            .simplified();
    for (const char *expected :
         {"Preventivo n. 12/2024", "Data emissione:  05/03/2024", "Spettabile", "Mario Rossi",
          "00100 Roma RM", "C.F. RSSMRA80A01H501U", "P.IVA: 01234567890  C.F.",
          "Pagamento: Bonifico a 30 giorni", "IBAN: IT60X0542811101000000123456",
          "Antipasto toscano", "Torta nuziale a tre piani", "1020,00", "TOT. PREVENTIVO", "1419,00",
          "Tipo evento:  Matrimonio", "Totale tavoli:  12", "Note: Menu di prova",
          "validità 60 giorni"})
        QVERIFY2(flat.contains(QString::fromUtf8(expected).simplified()), expected);

    // A second export replaces the file; No leaves the window open.
    ArchiveWindow::setFieldText(f.window.findChild<QWidget *>("txtCliente"),
                                QStringLiteral("Anna Verdi"));
    TfrmCrea_PDF_Prev again(quotes::screenTexts(f.window), &f.window);
    again.show();
    f.messages.clear();
    f.messages.answerNext(MessageAnswer::No);
    again.btnStampa->click();
    QCOMPARE(f.messages.texts(), QStringList{texts::pdfDone});
    QVERIFY(again.isVisible());
    const QString second =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(second.contains(QStringLiteral("Anna Verdi")));
    QVERIFY(!second.contains(QStringLiteral("Mario Rossi")));
}

void TestQuoteDocuments::pdfThatCannotBeWritten()
{
    WindowFixture f;
    // A folder where the file should go: nothing can replace it.
    QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("Preventivo.pdf")));
    TfrmCrea_PDF_Prev pdf(quotes::screenTexts(f.window), &f.window);
    pdf.show();
    pdf.btnStampa->click();
    QCOMPARE(f.messages.texts(), QStringList{texts::pdfFailure});
    QCOMPARE(f.messages.shown[0].kind, MessageKind::Warning);
    QVERIFY(pdf.isVisible());
    QVERIFY(QFileInfo(f.folder.file(QStringLiteral("Preventivo.pdf"))).isDir());
}

QTEST_MAIN(TestQuoteDocuments)
#include "tst_quotedocuments.moc"
