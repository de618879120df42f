#include "documents/Guide.h"

#include "documents/Report.h"
#include "documents/ReportOutput.h"

#include <QPainter>
#include <QSvgRenderer>

namespace brisvola::documents {

namespace {

const QColor ink(0x22, 0x22, 0x22);
const QColor accent(0xB3, 0x4A, 0x12); // the dark orange of the program's documents
const QColor muted(0x6B, 0x6B, 0x6B);

ReportObject textObject(const QString &name, const QString &text, const QString &family,
                        double size, double width)
{
    ReportObject object;
    object.name = name;
    object.kind = ObjectKind::Text;
    object.text = text;
    object.fontFamily = family;
    object.fontSize = size;
    object.color = ink;
    object.wordWrap = true;
    object.rect = QRectF(0, 0, width, 10);
    return object;
}

// A band holding one word-wrapped text, as high as the text plus the space after it.
ReportBand textBand(const Report &report, const QString &name, ReportObject object,
                    double spaceBefore, double spaceAfter)
{
    object.rect.moveTop(spaceBefore);
    object.rect.setHeight(report.textHeight(object));
    ReportBand band;
    band.name = name;
    band.kind = BandKind::Master;
    band.allowSplit = true;
    band.height = spaceBefore + object.rect.height() + spaceAfter;
    band.objects << object;
    return band;
}

QImage programIcon()
{
    QSvgRenderer renderer(QStringLiteral(":/icons/brisvola.svg"));
    QImage image(600, 600, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    return image;
}

QString sectionName(qsizetype index)
{
    return QStringLiteral("titSezione%1").arg(index + 1, 2, 10, QLatin1Char('0'));
}

} // namespace

void buildGuide(Report &report, const QList<HelpTopic> &topics)
{
    report.loadFromJson("{}");
    report.setName(QStringLiteral("Guida"));
    report.setOrientation(QPageLayout::Portrait);
    report.setMargins(QMarginsF(22, 20, 22, 18));
    const double width = report.contentRect().width();
    const QString sans = QStringLiteral("Verdana");
    const QString serif = QStringLiteral("Times New Roman");

    // Page footer from the second page on: a rule, the manual's name and the page number.
    ReportBand footer;
    footer.name = QStringLiteral("PiePagina");
    footer.kind = BandKind::PageFooter;
    footer.height = 10;
    footer.printOnFirstPage = false;
    ReportObject rule;
    rule.name = QStringLiteral("linPiede");
    rule.kind = ObjectKind::Line;
    rule.rect = QRectF(0, 3, width, 0);
    rule.outline = muted;
    rule.outlineWidth = 0.2;
    footer.objects << rule;
    ReportObject name = textObject(QStringLiteral("txtPiede"), QStringLiteral("Brisvola – Guida"),
                                   sans, 8, width / 2);
    name.rect = QRectF(0, 4.5, width / 2, 5);
    name.color = muted;
    name.wordWrap = false;
    footer.objects << name;
    ReportObject number = name;
    number.name = QStringLiteral("txtPagina");
    number.text = QStringLiteral("Pagina [PAGE] di [PAGES]");
    number.rect.moveLeft(width / 2);
    number.hAlign = HAlign::Right;
    footer.objects << number;
    report.addBand(footer);

    // Title page: the program's icon, its name, what the manual is, and the contents.
    ReportBand cover;
    cover.name = QStringLiteral("Copertina");
    cover.kind = BandKind::Master;
    cover.height = 120;
    ReportObject icon;
    icon.name = QStringLiteral("imgLogo");
    icon.kind = ObjectKind::Picture;
    icon.rect = QRectF(width / 2 - 22, 18, 44, 44);
    icon.image = programIcon();
    cover.objects << icon;
    ReportObject title =
        textObject(QStringLiteral("txtTitolo"), QStringLiteral("Brisvola"), sans, 34, width);
    title.rect = QRectF(0, 70, width, 16);
    title.bold = true;
    title.color = accent;
    title.hAlign = HAlign::Center;
    cover.objects << title;
    ReportObject subtitle =
        textObject(QStringLiteral("txtSottotitolo"), QStringLiteral("Guida all'uso del programma"),
                   sans, 16, width);
    subtitle.rect = QRectF(0, 88, width, 9);
    subtitle.hAlign = HAlign::Center;
    cover.objects << subtitle;
    ReportObject purpose = textObject(
        QStringLiteral("txtDescrizione"),
        QStringLiteral("Preventivi, ricette, menu, prenotazioni dei tavoli e clienti abituali"),
        serif, 12, width);
    purpose.rect = QRectF(0, 99, width, 7);
    purpose.color = muted;
    purpose.italic = true;
    purpose.hAlign = HAlign::Center;
    cover.objects << purpose;
    ReportObject coverRule = rule;
    coverRule.name = QStringLiteral("linCopertina");
    coverRule.rect = QRectF(width / 2 - 30, 112, 60, 0);
    coverRule.outline = accent;
    coverRule.outlineWidth = 0.5;
    cover.objects << coverRule;
    report.addBand(cover);

    ReportObject contentsTitle =
        textObject(QStringLiteral("titIndice"), QStringLiteral("Indice"), sans, 13, width);
    contentsTitle.bold = true;
    contentsTitle.color = accent;
    report.addBand(textBand(report, QStringLiteral("Indice"), contentsTitle, 6, 3));
    for (qsizetype i = 0; i < topics.size(); ++i) {
        const QString entry = QStringLiteral("indice%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        ReportObject line =
            textObject(QStringLiteral("txtVoce%1").arg(i + 1, 2, 10, QLatin1Char('0')),
                       topics.at(i).title, serif, 12, width - 20);
        line.wordWrap = false;
        ReportBand band = textBand(report, entry, line, 0, 1.5);
        ReportObject page = line;
        page.name = QStringLiteral("txtPaginaVoce%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        page.text.clear();
        page.rect.setLeft(width - 20);
        page.rect.setWidth(20);
        page.hAlign = HAlign::Right;
        band.objects << page;
        report.addBand(band);
    }

    // One section per topic, each on a new page.
    for (qsizetype i = 0; i < topics.size(); ++i) {
        const HelpTopic &topic = topics.at(i);
        ReportObject heading = textObject(sectionName(i), topic.title, sans, 18, width);
        heading.bold = true;
        heading.color = accent;
        ReportBand head = textBand(report, sectionName(i), heading, 0, 2);
        ReportObject underline = rule;
        underline.name = QStringLiteral("linSezione%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        underline.rect = QRectF(0, head.height, width, 0);
        underline.outline = accent;
        underline.outlineWidth = 0.4;
        head.objects << underline;
        head.height += 6;
        head.startNewPage = true;
        report.addBand(head);
        for (qsizetype p = 0; p < topic.paragraphs.size(); ++p) {
            ReportObject paragraph = textObject(QStringLiteral("txtParagrafo%1_%2")
                                                    .arg(i + 1, 2, 10, QLatin1Char('0'))
                                                    .arg(p + 1, 2, 10, QLatin1Char('0')),
                                                topic.paragraphs.at(p).trimmed(), serif, 12, width);
            paragraph.lineSpacing = 12 * 25.4 / 72 * 1.4;
            report.addBand(textBand(report, paragraph.name, paragraph, 0, 3.5));
        }
    }

    // The contents give the page where each section begins: lay out once to find them.
    report.prepare();
    for (qsizetype i = 0; i < topics.size(); ++i) {
        for (int p = 0; p < report.pageCount(); ++p) {
            bool found = false;
            for (const PreparedItem &item : report.page(p).items)
                found = found || item.object.name == sectionName(i);
            if (found) {
                report.setText(
                    QStringLiteral("txtPaginaVoce%1").arg(i + 1, 2, 10, QLatin1Char('0')),
                    QString::number(p + 1));
                break;
            }
        }
    }
    report.prepare();
}

bool writeGuide(const QString &path, const QList<HelpTopic> &topics, QString *error)
{
    Report report;
    buildGuide(report, topics);
    return writePdf(report, path, QStringLiteral("Guida di Brisvola"),
                    QStringLiteral("Guida all'uso del programma"), error);
}

} // namespace brisvola::documents
