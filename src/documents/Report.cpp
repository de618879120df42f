#include "documents/Report.h"

#include "shell/Clock.h"

#include <QFile>
#include <QFontMetricsF>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace brisvola::documents {

namespace {

constexpr double eps = 1e-6;
constexpr double referenceDpi = 1200;

// Texts are measured once on a high-resolution device without hinting, so that the layout is the
// same whichever device paints it.
QPaintDevice *referenceDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(referenceDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

QFont fontOf(const ReportObject &object)
{
    QFont font(object.fontFamily);
    font.setPointSizeF(object.fontSize > 0 ? object.fontSize : 10);
    font.setBold(object.bold);
    font.setItalic(object.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double lineHeightOf(const ReportObject &object)
{
    if (object.lineSpacing > 0)
        return object.lineSpacing;
    const QFontMetricsF metrics(fontOf(object), referenceDevice());
    return metrics.lineSpacing() * 25.4 / referenceDpi;
}

// The longest beginning of text whose width is within maxWidth (device pixels of metrics).
QString cutToWidth(const QString &text, const QFontMetricsF &metrics, double maxWidth)
{
    if (metrics.horizontalAdvance(text) <= maxWidth + eps)
        return text;
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid)) <= maxWidth + eps)
            low = mid;
        else
            high = mid - 1;
    }
    return text.left(low);
}

// The text of an object broken into lines: at line breaks always, at the box width when word wrap
// is on.
QStringList layoutLines(const ReportObject &object)
{
    QString text = object.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.isEmpty())
        return {};
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    if (!object.wordWrap)
        return paragraphs;

    // A little narrower than the box, so that no device measures a wrapped line wider than it.
    const double widthPx =
        std::max(0.0, object.rect.width() - 2 * object.padding) * referenceDpi / 25.4 * 0.995;
    const QFont font = fontOf(object);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList lines;
    for (const QString &paragraph : paragraphs) {
        if (paragraph.isEmpty()) {
            lines << QString();
            continue;
        }
        QTextLayout layout(paragraph, font, referenceDevice());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(widthPx);
            QString piece = paragraph.mid(line.textStart(), line.textLength());
            while (piece.endsWith(QLatin1Char(' ')))
                piece.chop(1);
            lines << piece;
        }
        layout.endLayout();
    }
    return lines;
}

// Where the lines of a text object sit, relative to the object's top.
struct TextBlock
{
    QStringList lines;
    QList<double> tops;
    double lineHeight = 0;
};

TextBlock textBlock(const ReportObject &object)
{
    TextBlock block;
    const QStringList lines = layoutLines(object);
    block.lineHeight = lineHeightOf(object);
    const double inner = object.rect.height() - 2 * object.padding;
    const double total = lines.size() * block.lineHeight;
    double first = object.padding;
    if (total < inner) {
        if (object.vAlign == VAlign::Center)
            first += (inner - total) / 2;
        else if (object.vAlign == VAlign::Bottom)
            first += inner - total;
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const double top = first + i * block.lineHeight;
        // A text longer than its box is cut at the box edge; the first line is always shown.
        if (i > 0 && top + block.lineHeight > object.rect.height() - object.padding + 1e-3)
            break;
        block.lines << lines.at(i);
        block.tops << top;
    }
    return block;
}

QColor colorValue(const QJsonValue &value, const QColor &fallback)
{
    if (!value.isString())
        return fallback;
    const QString name = value.toString();
    if (name.isEmpty() || name == QLatin1String("none"))
        return QColor();
    QColor color = QColor::fromString(name);
    return color.isValid() ? color : fallback;
}

std::optional<ReportObject> objectFromJson(const QJsonObject &json, bool unitsByDefault,
                                           QString *error)
{
    ReportObject object;
    object.name = json.value(QLatin1String("name")).toString();
    const QString type = json.value(QLatin1String("type")).toString();
    if (type == QLatin1String("text"))
        object.kind = ObjectKind::Text;
    else if (type == QLatin1String("picture"))
        object.kind = ObjectKind::Picture;
    else if (type == QLatin1String("rect"))
        object.kind = ObjectKind::Rectangle;
    else if (type == QLatin1String("line"))
        object.kind = ObjectKind::Line;
    else {
        *error = QStringLiteral("oggetto \"%1\": tipo \"%2\" sconosciuto").arg(object.name, type);
        return std::nullopt;
    }

    bool units = unitsByDefault;
    if (json.contains(QLatin1String("unit")))
        units = json.value(QLatin1String("unit")).toString() == QLatin1String("units");
    const auto length = [&](const char *key, double fallback = 0) {
        const double value = json.value(QLatin1String(key)).toDouble(fallback);
        return units ? fromUnits(value) : value;
    };
    object.rect = QRectF(length("left"), length("top"), length("width"), length("height"));
    object.text = json.value(QLatin1String("text")).toString();
    object.fontFamily = json.value(QLatin1String("font")).toString(object.fontFamily);
    object.fontSize = json.value(QLatin1String("size")).toDouble(object.fontSize);
    object.bold = json.value(QLatin1String("bold")).toBool();
    object.italic = json.value(QLatin1String("italic")).toBool();
    object.color = colorValue(json.value(QLatin1String("color")), object.color);
    object.fill = colorValue(json.value(QLatin1String("fill")), QColor());
    const QString align = json.value(QLatin1String("align")).toString();
    object.hAlign = align == QLatin1String("center")  ? HAlign::Center
                    : align == QLatin1String("right") ? HAlign::Right
                                                      : HAlign::Left;
    const QString valign = json.value(QLatin1String("valign")).toString();
    object.vAlign = valign == QLatin1String("center")   ? VAlign::Center
                    : valign == QLatin1String("bottom") ? VAlign::Bottom
                                                        : VAlign::Top;
    object.wordWrap = json.value(QLatin1String("wordWrap")).toBool();
    object.lineSpacing = length("lineSpacing");
    object.padding = length("padding");
    const QString mode = json.value(QLatin1String("mode")).toString();
    object.pictureMode = mode == QLatin1String("center")    ? PictureMode::Center
                         : mode == QLatin1String("stretch") ? PictureMode::Stretch
                                                            : PictureMode::Fit;
    const QString picture = json.value(QLatin1String("picture")).toString();
    if (picture.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QFile file(picture);
        if (file.open(QIODevice::ReadOnly))
            object.vector = file.readAll();
        if (!QSvgRenderer(object.vector).isValid()) {
            *error = QStringLiteral("oggetto \"%1\": immagine \"%2\" illeggibile")
                         .arg(object.name, picture);
            return std::nullopt;
        }
    }
    if (!picture.isEmpty() && !object.image.load(picture)) {
        *error =
            QStringLiteral("oggetto \"%1\": immagine \"%2\" illeggibile").arg(object.name, picture);
        return std::nullopt;
    }
    object.outline = colorValue(json.value(QLatin1String("outline")), object.outline);
    const bool drawn = object.kind == ObjectKind::Line || object.kind == ObjectKind::Rectangle;
    object.outlineWidth = json.contains(QLatin1String("outlineWidth")) ? length("outlineWidth")
                          : drawn                                      ? 0.2
                                                                       : 0;
    return object;
}

} // namespace

Report::Report() = default;
Report::~Report() = default;

void Report::clear()
{
    m_name.clear();
    m_error.clear();
    m_orientation = QPageLayout::Portrait;
    m_margins = QMarginsF(10, 10, 10, 10);
    m_bands.clear();
    m_pages.clear();
    m_prepared = false;
}

bool Report::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        clear();
        m_error = QStringLiteral("Modello di stampa \"%1\" non leggibile: %2")
                      .arg(path, file.errorString());
        return false;
    }
    return loadFromJson(file.readAll());
}

bool Report::loadFromJson(const QByteArray &json)
{
    clear();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        m_error = QStringLiteral("Modello di stampa non valido: %1").arg(parseError.errorString());
        return false;
    }
    const QJsonObject root = document.object();
    m_name = root.value(QLatin1String("name")).toString();
    m_orientation =
        root.value(QLatin1String("orientation")).toString() == QLatin1String("landscape")
            ? QPageLayout::Landscape
            : QPageLayout::Portrait;
    const bool units = root.value(QLatin1String("unit")).toString() == QLatin1String("units");
    const QJsonArray margins = root.value(QLatin1String("margins")).toArray();
    if (margins.size() == 4)
        m_margins = QMarginsF(margins[0].toDouble(), margins[1].toDouble(), margins[2].toDouble(),
                              margins[3].toDouble());

    QString error;
    const auto readObjects = [&](const QJsonArray &array, QList<ReportObject> &into) {
        for (const QJsonValue &value : array) {
            auto object = objectFromJson(value.toObject(), units, &error);
            if (!object)
                return false;
            into << *object;
        }
        return true;
    };

    ReportBand page;
    page.name = QStringLiteral("Page");
    page.kind = BandKind::Page;
    page.height = contentRect().height();
    if (!readObjects(root.value(QLatin1String("objects")).toArray(), page.objects)) {
        m_error = QStringLiteral("Modello di stampa non valido: ") + error;
        return false;
    }
    if (!page.objects.isEmpty())
        m_bands << page;

    for (const QJsonValue &value : root.value(QLatin1String("bands")).toArray()) {
        const QJsonObject json = value.toObject();
        ReportBand band;
        band.name = json.value(QLatin1String("name")).toString();
        const QString kind = json.value(QLatin1String("kind")).toString();
        if (kind == QLatin1String("title"))
            band.kind = BandKind::Title;
        else if (kind == QLatin1String("pageHeader"))
            band.kind = BandKind::PageHeader;
        else if (kind == QLatin1String("pageFooter"))
            band.kind = BandKind::PageFooter;
        else if (kind == QLatin1String("master"))
            band.kind = BandKind::Master;
        else {
            m_error = QStringLiteral("Modello di stampa non valido: banda \"%1\" di tipo \"%2\"")
                          .arg(band.name, kind);
            return false;
        }
        const double height = json.value(QLatin1String("height")).toDouble();
        band.height = units ? fromUnits(height) : height;
        band.allowSplit = json.value(QLatin1String("allowSplit")).toBool();
        band.startNewPage = json.value(QLatin1String("startNewPage")).toBool();
        band.printOnFirstPage = json.value(QLatin1String("printOnFirstPage")).toBool(true);
        if (!readObjects(json.value(QLatin1String("objects")).toArray(), band.objects)) {
            m_error = QStringLiteral("Modello di stampa non valido: ") + error;
            return false;
        }
        m_bands << band;
    }
    return true;
}

QSizeF Report::pageSize() const
{
    return m_orientation == QPageLayout::Landscape ? QSizeF(297, 210) : QSizeF(210, 297);
}

QRectF Report::contentRect() const
{
    const QSizeF size = pageSize();
    return QRectF(m_margins.left(), m_margins.top(),
                  size.width() - m_margins.left() - m_margins.right(),
                  size.height() - m_margins.top() - m_margins.bottom());
}

ReportObject *Report::object(const QString &name)
{
    for (ReportBand &band : m_bands)
        for (ReportObject &object : band.objects)
            if (object.name == name)
                return &object;
    return nullptr;
}

const ReportObject *Report::object(const QString &name) const
{
    return const_cast<Report *>(this)->object(name);
}

ReportBand *Report::band(const QString &name)
{
    for (ReportBand &band : m_bands)
        if (band.name == name)
            return &band;
    return nullptr;
}

ReportBand &Report::addBand(const ReportBand &band)
{
    m_prepared = false;
    m_bands << band;
    return m_bands.last();
}

bool Report::setText(const QString &name, const QString &text)
{
    ReportObject *target = object(name);
    if (!target || target->kind != ObjectKind::Text)
        return false;
    target->text = text;
    m_prepared = false;
    return true;
}

bool Report::setHeight(const QString &name, double mm)
{
    ReportObject *target = object(name);
    if (!target)
        return false;
    target->rect.setHeight(std::max(0.0, mm));
    m_prepared = false;
    return true;
}

bool Report::setBandHeight(const QString &name, double mm)
{
    ReportBand *target = band(name);
    if (!target)
        return false;
    target->height = std::max(0.0, mm);
    m_prepared = false;
    return true;
}

bool Report::setPicture(const QString &name, const QImage &image)
{
    ReportObject *target = object(name);
    if (!target || target->kind != ObjectKind::Picture)
        return false;
    target->image = image;
    target->vector.clear();
    m_prepared = false;
    return true;
}

double Report::textHeight(const ReportObject &object) const
{
    return layoutLines(object).size() * lineHeightOf(object) + 2 * object.padding;
}

namespace {

// Lays bands out page after page.
class Paginator
{
public:
    Paginator(const Report &report, const QList<ReportBand> &bands, QList<PreparedPage> &pages)
        : m_bands(bands), m_pages(pages), m_content(report.contentRect())
    {
        for (const ReportBand &band : bands)
            for (const ReportObject &object : band.objects)
                if (object.kind == ObjectKind::Text)
                    m_blocks.insert(&object, textBlock(object));
    }

    void run()
    {
        newPage();
        for (const ReportBand &band : m_bands)
            if (band.kind == BandKind::Master)
                placeMaster(band);
    }

private:
    void newPage()
    {
        const bool first = m_pages.isEmpty();
        m_pages << PreparedPage();
        m_bodyEmpty = true;
        double top = m_content.top();
        double bottom = m_content.bottom();
        for (const ReportBand &band : m_bands) {
            if (band.kind == BandKind::Page)
                place(band, 0, band.height, m_content.top());
            else if (band.kind == BandKind::Title && first) {
                place(band, 0, band.height, top);
                top += band.height;
            }
        }
        for (const ReportBand &band : m_bands) {
            if (first && !band.printOnFirstPage)
                continue;
            if (band.kind == BandKind::PageHeader) {
                place(band, 0, band.height, top);
                top += band.height;
            }
        }
        for (auto it = m_bands.crbegin(); it != m_bands.crend(); ++it) {
            if (it->kind == BandKind::PageFooter && (!first || it->printOnFirstPage)) {
                bottom -= it->height;
                place(*it, 0, it->height, bottom);
            }
        }
        m_y = top;
        m_bottom = bottom;
    }

    void placeMaster(const ReportBand &band)
    {
        if (band.startNewPage && !m_bodyEmpty)
            newPage();
        double consumed = 0;
        while (true) {
            const double remaining = band.height - consumed;
            const double available = m_bottom - m_y;
            if (remaining <= available + eps) {
                place(band, consumed, band.height, m_y);
                m_y += remaining;
                m_bodyEmpty = m_bodyEmpty && remaining <= eps;
                return;
            }
            if (available <= eps && m_bodyEmpty)
                return; // no room at all on a page: nothing can be placed
            if (band.allowSplit && contentBottom(band) - consumed <= available + eps) {
                // Only blank space is left over: it does not start a page of its own.
                place(band, consumed, band.height, m_y, m_bottom);
                m_y = m_bottom;
                m_bodyEmpty = false;
                return;
            }
            if (!band.allowSplit) {
                if (!m_bodyEmpty) {
                    newPage();
                    continue;
                }
                // Taller than a page: what does not fit is cut off.
                place(band, 0, band.height, m_y, m_bottom);
                m_y = m_bottom;
                m_bodyEmpty = false;
                return;
            }
            double cut = splitPoint(band, consumed, consumed + available);
            if (cut <= consumed + eps) {
                if (!m_bodyEmpty) {
                    newPage();
                    continue;
                }
                cut = consumed + available; // a single line taller than the page
            }
            place(band, consumed, cut, m_y);
            consumed = cut;
            newPage();
        }
    }

    // Where the last thing that shows in a band ends.
    double contentBottom(const ReportBand &band) const
    {
        double bottom = 0;
        for (const ReportObject &object : band.objects) {
            double end = object.rect.normalized().bottom();
            if (object.kind == ObjectKind::Text && !object.fill.isValid() &&
                object.outlineWidth <= 0) {
                const TextBlock &block = m_blocks[&object];
                end = block.lines.isEmpty()
                          ? 0
                          : object.rect.top() + block.tops.last() + block.lineHeight;
            }
            bottom = std::max(bottom, end);
        }
        return bottom;
    }

    // The highest cut at or above limit that leaves every text line whole on one side.
    double splitPoint(const ReportBand &band, double from, double limit) const
    {
        double cut = limit;
        bool moved = true;
        while (moved) {
            moved = false;
            for (const ReportObject &object : band.objects) {
                const double top = object.rect.top();
                if (object.kind == ObjectKind::Text) {
                    const TextBlock &block = m_blocks[&object];
                    for (qsizetype i = 0; i < block.lines.size(); ++i) {
                        const double lineTop = top + block.tops.at(i);
                        if (lineTop < cut - eps && lineTop + block.lineHeight > cut + eps) {
                            cut = lineTop;
                            moved = true;
                        }
                    }
                } else if (object.kind == ObjectKind::Picture && top > from + eps &&
                           top < cut - eps && object.rect.bottom() > cut + eps) {
                    cut = top; // a picture goes whole to the next page
                    moved = true;
                }
            }
        }
        return cut;
    }

    // Places the part [from, to) of a band at page height y, clipped at clipBottom.
    void place(const ReportBand &band, double from, double to, double y, double clipBottom = -1)
    {
        const double shift = y - from;
        QRectF fragment(m_content.left(), y, m_content.width(), to - from);
        if (clipBottom >= 0)
            fragment.setBottom(std::min(fragment.bottom(), clipBottom));
        PreparedPage &page = m_pages.last();
        for (const ReportObject &object : band.objects) {
            const QRectF box = object.rect.normalized();
            if (box.bottom() < from - eps || box.top() >= to - eps)
                continue;
            if (box.bottom() <= from + eps && box.height() > eps)
                continue;
            PreparedItem item;
            item.object = object;
            item.rect = object.rect.translated(m_content.left(), shift);
            if (object.kind == ObjectKind::Line) {
                item.clip = fragment.adjusted(-1, -1, 1, 1); // a line may lie on an edge
                if (from > eps)
                    item.clip.setTop(fragment.top());
                if (to < band.height - eps)
                    item.clip.setBottom(fragment.bottom());
            } else {
                item.clip = item.rect.normalized() & fragment;
            }
            if (object.kind == ObjectKind::Text) {
                const TextBlock &block = m_blocks[&object];
                for (qsizetype i = 0; i < block.lines.size(); ++i) {
                    const double lineTop = box.top() + block.tops.at(i);
                    if (lineTop < from - eps || lineTop >= to - eps)
                        continue;
                    if (clipBottom >= 0 && lineTop + shift >= clipBottom - eps)
                        continue;
                    item.lines << PreparedLine{block.lines.at(i),
                                               QPointF(item.rect.left(), lineTop + shift),
                                               block.lineHeight};
                }
            }
            page.items << item;
        }
    }

    const QList<ReportBand> &m_bands;
    QList<PreparedPage> &m_pages;
    QRectF m_content;
    QHash<const ReportObject *, TextBlock> m_blocks;
    double m_y = 0;
    double m_bottom = 0;
    bool m_bodyEmpty = true;
};

} // namespace

void Report::prepare()
{
    m_pages.clear();
    // The page objects fill the area inside the margins.
    for (ReportBand &band : m_bands)
        if (band.kind == BandKind::Page)
            band.height = contentRect().height();
    Paginator(*this, m_bands, m_pages).run();

    const QString date = dateText(today());
    const QString pages = QString::number(m_pages.size());
    for (qsizetype p = 0; p < m_pages.size(); ++p) {
        const QString number = QString::number(p + 1);
        for (PreparedItem &item : m_pages[p].items) {
            if (item.lines.isEmpty())
                continue;
            const bool cut = !item.object.wordWrap; // wrapped lines fit already
            const QFontMetricsF metrics(fontOf(item.object), referenceDevice());
            const double widthPx =
                std::max(0.0, item.rect.width() - 2 * item.object.padding) * referenceDpi / 25.4;
            for (PreparedLine &line : item.lines) {
                line.text.replace(QLatin1String("[DATE]"), date);
                line.text.replace(QLatin1String("[PAGES]"), pages);
                line.text.replace(QLatin1String("[PAGE]"), number);
                // Cut what does not fit before drawing, so that the PDF holds only what shows.
                if (cut)
                    line.text = cutToWidth(line.text, metrics, widthPx);
            }
        }
    }
    m_prepared = true;
}

QStringList Report::pageLines(int index) const
{
    QList<PreparedLine> lines;
    for (const PreparedItem &item : m_pages.at(index).items)
        lines << item.lines;
    std::stable_sort(lines.begin(), lines.end(), [](const PreparedLine &a, const PreparedLine &b) {
        if (std::abs(a.topLeft.y() - b.topLeft.y()) > 1e-3)
            return a.topLeft.y() < b.topLeft.y();
        return a.topLeft.x() < b.topLeft.x();
    });
    QStringList texts;
    for (const PreparedLine &line : lines)
        texts << line.text;
    return texts;
}

void Report::paintPage(QPainter &painter, int index) const
{
    const PreparedPage &page = m_pages.at(index);
    QPaintDevice *device = painter.device();
    const double sx = device->logicalDpiX() / 25.4;
    const double sy = device->logicalDpiY() / 25.4;
    const auto px = [&](const QRectF &mm) {
        return QRectF(mm.left() * sx, mm.top() * sy, mm.width() * sx, mm.height() * sy);
    };
    const auto pen = [&](const ReportObject &object) {
        QPen pen(object.outline);
        pen.setWidthF(std::max(object.outlineWidth * sx, 1.0));
        return pen;
    };

    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    for (const PreparedItem &item : page.items) {
        const ReportObject &object = item.object;
        const QRectF box = px(item.rect);
        painter.save();
        painter.setClipRect(px(item.clip));
        switch (object.kind) {
        case ObjectKind::Text: {
            if (object.fill.isValid())
                painter.fillRect(box, object.fill);
            if (object.outlineWidth > 0) {
                painter.setPen(pen(object));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(box);
            }
            if (item.lines.isEmpty())
                break;
            const QFont font = fontOf(object);
            painter.setFont(font);
            painter.setPen(object.color);
            const QFontMetricsF metrics(font, device);
            const double left = box.left() + object.padding * sx;
            const double width = std::max(0.0, box.width() - 2 * object.padding * sx);
            for (const PreparedLine &line : item.lines) {
                const QString text =
                    object.wordWrap ? line.text : cutToWidth(line.text, metrics, width);
                const double advance = metrics.horizontalAdvance(text);
                double x = left;
                if (object.hAlign == HAlign::Center)
                    x += (width - advance) / 2;
                else if (object.hAlign == HAlign::Right)
                    x += width - advance;
                const double lineHeight = line.lineHeight * sy;
                const double baseline = line.topLeft.y() * sy +
                                        (lineHeight - metrics.ascent() - metrics.descent()) / 2 +
                                        metrics.ascent();
                painter.drawText(QPointF(x, baseline), text);
            }
            break;
        }
        case ObjectKind::Picture: {
            if (object.fill.isValid())
                painter.fillRect(box, object.fill);
            QSvgRenderer drawing;
            if (!object.vector.isEmpty())
                drawing.load(object.vector);
            if ((drawing.isValid() || !object.image.isNull()) && !box.isEmpty()) {
                QSizeF size = drawing.isValid() ? drawing.viewBoxF().size() : object.image.size();
                if (object.pictureMode == PictureMode::Stretch) {
                    size = box.size();
                } else {
                    // Centred pictures keep their own size (96 per inch) unless that is too big.
                    const QSizeF natural(size.width() * sx * mmPerUnit,
                                         size.height() * sy * mmPerUnit);
                    size.scale(box.size(), Qt::KeepAspectRatio);
                    if (object.pictureMode == PictureMode::Center &&
                        natural.width() <= size.width() && natural.height() <= size.height())
                        size = natural;
                }
                const QRectF target(box.center().x() - size.width() / 2,
                                    box.center().y() - size.height() / 2, size.width(),
                                    size.height());
                if (drawing.isValid())
                    drawing.render(&painter, target);
                else
                    painter.drawImage(target, object.image);
            }
            if (object.outlineWidth > 0) {
                painter.setPen(pen(object));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(box);
            }
            break;
        }
        case ObjectKind::Rectangle:
            if (object.fill.isValid())
                painter.fillRect(box, object.fill);
            if (object.outlineWidth > 0) {
                painter.setPen(pen(object));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(box);
            }
            break;
        case ObjectKind::Line:
            if (object.outlineWidth > 0) {
                painter.setPen(pen(object));
                painter.drawLine(box.topLeft(), box.bottomRight());
            }
            break;
        }
        painter.restore();
    }
    painter.restore();
}

QImage Report::renderPage(int index, double dpi) const
{
    const QSizeF size = pageSize();
    QImage image(qRound(size.width() / 25.4 * dpi), qRound(size.height() / 25.4 * dpi),
                 QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, index);
    return image;
}

} // namespace brisvola::documents
