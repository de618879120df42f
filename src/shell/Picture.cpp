#include "shell/Picture.h"

#include <QIcon>
#include <QImage>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QToolButton>

namespace brisvola {

QToolButton *pictureButton(QWidget *parent, const QString &objectName, const QString &icon,
                           int iconSize, const QString &caption)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(objectName);
    b->setIcon(QIcon(icon));
    b->setIconSize(QSize(iconSize, iconSize));
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    if (!caption.isEmpty()) {
        b->setText(caption);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }
    return b;
}

void paintGradient(QWidget *widget, const QColor &top)
{
    QPainter painter(widget);
    QLinearGradient gradient(0, 0, 0, widget->height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(widget->rect(), gradient);
}

Picture::Picture(const QString &resource, QWidget *parent)
    : QWidget(parent), m_resource(resource), m_renderer(new QSvgRenderer(resource, this))
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void Picture::setClickable(bool clickable)
{
    m_clickable = clickable;
    setCursor(clickable && isEnabled() ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

QSize Picture::sizeHint() const
{
    return m_renderer->isValid() ? m_renderer->defaultSize() : QSize(32, 32);
}

QImage Picture::rendered(const QSizeF &size) const
{
    const qreal ratio = devicePixelRatioF();
    QImage image((size * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    m_renderer->render(&p);
    p.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

void Picture::paintEvent(QPaintEvent *)
{
    if (!m_renderer->isValid())
        return;
    QSizeF size = m_renderer->defaultSize();
    size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    const QRectF target((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(),
                        size.height());
    QPainter painter(this);
    if (isEnabled() && !(m_clickable && m_hovered)) {
        m_renderer->render(&painter, target);
        return;
    }
    QImage image = rendered(size);
    if (isEnabled()) {
        // Under the mouse a clickable picture lights up a little.
        QPainter p(&image);
        p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        p.fillRect(QRectF(QPointF(0, 0), size), QColor(255, 255, 255, 45));
    } else {
        // Disabled: the same picture in pale grey.
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int g = 150 + qGray(line[x]) * 100 / 255;
                line[x] = qRgba(g, g, g, qAlpha(line[x]));
            }
        }
    }
    painter.drawImage(target.topLeft(), image);
}

void Picture::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QWidget::enterEvent(event);
}

void Picture::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QWidget::leaveEvent(event);
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    m_pressed = m_clickable && event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

void Picture::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        setClickable(m_clickable);
    QWidget::changeEvent(event);
}

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setPointSize(14);
    f.setUnderline(true);
    setFont(f);
    setColor(normalColor());
}

void LinkLabel::setColor(const QColor &color)
{
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        setColor(pressedColor());
    }
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setColor(normalColor());
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

} // namespace brisvola

QString brisvola::shellStyleSheet()
{
    return QStringLiteral(
        "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF,"
        " stop:1 #E3EDF6); border: 1px solid #7F9DB9; border-radius: 5px; color: #14304F;"
        " font-weight: bold; padding: 4px 12px; }"
        "QPushButton:hover { border-color: #427AA8; background: #EEF5FB; }"
        "QPushButton:pressed { background: #D6E4F0; }"
        "QPushButton:focus { border: 2px solid #427AA8; }"
        "QPushButton:disabled { color: #9AA8B5; border-color: #C8D3DD; background: #F0F3F6; }"
        "QPushButton#cmdOK:enabled { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #427AA8, stop:1 #1F4E79); color: white; border-color: #14304F; }"
        "QPushButton#cmdOK:enabled:hover { background: #4F89B8; }"
        "QLineEdit { border: 1px solid #7F9DB9; border-radius: 4px; background: white;"
        " padding: 2px 6px; }"
        "QLineEdit:focus { border: 2px solid #427AA8; }"
        "QPlainTextEdit { border: 1px solid #C3D5E6; background: white; }");
}
