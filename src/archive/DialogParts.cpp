#include "archive/DialogParts.h"

#include "archive/FieldChrome.h"

#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace dialogparts {

QWidget *banner(const QString &title, const QString &instructions, QWidget *parent)
{
    auto *band = new QFrame(parent);
    band->setObjectName(QStringLiteral("panTitolo"));
    band->setStyleSheet(QStringLiteral(
        "#panTitolo { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #1f4e79, "
        "stop:1 #3f86c0); border-radius: 6px; }"
        "#panTitolo QLabel { color: white; background: transparent; }"));
    auto *layout = new QVBoxLayout(band);
    layout->setContentsMargins(16, 10, 16, 10);
    layout->setSpacing(4);
    auto *head = new QLabel(title, band);
    QFont font(QStringLiteral("Verdana"), 15, QFont::Bold);
    head->setFont(font);
    layout->addWidget(head);
    if (!instructions.isEmpty()) {
        auto *text = new QLabel(instructions, band);
        text->setFont(QFont(QStringLiteral("Verdana"), 9));
        text->setWordWrap(true);
        layout->addWidget(text);
    }
    return band;
}

QString buttonStyle()
{
    return QStringLiteral(
        "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF,"
        " stop:1 #E3EDF6); border: 1px solid #7F9DB9; border-radius: 5px; color: #14304F;"
        " padding: 3px 12px; }"
        "QPushButton:hover { border-color: #427AA8; background: #EEF5FB; }"
        "QPushButton:pressed { background: #D6E4F0; }"
        "QPushButton:focus { border: 2px solid #427AA8; }"
        "QPushButton:disabled { color: #9AA8B5; border-color: #C8D3DD; background: #F0F3F6; }");
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
    b->setMinimumSize(120, 34);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(buttonStyle());
    // Enter on a focused button presses it.
    b->setAutoDefault(true);
    return b;
}

QLabel *magnifier(QWidget *parent)
{
    QPixmap pix(32, 32);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1f, 0x4e, 0x79), 3.5));
    p.setBrush(QColor(0xdd, 0xee, 0xff));
    p.drawEllipse(QRectF(3, 3, 18, 18));
    p.setPen(QPen(QColor(0x8b, 0x5a, 0x2b), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19.5, 19.5), QPointF(28, 28));
    p.end();
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("imgLente"));
    label->setPixmap(pix);
    return label;
}

EffCell::EffCell(QLineEdit *edit, const QString &effName, QWidget *parent)
    : QWidget(parent), m_edit(edit)
{
    edit->setParent(this);
    m_eff = static_cast<QFrame *>(brisvola::addFocusHighlight(edit, effName));
}

QSize EffCell::sizeHint() const
{
    return m_edit->sizeHint().expandedTo(m_edit->minimumSize()) + QSize(8, 8);
}

void EffCell::resizeEvent(QResizeEvent *)
{
    m_edit->setGeometry(rect().adjusted(4, 4, -4, -4));
}

void fixDialog(QWidget *dialog, int width, int height)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog->setFixedSize(width, height);
}

QVBoxLayout *listDialogFrame(QDialog *dialog, const QString &name, const QString &caption,
                             const QString &heading)
{
    dialog->setObjectName(name);
    dialog->setWindowTitle(caption);
    fixDialog(dialog, 862, 560);
    auto *layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(banner(heading, QString(), dialog));
    return layout;
}

} // namespace dialogparts
