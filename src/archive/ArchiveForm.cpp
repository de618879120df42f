#include "archive/ArchiveForm.h"

#include "shell/Picture.h"

#include <QBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace archiveform {

void GradientBackground::paintEvent(QPaintEvent *)
{
    brisvola::paintGradient(this, QColor(brisvola::archiveBlue));
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
    QToolButton *b = brisvola::pictureButton(parent, objectName, iconPath, 30, caption);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(width, 58);
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(10);
    b->setFont(f);
    return b;
}

QToolButton *iconButton(QWidget *parent, const QString &objectName, const QString &iconPath,
                        int size)
{
    QToolButton *b = brisvola::pictureButton(parent, objectName, iconPath, size - 4);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(size, size);
    return b;
}

namespace {
QWidget *commandBar(QWidget *parent, const std::vector<CommandGroup> &groups,
                    QList<QWidget *> *boxes, Qt::Orientation orientation, int buttonHeight)
{
    auto *bar = new QWidget(parent);
    bar->setObjectName(QStringLiteral("barComandi"));
    const auto direction =
        orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    auto *line = new QBoxLayout(direction, bar);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(0);
    for (size_t g = 0; g < groups.size(); ++g) {
        if (g > 0)
            line->addStretch();
        QWidget *box = group(bar);
        auto *row = new QBoxLayout(direction, box);
        row->setContentsMargins(4, 3, 4, 3);
        row->setSpacing(0);
        for (const CommandSpec &command : groups[g]) {
            if (QLatin1String(command.name) == QLatin1String("lblPosizione")) {
                QLabel *position = positionLabel(box);
                position->setFixedSize(command.width, buttonHeight);
                row->addWidget(position);
            } else {
                QToolButton *b = commandButton(box, QLatin1String(command.name),
                                               QString::fromUtf8(command.caption),
                                               QLatin1String(command.icon), command.width);
                b->setFixedHeight(buttonHeight);
                row->addWidget(b);
            }
        }
        line->addWidget(box, 0, orientation == Qt::Horizontal ? Qt::Alignment() : Qt::AlignHCenter);
        if (boxes)
            boxes->append(box);
    }
    return bar;
}
} // namespace

QWidget *commandRow(QWidget *parent, const std::vector<CommandGroup> &groups,
                    QList<QWidget *> *boxes)
{
    return commandBar(parent, groups, boxes, Qt::Horizontal, 58);
}

QWidget *commandColumn(QWidget *parent, const std::vector<CommandGroup> &groups,
                       QList<QWidget *> *boxes, int buttonHeight)
{
    return commandBar(parent, groups, boxes, Qt::Vertical, buttonHeight);
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

QString listStyle()
{
    return QStringLiteral(
        "QComboBox { background: white; border: 1px solid #9fb6d6; padding: 0 3px;"
        " min-height: 19px; }"
        "QComboBox::drop-down { subcontrol-origin: padding; subcontrol-position: center right;"
        " width: 16px; border: none; }"
        "QComboBox::down-arrow { image: url(:/archive/freccia_giu.svg); width: 10px;"
        " height: 10px; }");
}

QWidget *centredPanel(QWidget *window, const QString &panelName, bool withInfoBar)
{
    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addStretch(1);
    auto *panel = new QWidget(window);
    panel->setObjectName(panelName);
    panel->setFixedSize(995, 692);
    outer->addWidget(panel, 0, Qt::AlignHCenter);
    outer->addStretch(1);
    if (withInfoBar)
        outer->addWidget(infoBar(window));
    return panel;
}

} // namespace archiveform
