#include "ReportRecorder.h"
#include "TestSupport.h"

#include "documents/DocumentDialog.h"
#include "documents/Guide.h"
#include "documents/ListReport.h"
#include "documents/Report.h"
#include "documents/ReportOutput.h"
#include "shell/Clock.h"
#include "shell/HelpTopics.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

using namespace brisvola::documents;

namespace {

// Runs a command-line PDF tool and returns what it printed (fails the test when it fails).
QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return QStringLiteral("<%1 did not run>").arg(program);
    if (exitCode)
        *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

QString pdfText(const QString &path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                             QStringLiteral("UTF-8"), path, QStringLiteral("-")});
}

QStringList listLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Riga %1  Nazionalità: Italiana  Prezzo: € %2,50")
                     .arg(i, 3, 10, QLatin1Char('0'))
                     .arg(i);
    return lines;
}

// A one-object template in millimetres; the object is given as JSON.
QByteArray singleObject(const QByteArray &object)
{
    return "{\"orientation\":\"portrait\",\"unit\":\"mm\",\"margins\":[10,10,10,10],"
           "\"objects\":[" +
           object + "]}";
}

} // namespace

class TestDocuments : public QObject
{
    Q_OBJECT
private slots:
    void init() { brisvola::setNow(QDateTime(QDate(2026, 3, 9), QTime(18, 30))); }
    void cleanup() { brisvola::setNow(QDateTime()); }

    void listReportSplitsAcrossPages_data();
    void listReportSplitsAcrossPages();
    void templateAndFilling();
    void bandsThatCannotSplitMoveWhole();
    void outputGoesThroughOneService();
    void textCutAtItsBox();
    void pictureKeepsProportions_data();
    void pictureKeepsProportions();
    void pdfIsUncompressedWithTitleAndSubject();
    void pdfFailureLeavesOldFile();
    void printerAndPreviewShowTheSamePages();
    void documentDialog_data();
    void documentDialog();
    void guide();
};

void TestDocuments::listReportSplitsAcrossPages_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pages");
    QTest::newRow("empty list") << 0 << 1;
    QTest::newRow("one line") << 1 << 1;
    QTest::newRow("first page full") << 50 << 1;
    QTest::newRow("one line more") << 51 << 2;
    QTest::newRow("200 lines") << 200 << 4;
}

void TestDocuments::listReportSplitsAcrossPages()
{
    QFETCH(int, lines);
    QFETCH(int, pages);
    Report report;
    const QStringList expected = listLines(lines);
    QVERIFY2(fillListReport(report, QStringLiteral("Riepilogo ricette in archivio"), expected),
             qPrintable(report.errorString()));
    QCOMPARE(report.orientation(), QPageLayout::Landscape);
    report.prepare();
    QCOMPARE(report.pageCount(), pages);

    // Every line once, in order; the title on the first page only; the foot on every page.
    QStringList printed;
    for (int p = 0; p < report.pageCount(); ++p) {
        const QStringList onPage = report.pageLines(p);
        QCOMPARE(onPage.count(QStringLiteral("Riepilogo ricette in archivio")), p == 0 ? 1 : 0);
        QVERIFY(onPage.contains(QStringLiteral("Stampa eseguita in data 09/03/2026")));
        QVERIFY(onPage.contains(QStringLiteral("Pagina %1 di %2").arg(p + 1).arg(pages)));
        for (const QString &line : onPage)
            if (line.startsWith(QLatin1String("Riga ")))
                printed << line;
        // Every page but the last is filled before the next begins.
        if (p + 1 < report.pageCount())
            QVERIFY(printed.size() >= 50 * (p + 1));
    }
    QCOMPARE(printed, expected);
}

void TestDocuments::templateAndFilling()
{
    Report report;
    QVERIFY(report.load(listTemplate));
    QVERIFY(report.object(QStringLiteral("txtTitolo")));
    QVERIFY(report.object(QStringLiteral("txtRiepilogo")));
    QVERIFY(report.object(QStringLiteral("txtPagina")));
    QVERIFY(report.band(QStringLiteral("MasterData")));
    QVERIFY(!report.object(QStringLiteral("txtNessuno")));
    QVERIFY(!report.setText(QStringLiteral("txtNessuno"), QStringLiteral("x")));
    QVERIFY(!report.setPicture(QStringLiteral("txtTitolo"), QImage(4, 4, QImage::Format_RGB32)));

    // The memo and band heights follow the number of lines, in report units.
    QVERIFY(fillListReport(report, QStringLiteral("T"), listLines(3)));
    QCOMPARE(toUnits(report.object(QStringLiteral("txtRiepilogo"))->rect.height()), 3 * 12.822);
    QCOMPARE(toUnits(report.band(QStringLiteral("MasterData"))->height), 3 * 12.822 + 10);

    // Units and millimetres in one template.
    QVERIFY(report.loadFromJson(singleObject(
        R"({"name":"a","type":"rect","unit":"units","left":96,"top":0,"width":96,"height":48},
           {"name":"b","type":"rect","left":25.4,"top":0,"width":10,"height":5})")));
    QCOMPARE(report.object(QStringLiteral("a"))->rect, QRectF(25.4, 0, 25.4, 12.7));
    QCOMPARE(report.object(QStringLiteral("b"))->rect, QRectF(25.4, 0, 10, 5));

    const QList<QByteArray> broken = {
        "{ not json",
        singleObject(R"({"name":"x","type":"ellipse"})"),
        singleObject(R"({"name":"x","type":"picture","picture":":/none.png"})"),
        R"({"bands":[{"name":"b","kind":"sideways"}]})",
    };
    for (const QByteArray &json : broken) {
        QVERIFY2(!report.loadFromJson(json), json.constData());
        QVERIFY(!report.errorString().isEmpty());
    }
    QVERIFY(!report.load(QStringLiteral(":/templates/nessuno.json")));
    QVERIFY(report.errorString().contains(QLatin1String("nessuno.json")));
}

void TestDocuments::bandsThatCannotSplitMoveWhole()
{
    // A4 portrait with 10 mm margins: 277 mm inside. Two 150 mm bands cannot share a page.
    Report report;
    QVERIFY(report.loadFromJson(R"({"unit":"mm","margins":[10,10,10,10],"bands":[
        {"name":"Uno","kind":"master","height":150,"objects":[
            {"name":"txtUno","type":"text","left":0,"top":140,"width":50,"height":6,"text":"uno"}]},
        {"name":"Due","kind":"master","height":150,"objects":[
            {"name":"txtDue","type":"text","left":0,"top":0,"width":50,"height":6,"text":"due"}]},
        {"name":"Piede","kind":"pageFooter","height":10,"printOnFirstPage":false,"objects":[
            {"name":"txtPiede","type":"text","left":0,"top":0,"width":50,"height":6,
             "text":"pagina [PAGE]"}]}]})"));
    report.prepare();
    QCOMPARE(report.pageCount(), 2);
    QCOMPARE(report.pageLines(0), QStringList{QStringLiteral("uno")});
    QCOMPARE(report.pageLines(1), QStringList({QStringLiteral("due"), QStringLiteral("pagina 2")}));
    for (const PreparedItem &item : report.page(1).items)
        if (item.object.name == QLatin1String("txtDue"))
            QCOMPARE(item.rect.top(), 10.0);

    // Allowed to split, the first band's text line stays whole on the first page.
    report.band(QStringLiteral("Due"))->allowSplit = true;
    QVERIFY(report.setHeight(QStringLiteral("txtDue"), 200));
    QVERIFY(report.setText(QStringLiteral("txtDue"), QStringLiteral("a\nb\nc")));
    report.prepare();
    QCOMPARE(report.pageCount(), 1);
}

void TestDocuments::outputGoesThroughOneService()
{
    ReportRecorder recorder;
    const QStringList lines = listLines(60);
    QVERIFY(outputListReport(nullptr, QStringLiteral("Riepilogo ricette segnalate"), lines));
    QCOMPARE(recorder.outputs.size(), 1);
    const ReportRecorder::Output &printed = recorder.outputs.first();
    QVERIFY(!printed.preview);
    QCOMPARE(printed.mode, PrintMode::AskPrinter);
    QCOMPARE(printed.orientation, QPageLayout::Landscape);
    QCOMPARE(printed.pages.size(), 2);
    QCOMPARE(printed.pages.first().first(), QStringLiteral("Riepilogo ricette segnalate"));
    QStringList body;
    for (const QString &line : printed.lines())
        if (line.startsWith(QLatin1String("Riga ")))
            body << line;
    QCOMPARE(body, lines);

    QVERIFY(outputListReport(nullptr, QStringLiteral("T"), lines, ListOutput::Preview));
    QVERIFY(recorder.outputs.last().preview);
    recorder.printAnswer = false; // the print dialog cancelled
    QVERIFY(!outputListReport(nullptr, QStringLiteral("T"), lines));
}

void TestDocuments::textCutAtItsBox()
{
    TempProgramFolder folder;
    Report report;
    // 40 mm of Courier New 10 pt hold 18 characters (2.117 mm each); two lines of 4.5 mm fit in
    // 10 mm.
    QVERIFY(report.loadFromJson(singleObject(
        R"({"name":"txtUno","type":"text","left":0,"top":0,"width":40,"height":6,
            "font":"Courier New","size":10,"text":"ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
           {"name":"txtDue","type":"text","left":0,"top":20,"width":60,"height":10,
            "font":"Courier New","size":10,"wordWrap":true,"lineSpacing":4.5,
            "text":"uno due tre quattro cinque sei sette otto nove dieci undici dodici tredici"},
           {"name":"txtTre","type":"text","left":0,"top":40,"width":60,"height":6,
            "font":"Courier New","size":10,"align":"right","text":"prima\nseconda"})")));
    report.prepare();
    const QStringList lines = report.pageLines(0);
    QCOMPARE(lines,
             QStringList({QStringLiteral("ABCDEFGHIJKLMNOPQR"),
                          QStringLiteral("uno due tre quattro cinque"),
                          QStringLiteral("sei sette otto nove dieci"), QStringLiteral("prima")}));

    const QString pdf = folder.file(QStringLiteral("taglio.pdf"));
    QVERIFY(writePdf(report, pdf, QStringLiteral("t"), QStringLiteral("s")));
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(QLatin1String("ABCDEFGHIJKLMNOPQR")), qPrintable(text));
    QVERIFY2(!text.contains(QLatin1String("ABCDEFGHIJKLMNOPQRS")), qPrintable(text));
    QVERIFY(!text.contains(QLatin1String("undici")));
    QVERIFY(!text.contains(QLatin1String("seconda")));
}

void TestDocuments::pictureKeepsProportions_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QRectF>("expected"); // mm on the page
    // Box: left 10 + 10, top 10 + 20, 80 x 40 mm.
    QTest::newRow("fit, wide image") << "fit" << QSize(400, 100) << QRectF(20, 40, 80, 20);
    QTest::newRow("fit, tall image") << "fit" << QSize(100, 200) << QRectF(50, 30, 20, 40);
    QTest::newRow("fit, small image grows") << "fit" << QSize(20, 10) << QRectF(20, 30, 80, 40);
    // Centred: own size at 96 per inch (96 px = 25.4 mm), smaller when too big.
    QTest::newRow("centre, small image")
        << "center" << QSize(96, 48) << QRectF(47.3, 43.65, 25.4, 12.7);
    QTest::newRow("centre, big image") << "center" << QSize(1000, 1000) << QRectF(40, 30, 40, 40);
}

void TestDocuments::pictureKeepsProportions()
{
    QFETCH(QString, mode);
    QFETCH(QSize, image);
    QFETCH(QRectF, expected);
    Report report;
    QVERIFY(report.loadFromJson(singleObject(
        QStringLiteral(R"({"name":"imgFoto","type":"picture","left":10,"top":20,"width":80,)"
                       R"("height":40,"mode":"%1"})")
            .arg(mode)
            .toUtf8())));
    QImage red(image, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(report.setPicture(QStringLiteral("imgFoto"), red));
    report.prepare();
    const double dpi = 254; // 10 pixels a millimetre
    const QImage page = report.renderPage(0, dpi);
    QRect found;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixelColor(x, y) == Qt::red)
                found |= QRect(x, y, 1, 1);
    const QRectF mm(found.x() / 10.0, found.y() / 10.0, found.width() / 10.0,
                    found.height() / 10.0);
    QVERIFY2(std::abs(mm.left() - expected.left()) < 0.3 &&
                 std::abs(mm.top() - expected.top()) < 0.3 &&
                 std::abs(mm.width() - expected.width()) < 0.3 &&
                 std::abs(mm.height() - expected.height()) < 0.3,
             qPrintable(QStringLiteral("%1 %2 %3 x %4")
                            .arg(mm.left())
                            .arg(mm.top())
                            .arg(mm.width())
                            .arg(mm.height())));
}

void TestDocuments::pdfIsUncompressedWithTitleAndSubject()
{
    TempProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Riepilogo.pdf"));
    Report report;
    const QStringList lines = listLines(120);
    QVERIFY(fillListReport(report, QStringLiteral("Riepilogo clienti da ricontattare"), lines));
    // A picture too, so that image streams are checked as well.
    QVERIFY(report.loadFromJson(singleObject(
        R"({"name":"imgLogo","type":"picture","left":0,"top":0,"width":30,"height":20},
           {"name":"txtNome","type":"text","left":0,"top":30,"width":150,"height":8,
            "font":"Arial","size":12,"text":"Caffè è più buono: € 1,20 – già"})")));
    QImage picture(64, 32, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixelColor(x, y, QColor(x * 4, y * 8, 128));
    QVERIFY(report.setPicture(QStringLiteral("imgLogo"), picture));
    QString error;
    QVERIFY2(writePdf(report, path, QStringLiteral("Scheda informativa"),
                      QStringLiteral("Fattura – preventivo"), &error),
             qPrintable(error));
    int exitCode = -1;
    const QString check = run(QStringLiteral("qpdf"), {QStringLiteral("--check"), path}, &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(check));
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title: +Scheda informativa\n"))),
             qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Subject: +Fattura – preventivo\n"))),
             qPrintable(info));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Producer: +Brisvola 1.0\n"))),
             qPrintable(info));
    const QString words = pdfText(path);
    QVERIFY2(words.contains(QStringLiteral("Caffè è più buono: € 1,20 – già")), qPrintable(words));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.contains("/FlateDecode"));
    QVERIFY(!bytes.contains("/ObjStm"));

    // The list report: every line in the text, in order, over its pages. pdftotext rebuilds
    // blanks from the places of the letters, so runs of blanks are compared as one.
    QVERIFY(fillListReport(report, QStringLiteral("Riepilogo clienti da ricontattare"), lines));
    QVERIFY(writePdf(report, path, QStringLiteral("Riepilogo"), QStringLiteral("Elenco")));
    QVERIFY(run(QStringLiteral("pdfinfo"), {path})
                .contains(QRegularExpression(QStringLiteral("Pages: +3\n"))));
    const QString text =
        pdfText(path).replace(QRegularExpression(QStringLiteral(" +")), QStringLiteral(" "));
    qsizetype at = 0;
    for (const QString &line : lines) {
        const QString expected = line.simplified();
        const qsizetype found = text.indexOf(expected, at);
        QVERIFY2(found >= 0, qPrintable(expected));
        QCOMPARE(text.count(line.left(9)), 1);
        at = found + expected.size();
    }
    QCOMPARE(text.count(QLatin1String("Riepilogo clienti da ricontattare")), 1);
    QCOMPARE(text.count(QLatin1String("Stampa eseguita in data 09/03/2026")), 3);
    QVERIFY(text.contains(QLatin1String("Pagina 3 di 3")));
}

void TestDocuments::pdfFailureLeavesOldFile()
{
    TempProgramFolder folder;
    Report report;
    QVERIFY(fillListReport(report, QStringLiteral("T"), listLines(5)));

    // A folder that is a file: nothing can be written there.
    const QString blocker = folder.file(QStringLiteral("file"));
    QFile block(blocker);
    QVERIFY(block.open(QIODevice::WriteOnly));
    block.write("x");
    block.close();
    QString error;
    QVERIFY(!writePdf(report, blocker + QStringLiteral("/Preventivo.pdf"), QStringLiteral("t"),
                      QStringLiteral("s"), &error));
    QVERIFY(error.contains(QLatin1String("Preventivo.pdf")));

    // A successful write replaces the old file whole.
    const QString path = folder.file(QStringLiteral("Preventivo.pdf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    QVERIFY(writePdf(report, path, QStringLiteral("t"), QStringLiteral("s"), &error));
    QFile again(path);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QVERIFY(again.readAll().startsWith("%PDF-"));
}

void TestDocuments::printerAndPreviewShowTheSamePages()
{
    TempProgramFolder folder;
    Report report;
    QVERIFY(
        fillListReport(report, QStringLiteral("Riepilogo prenotazioni tavoli"), listLines(200)));

    // A PDF-format printer stands in for a real one.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString printed = folder.file(QStringLiteral("stampa.pdf"));
    printer.setOutputFileName(printed);
    QVERIFY(printOn(report, printer));
    const QString info = run(QStringLiteral("pdfinfo"), {printed});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +4\n"))), qPrintable(info));
    QVERIFY2(info.contains(QLatin1String("842 x 595 pts (A4)")), qPrintable(info)); // A4 landscape
    QVERIFY(
        pdfText(printed).simplified().contains(QStringLiteral("Riga 200 Nazionalità: Italiana")));

    ReportPreview preview(report);
    preview.open();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QCOMPARE(preview.view()->pageCount(), 4);
    QCOMPARE(preview.view()->orientation(), QPageLayout::Landscape);
    for (const char *name : {"btnStampa", "btnZoomPiu", "btnZoomMeno", "btnSchermoIntero",
                             "btnChiudi", "btnPaginaSuccessiva"})
        QVERIFY2(preview.findChild<QAction *>(QLatin1String(name)), name);
    preview.findChild<QAction *>(QStringLiteral("btnPaginaSuccessiva"))->trigger();
    QCOMPARE(preview.view()->currentPage(), 2);
    QCOMPARE(preview.findChild<QLabel *>(QStringLiteral("lblPagina"))->text(),
             QStringLiteral("Pagina 2 di 4"));
    const double zoom = preview.view()->zoomFactor();
    preview.findChild<QAction *>(QStringLiteral("btnZoomPiu"))->trigger();
    QVERIFY(preview.view()->zoomFactor() > zoom);
    preview.findChild<QAction *>(QStringLiteral("btnSchermoIntero"))->trigger();
    QVERIFY(preview.isFullScreen());
    preview.findChild<QAction *>(QStringLiteral("btnChiudi"))->trigger();
    QVERIFY(!preview.isVisible());
    QCOMPARE(preview.result(), int(QDialog::Accepted));

    // Straight to the default printer: with none installed, a clear message and no success.
    if (QPrinterInfo::defaultPrinter().isNull()) {
        MessageRecorder messages;
        QVERIFY(!print(report, nullptr, PrintMode::DefaultPrinter));
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.last().startsWith(
            QStringLiteral("Attenzione: non è stato possibile stampare")));
    }
}

void TestDocuments::documentDialog_data()
{
    QTest::addColumn<QString>("templatePath");
    QTest::addColumn<bool>("fills");
    QTest::addColumn<QString>("damagedMessage");
    QTest::addColumn<bool>("printed");
    QTest::addColumn<bool>("staysOpen");
    const QString list = QStringLiteral(":/templates/lista.json");
    const QString none = QStringLiteral(":/templates/nessuno.json");
    const QString warning = QStringLiteral("Attenzione: il modello di stampa non è leggibile.");
    QTest::newRow("filled and printed") << list << true << warning << true << false;
    QTest::newRow("no template, warned") << none << true << warning << false << true;
    QTest::newRow("object missing, warned") << list << false << warning << false << true;
    QTest::newRow("no template, closed") << none << true << QString() << false << false;
}

void TestDocuments::documentDialog()
{
    QFETCH(QString, templatePath);
    QFETCH(bool, fills);
    QFETCH(QString, damagedMessage);
    QFETCH(bool, printed);
    QFETCH(bool, staysOpen);
    MessageRecorder messages;
    ReportRecorder recorder;
    DocumentDialog dialog({.className = QStringLiteral("TfrmProva"),
                           .caption = QStringLiteral(" Prova"),
                           .button = QStringLiteral("Stampa"),
                           .output = DocumentOutput::Print,
                           .printMode = PrintMode::DefaultPrinter,
                           .damagedMessage = damagedMessage},
                          nullptr);
    QCOMPARE(dialog.objectName(), QStringLiteral("TfrmProva"));
    QCOMPARE(dialog.btnStampa->text(), QStringLiteral("Stampa"));
    // The document is filled when the button is pressed, with what it shows then.
    QString title = QStringLiteral("prima");
    const QString object = fills ? QStringLiteral("txtTitolo") : QStringLiteral("txtNessuno");
    dialog.setDocument(
        {templatePath, [&title, object](Report &report) { return report.setText(object, title); }});
    title = QStringLiteral("Riepilogo di prova");
    dialog.show();
    dialog.btnStampa->click();

    QCOMPARE(recorder.outputs.size(), printed ? 1 : 0);
    if (printed) {
        QCOMPARE(recorder.outputs[0].mode, PrintMode::DefaultPrinter);
        QCOMPARE(recorder.outputs[0].lines().value(0), QStringLiteral("Riepilogo di prova"));
    }
    QCOMPARE(messages.texts(), staysOpen ? QStringList{damagedMessage} : QStringList{});
    QCOMPARE(dialog.isVisible(), staysOpen);
}

void TestDocuments::guide()
{
    TempProgramFolder folder;
    QList<brisvola::HelpTopic> topics = brisvola::helpTopics();
    QVERIFY(!topics.isEmpty());
    // A long topic flows over more than one page.
    brisvola::HelpTopic longTopic{QStringLiteral("App Prenotazione Tavoli"), {}};
    for (int i = 1; i <= 30; ++i)
        longTopic.paragraphs << QStringLiteral("Paragrafo %1: la prenotazione è registrata "
                                               "nell'archivio dell'anno, con il totale pagato "
                                               "in € e le intolleranze alimentari del cliente "
                                               "che il cameriere addetto potrà consultare.")
                                    .arg(i);
    topics << longTopic;

    const QString path = folder.file(guideFileName);
    QString error;
    QVERIFY2(writeGuide(path, topics, &error), qPrintable(error));
    int exitCode = -1;
    const QString check = run(QStringLiteral("qpdf"), {QStringLiteral("--check"), path}, &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(check));
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title: +Guida di Brisvola\n"))),
             qPrintable(info));

    // Every paragraph whole, with its words in order (lines joined again, and the page foot of a
    // paragraph that runs over a page break taken out).
    QString text =
        run(QStringLiteral("pdftotext"),
            {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    text.remove(
        QRegularExpression(QStringLiteral("Brisvola – Guida\\s+Pagina \\d+ di \\d+\\s*\\f?")));
    text = text.simplified().remove(QLatin1Char('-'));
    QVERIFY(text.contains(QLatin1String("Guida all'uso del programma")));
    for (const brisvola::HelpTopic &topic : topics) {
        QVERIFY2(text.count(topic.title) >= 2, qPrintable(topic.title)); // contents and section
        for (const QString &paragraph : topic.paragraphs)
            // pdftotext joins a word broken after its hyphen ("e-" + "mail"): compare without
            // hyphens.
            QVERIFY2(text.contains(QString(paragraph.simplified()).remove(QLatin1Char('-'))),
                     qPrintable(paragraph.left(60)));
    }

    // Title page, one page for the general topic at least, the long topic on two or more; the
    // contents give the page where each section starts.
    Report report;
    buildGuide(report, topics);
    QVERIFY(report.pageCount() >= 4);
    const QStringList first = report.pageLines(0);
    const int lastStart = report.pageCount() - 1;
    bool longStartsBeforeLast = false;
    for (int p = 1; p < report.pageCount(); ++p)
        if (report.pageLines(p).value(0) == longTopic.title)
            longStartsBeforeLast = p < lastStart && first.contains(QString::number(p + 1));
    QVERIFY(longStartsBeforeLast);
}

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
