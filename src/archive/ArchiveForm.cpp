#include "archive/ArchiveForm.h"

#include <QHBoxLayout>

#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QToolButton>

namespace archiveform {

void GradientBackground::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0x65, 0x98, 0xC2));
    g.setColorAt(1, Qt::white);
    p.fillRect(rect(), g);
}

QWidget *group(QWidget *parent)
{
    auto *box = new QWidget(parent);
    box->setAttribute(Qt::WA_StyledBackground);
    box->setObjectName(QStringLiteral("grpComandi"));
    box->setStyleSheet(QStringLiteral("#grpComandi { background: white; border: 1px solid #9db8d6; "
                                      "border-radius: 6px; }"));
    return box;
}

QToolButton *commandButton(QWidget *parent, const QString &objectName, const QString &caption,
                           const QString &iconPath, int width)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(objectName);
    b->setText(caption);
    b->setIcon(QIcon(iconPath));
    b->setIconSize(QSize(30, 30));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setCursor(Qt::PointingHandCursor);
    b->setFixedSize(width, 58);
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(10);
    b->setFont(f);
    return b;
}

QToolButton *iconButton(QWidget *parent, const QString &objectName, const QString &iconPath,
                        int size)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(objectName);
    b->setIcon(QIcon(iconPath));
    b->setIconSize(QSize(size - 4, size - 4));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setCursor(Qt::PointingHandCursor);
    b->setFixedSize(size, size);
    return b;
}

QWidget *commandRow(QWidget *parent, const std::vector<CommandGroup> &groups,
                    QList<QWidget *> *boxes)
{
    auto *bar = new QWidget(parent);
    bar->setObjectName(QStringLiteral("barComandi"));
    auto *line = new QHBoxLayout(bar);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(0);
    for (size_t g = 0; g < groups.size(); ++g) {
        if (g > 0)
            line->addStretch();
        QWidget *box = group(bar);
        auto *row = new QHBoxLayout(box);
        row->setContentsMargins(4, 3, 4, 3);
        row->setSpacing(0);
        for (const CommandSpec &command : groups[g]) {
            if (QLatin1String(command.name) == QLatin1String("lblPosizione")) {
                QLabel *position = positionLabel(box);
                position->setFixedSize(command.width, 58);
                row->addWidget(position);
            } else {
                row->addWidget(commandButton(box, QLatin1String(command.name),
                                             QString::fromUtf8(command.caption),
                                             QLatin1String(command.icon), command.width));
            }
        }
        line->addWidget(box);
        if (boxes)
            boxes->append(box);
    }
    return bar;
}

QLabel *positionLabel(QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QStringLiteral("lblPosizione"));
    l->setAlignment(Qt::AlignCenter);
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(16);
    f.setBold(true);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: #1f3f6e;"));
    return l;
}

QLabel *infoBar(QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QStringLiteral("panInfo"));
    l->setAutoFillBackground(true);
    l->setStyleSheet(
        QStringLiteral("QLabel { background: #3030DD; color: white; padding: 0 12px; }"));
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(12);
    l->setFont(f);
    l->setFixedHeight(30);
    return l;
}

QLabel *caption(QWidget *parent, const QString &text)
{
    auto *l = new QLabel(text, parent);
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(13);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: #10243f;"));
    return l;
}

} // namespace archiveform
