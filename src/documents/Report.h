#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QPainter;
class QPaintDevice;

// The report engine: page templates are data (JSON, see resources/templates/), filled by object
// name, laid out into pages once and painted by one routine on any QPainter, so that the preview,
// the printer and the PDF file show the same pages.
//
// Every length inside the engine is in millimetres. Templates may give their lengths in report
// units (1/96 inch); they are converted when the template is read.
//
// Template format (JSON):
//   { "name": "...", "orientation": "portrait" | "landscape", "unit": "mm" | "units",
//     "margins": [left, top, right, bottom] (always mm),
//     "objects": [ page objects, placed inside the margins on every page ],
//     "bands": [ { "name", "kind": "title" | "pageHeader" | "master" | "pageFooter",
//                  "height", "allowSplit", "startNewPage", "printOnFirstPage",
//                  "objects": [ ... ] } ] }
// An object: { "name", "type": "text" | "picture" | "rect" | "line", "left", "top", "width",
//   "height", "unit" (overrides the template's), "text", "font", "size" (points), "bold",
//   "italic", "color", "fill", "align": "left" | "center" | "right",
//   "valign": "top" | "center" | "bottom", "wordWrap", "lineSpacing", "padding",
//   "picture" (a file or resource), "mode": "fit" | "center" | "stretch",
//   "outline", "outlineWidth" }.
// Pictures: "fit" scales the image to the box keeping its proportions, "center" shows it at its
// own size (96 pixels an inch) in the middle, smaller when it is too big, "stretch" fills the box.
// Lengths are in the object's unit; a line runs from (left, top) to (left + width, top + height).
// Bands: a title band prints once at the top of the first page, page headers and footers on every
// page, master bands one after the other in between; a master band with allowSplit continues on
// the next page (its text lines are never cut in two), one without moves whole to the next page.
// Texts are cut at their box (no wrap: at the right edge; below the box: whole lines dropped).
// [DATE], [PAGE] and [PAGES] in a text become the date, page number and page count.
// An ".svg" picture is drawn as vector artwork, so that it stays sharp in print and in PDF files.
namespace brisvola::documents {

// Report units (1/96 inch) to millimetres and back.
constexpr double mmPerUnit = 25.4 / 96.0;
constexpr double fromUnits(double units)
{
    return units * mmPerUnit;
}
constexpr double toUnits(double mm)
{
    return mm / mmPerUnit;
}

enum class ObjectKind
{
    Text,
    Picture,
    Rectangle,
    Line
};
enum class HAlign
{
    Left,
    Center,
    Right
};
enum class VAlign
{
    Top,
    Center,
    Bottom
};
enum class PictureMode
{
    Fit,
    Center,
    Stretch
};
enum class BandKind
{
    Page,
    Title,
    PageHeader,
    Master,
    PageFooter
};

// One named object of a template. Its place is relative to its band (or to the area inside the
// margins for page objects).
struct ReportObject
{
    QString name;
    ObjectKind kind = ObjectKind::Text;
    QRectF rect; // mm

    // Text objects.
    QString text;
    QString fontFamily = QStringLiteral("Arial");
    double fontSize = 10; // points
    bool bold = false;
    bool italic = false;
    QColor color = Qt::black;
    QColor fill; // invalid: no fill (also for rectangles)
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    bool wordWrap = false;
    double lineSpacing = 0; // mm from one line to the next; 0: the font's own
    double padding = 0;     // mm inside the box on every side

    // Pictures. A picture read from an SVG file also keeps its drawing, which is painted as vector
    // artwork (sharp at any zoom, lines and curves in the PDF); setPicture replaces both.
    QImage image;
    QByteArray vector;
    PictureMode pictureMode = PictureMode::Fit;

    // Rectangles and lines; also the frame of a text or picture when outlineWidth > 0.
    QColor outline = Qt::black;
    double outlineWidth = 0; // mm; 0: no outline (lines and rectangles default to a thin one)
};

struct ReportBand
{
    QString name;
    BandKind kind = BandKind::Master;
    double height = 0; // mm
    bool allowSplit = false;
    bool startNewPage = false;    // master bands: begin on a fresh page
    bool printOnFirstPage = true; // page headers and footers
    QList<ReportObject> objects;
};

// One laid-out text line, in page millimetres, as it will be drawn.
struct PreparedLine
{
    QString text;
    QPointF topLeft; // of the line box
    double lineHeight = 0;
};

// One object placed on a prepared page: its box and clip in page millimetres and, for texts, the
// lines that fall on this page.
struct PreparedItem
{
    ReportObject object; // a copy: the template may be filled again after preparing
    QRectF rect; // the object's whole box on the page (may reach beyond the clip when split)
    QRectF clip; // what of it belongs to this page
    QList<PreparedLine> lines;
};

struct PreparedPage
{
    QList<PreparedItem> items;
};

class Report
{
public:
    Report();
    ~Report();
    Report(const Report &) = delete;
    Report &operator=(const Report &) = delete;

    // Reads a template from a file or a resource (":/templates/<name>.json"); false and
    // errorString() when it cannot be read or is not a template.
    bool load(const QString &path);
    bool loadFromJson(const QByteArray &json);
    QString errorString() const { return m_error; }

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }

    // Page: A4 in the given orientation, margins in mm.
    QPageLayout::Orientation orientation() const { return m_orientation; }
    void setOrientation(QPageLayout::Orientation orientation) { m_orientation = orientation; }
    QMarginsF margins() const { return m_margins; }
    void setMargins(const QMarginsF &mm) { m_margins = mm; }
    QSizeF pageSize() const;    // mm, oriented
    QRectF contentRect() const; // mm, inside the margins

    // Objects and bands by name (nullptr when there is none).
    ReportObject *object(const QString &name);
    const ReportObject *object(const QString &name) const;
    ReportBand *band(const QString &name);
    QList<ReportBand> &bands() { return m_bands; }
    ReportBand &addBand(const ReportBand &band);

    // Filling. Each returns false when the object or band does not exist (or is of another kind).
    bool setText(const QString &name, const QString &text);
    bool setHeight(const QString &name, double mm);
    bool setBandHeight(const QString &name, double mm);
    bool setPicture(const QString &name, const QImage &image);

    // Height in mm that the object needs to show all of its text in its width.
    double textHeight(const ReportObject &object) const;

    // Lays the filled template out into pages. Texts [DATE], [PAGE] and [PAGES] are replaced by
    // today's date, the page number and the number of pages.
    void prepare();
    bool isPrepared() const { return m_prepared; }
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    const PreparedPage &page(int index) const { return m_pages.at(index); }
    // The text lines drawn on a page, top to bottom, as they will be drawn (after cutting).
    QStringList pageLines(int index) const;

    // Paints a prepared page on a painter whose device has its origin at the paper's top-left
    // corner (printers and PDF writers with full-page layout, images of the page's size).
    void paintPage(QPainter &painter, int index) const;
    // The page as an image at the given resolution (dots per inch).
    QImage renderPage(int index, double dpi) const;

private:
    void clear();
    QString m_name;
    QString m_error;
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QMarginsF m_margins{10, 10, 10, 10};
    QList<ReportBand> m_bands;
    QList<PreparedPage> m_pages;
    bool m_prepared = false;
};

} // namespace brisvola::documents
