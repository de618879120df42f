#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

class QSvgRenderer;
class QToolButton;

namespace brisvola {

// A picture of a window drawn from an SVG resource, scaled to the widget with its proportions.
// A clickable picture (picture buttons, launcher tiles and icons) shows a hand cursor and emits
// clicked() when the mouse is pressed and released over it; a disabled one is drawn greyed.
class Picture : public QWidget
{
    Q_OBJECT
public:
    explicit Picture(const QString &resource, QWidget *parent = nullptr);

    void setClickable(bool clickable);
    bool isClickable() const { return m_clickable; }
    QString resource() const { return m_resource; }
    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QImage rendered(const QSizeF &size) const;

    QString m_resource;
    QSvgRenderer *m_renderer;
    bool m_clickable = false;
    bool m_pressed = false;
    bool m_hovered = false;
};

// The link text of the help, information and credits windows: dark blue, orange while the mouse
// button is held on it, dark blue again on release; a click emits clicked().
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

    static QColor normalColor() { return QColor(0xFF00008Bu); }
    static QColor pressedColor() { return QColor(0xFFFFA500u); }
    QColor color() const { return m_color; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setColor(const QColor &color);
    QColor m_color;
    bool m_pressed = false;
};

} // namespace brisvola

namespace brisvola {

// The program's picture buttons: the picture (a resource) at iconSize pixels, flat, with a hand
// cursor; with a caption, the caption under the picture. Every picture button of a window comes
// from here; a window adds only its size, font or focus where they differ.
QToolButton *pictureButton(QWidget *parent, const QString &objectName, const QString &icon,
                           int iconSize, const QString &caption = {});

// The background of the program's windows: a vertical gradient from top at the top edge to white
// at the bottom, painted over the whole widget.
void paintGradient(QWidget *widget, const QColor &top);

// The archive windows' blue (ARGB FF6598C2) and the launcher's steel blue (ARGB FF427AA8).
inline constexpr QRgb archiveBlue = 0xFF6598C2u;
inline constexpr QRgb launcherBlue = 0xFF427AA8u;

// The look of the shell's own windows: buttons and edits in the program's colours, the OK button
// of the access windows as the primary one.
QString shellStyleSheet();
} // namespace brisvola
