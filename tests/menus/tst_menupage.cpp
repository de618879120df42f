#include "documents/Report.h"
#include "documents/ReportOutput.h"
#include "menus/AnteprimaMenu.h"
#include "menus/MenuDocument.h"
#include "menus/StampaMenu.h"

#include "ReportRecorder.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using namespace brisvola::documents;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return QStringLiteral("<%1 did not run>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

// The page filled with a menu, prepared.
std::unique_ptr<Report> page(const menus::MenuValues &menu)
{
    auto report = std::make_unique<Report>();
    if (!fillDocument(*report, menus::menuDocument(menu)))
        return nullptr;
    report->prepare();
    return report;
}

// The text of a prepared object of the page ("" when it has no line).
QString printed(const Report &report, const QString &name)
{
    for (const PreparedItem &item : report.page(0).items)
        if (item.object.name == name)
            return item.lines.isEmpty() ? QString() : item.lines.first().text;
    return QStringLiteral("<no %1>").arg(name);
}

QString nn(int k)
{
    return QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
}

const menus::MenuValues fullMenu = {
    {"Titolo", " Menu della domenica "},
    {"Stagione", "Primavera"},
    {"Avvertenze", "Su prenotazione"},
    {"Coperto", "2,50"},
    {"Allergeni", "Alcuni piatti contengono glutine, latte e frutta a guscio."},
    {"Note", "Il pane è fatto in casa ogni mattina."},
    {"Nome01", "Tagliatelle al ragù"},
    {"Descrizione01", "Pasta all'uovo tirata a mano con ragù di manzo e maiale"},
    {"Prezzo01", "11,00"},
    {"Nome03", "Faraona arrosto"},
    {"Descrizione03", "Con patate al rosmarino"},
    {"Prezzo03", "0,00"},
    {"Nome04", "Tiramisù"},
    {"Prezzo04", "secondo stagione"},
    {"Segnalato", "Sì"}};

} // namespace

class TestMenuPage : public QObject
{
    Q_OBJECT

private slots:
    void templateObjects_data();
    void templateObjects();
    void pictures();
    void emptyMenuPrintsOnlyTheArtwork();
    void filledMenu();
    void previewAndPrintGiveTheSamePage();
    void pdfOfTheMenu();
};

void TestMenuPage::templateObjects_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<double>("size");
    QTest::addColumn<int>("align");
    const auto row = [](const QString &name, QRectF rect, double size, HAlign align) {
        QTest::newRow(qPrintable(name)) << name << rect << size << int(align);
    };
    row("txtTitolo", {12, 17, 165.8, 10.2}, 20, HAlign::Center);
    for (int k = 1; k <= 10; ++k) {
        const double top = k == 1 ? 39 : 60 + 20 * (k - 2);
        const double shift = k == 6 ? 1 : 0;
        row("txtNome" + nn(k), {16 + shift, top, 122.8, 6.2}, 14, HAlign::Left);
        row("txtPrezzo" + nn(k), {140 + shift, top, 32.8, 6.2}, 14, HAlign::Right);
        row("txtDescrizione" + nn(k), {16 + shift, top + 6, 156.8, k == 10 ? 5.2 : 4.2}, 10,
            HAlign::Left);
    }
    row("txtCoperto", {62, 244, 64.6, 5.2}, 10, HAlign::Center);
    row("txtAllergeni", {12, 252, 164, 4.2}, 8, HAlign::Center);
    row("txtNote", {12, 256.4, 164, 4.2}, 8, HAlign::Center);
}

void TestMenuPage::templateObjects()
{
    QFETCH(QString, name);
    QFETCH(QRectF, rect);
    QFETCH(double, size);
    QFETCH(int, align);
    Report report;
    QVERIFY2(report.load(menus::pageTemplate), qPrintable(report.errorString()));
    QCOMPARE(report.name(), QStringLiteral("Scheda Menu"));
    QCOMPARE(report.margins(), QMarginsF(10, 10, 10, 10));
    const ReportObject *o = report.object(name);
    QVERIFY(o);
    QCOMPARE(o->kind, ObjectKind::Text);
    QCOMPARE(o->rect, rect);
    QCOMPARE(o->fontFamily, QStringLiteral("Times New Roman"));
    QCOMPARE(o->fontSize, size);
    QCOMPARE(int(o->hAlign), align);
    QVERIFY(!o->bold && !o->italic && !o->wordWrap);
    QCOMPARE(o->color, QColor(Qt::black));
}

void TestMenuPage::pictures()
{
    Report report;
    QVERIFY(report.load(menus::pageTemplate));
    QList<std::pair<QString, QRectF>> pictures = {
        {"imgAngolo01", {0, 0, 30, 55}},   {"Picture1", {160, 0, 30, 55}},
        {"Picture2", {0, 219, 30, 55}},    {"Picture3", {160, 219, 30, 55}},
        {"Picture4", {30, 0, 55, 12}},     {"Picture5", {85, 0, 55, 12}},
        {"Picture6", {124, 0, 55, 12}},    {"Picture7", {29, 262, 55, 12}},
        {"Picture8", {84, 262, 55, 12}},   {"Picture9", {125, 262, 55, 12}},
        {"Picture10", {0, 55, 12, 55}},    {"Picture11", {0, 110, 12, 55}},
        {"Picture12", {0, 165, 12, 55}},   {"Picture13", {178, 55, 12, 55}},
        {"Picture14", {178, 110, 12, 55}}, {"Picture15", {178, 165, 12, 55}},
        {"Picture25", {30, 24, 129, 8}},   {"Picture26", {30, 245, 129, 8}}};
    const double flourishTops[] = {52, 73, 93, 113, 133, 153, 173, 193, 213};
    for (int i = 0; i < 9; ++i)
        pictures.append({QStringLiteral("Picture%1").arg(16 + i), {76.4, flourishTops[i], 37, 6}});
    for (const auto &[name, rect] : pictures) {
        const ReportObject *o = report.object(name);
        QVERIFY2(o && o->kind == ObjectKind::Picture, qPrintable(name));
        QCOMPARE(o->rect, rect);
        // Vector artwork, drawn to the size of its box.
        QVERIFY2(!o->vector.isEmpty(), qPrintable(name));
        QCOMPARE(o->pictureMode, PictureMode::Stretch);
    }
}

void TestMenuPage::emptyMenuPrintsOnlyTheArtwork()
{
    const auto report = page({});
    QVERIFY(report);
    QCOMPARE(report->pageCount(), 1);
    QCOMPARE(report->orientation(), QPageLayout::Portrait);
    QCOMPARE(report->pageLines(0), QStringList());
    // The frame, the flourishes and the rules are there all the same: ink at the corners, under
    // the title and between the slots.
    const QImage image = report->renderPage(0, 96);
    const auto inked = [&image](double xmm, double ymm, double wmm, double hmm) {
        const double px = 96 / 25.4;
        for (int y = int((ymm + 10) * px); y < int((ymm + 10 + hmm) * px); ++y)
            for (int x = int((xmm + 10) * px); x < int((xmm + 10 + wmm) * px); ++x)
                if (qGray(image.pixel(x, y)) < 160)
                    return true;
        return false;
    };
    QVERIFY(inked(0, 0, 30, 55));
    QVERIFY(inked(160, 219, 30, 55));
    QVERIFY(inked(76.4, 52, 37, 6));
    QVERIFY(inked(76.4, 213, 37, 6));
    QVERIFY(inked(30, 24, 129, 8));
    QVERIFY(!inked(40, 100, 100, 10)); // the middle of the page stays white
}

void TestMenuPage::filledMenu()
{
    const auto report = page(fullMenu);
    QVERIFY(report);
    QCOMPARE(printed(*report, "txtTitolo"), QStringLiteral("Menu della domenica"));
    QCOMPARE(printed(*report, "txtCoperto"), QStringLiteral("Coperto:  € 2,50"));
    QCOMPARE(printed(*report, "txtPrezzo01"), QStringLiteral("€ 11,00 "));
    QCOMPARE(printed(*report, "txtPrezzo03"), QStringLiteral("€ 0,00 "));
    // A word prints as the word, cut at the edge of its box.
    const QString word = printed(*report, "txtPrezzo04");
    QVERIFY2(word.startsWith(QStringLiteral("€ secondo st")), qPrintable(word));
    QVERIFY(!word.contains(QLatin1String("stagione")));
    QCOMPARE(printed(*report, "txtDescrizione04"), QString());
    // Slot 2 stays empty between slots 1 and 3: nothing moves up.
    for (const char *empty : {"txtNome02", "txtDescrizione02", "txtPrezzo02", "txtNome10"})
        QCOMPARE(printed(*report, empty), QString());
    for (const PreparedItem &item : report->page(0).items)
        if (item.object.name == QLatin1String("txtNome03"))
            QCOMPARE(item.rect.top(), 10 + 80.0);
    const QStringList lines = report->pageLines(0);
    QCOMPARE(lines.first(), QStringLiteral("Menu della domenica"));
    QVERIFY(lines.contains(QStringLiteral("Il pane è fatto in casa ogni mattina.")));
    for (const QString &line : lines)
        for (const char *never : {"Primavera", "Su prenotazione", "Sì"})
            QVERIFY2(!line.contains(QLatin1String(never)), qPrintable(line));
    // A dish named without a price: no euro sign.
    const auto noPrice = page({{"Nome05", "Pane"}});
    QCOMPARE(printed(*noPrice, "txtPrezzo05"), QString());
    QCOMPARE(noPrice->pageLines(0), QStringList{QStringLiteral("Pane")});
}

void TestMenuPage::previewAndPrintGiveTheSamePage()
{
    ReportRecorder reports;
    {
        TfrmAnteprimaMenu preview(fullMenu);
        QCOMPARE(preview.objectName(), QStringLiteral("TfrmAnteprimaMenu"));
        QCOMPARE(preview.windowTitle(), QStringLiteral(" Anteprima di stampa"));
        QCOMPARE(preview.btnStampa->text(), QStringLiteral("Mostra anteprima"));
        QCOMPARE(preview.btnAnnulla->text(), QStringLiteral("Annulla"));
        preview.show();
        clickButton(&preview, "btnStampa");
        QVERIFY(!preview.isVisible());
    }
    {
        TfrmStampaMenu print(fullMenu);
        QCOMPARE(print.objectName(), QStringLiteral("TfrmStampaMenu"));
        QCOMPARE(print.windowTitle(), QStringLiteral(" Stampa scheda menu"));
        QCOMPARE(print.btnStampa->text(), QStringLiteral("Stampa"));
        print.show();
        clickButton(&print, "btnStampa");
        QVERIFY(!print.isVisible());
    }
    {
        // Annulla prints nothing.
        TfrmStampaMenu print(fullMenu);
        print.show();
        clickButton(&print, "btnAnnulla");
    }
    QCOMPARE(reports.outputs.size(), 2);
    QVERIFY(reports.outputs[0].preview);
    QVERIFY(!reports.outputs[1].preview);
    QCOMPARE(reports.outputs[1].mode, PrintMode::AskPrinter);
    QCOMPARE(reports.outputs[0].name, QStringLiteral("Scheda Menu"));
    QCOMPARE(reports.outputs[0].orientation, QPageLayout::Portrait);
    QCOMPARE(reports.outputs[0].pages, reports.outputs[1].pages);
    QCOMPARE(reports.outputs[0].pages.size(), 1);
}

void TestMenuPage::pdfOfTheMenu()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("no pdftotext");
    const auto report = page(fullMenu);
    QVERIFY(report);
    // Kept beside the tests so that the page can be looked at.
    const QString path = QStringLiteral(BRISVOLA_TEST_BINARY_DIR "/scheda_menu.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QVERIFY(printOn(*report, printer));
    const QString text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                          QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    for (const char *expected : {"Menu della domenica", "Tagliatelle al ragù", "€ 11,00",
                                 "Coperto: € 2,50", "Faraona arrosto"})
        QVERIFY2(text.simplified().contains(QString::fromUtf8(expected)), qPrintable(text));
    // The artwork is drawn, not pasted in as pictures.
    if (!QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty()) {
        const QStringList images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(images.size(), 2); // the heading and its rule: no image at all
    }
}

QTEST_MAIN(TestMenuPage)
#include "tst_menupage.moc"
