#include "archive/RecordListPanel.h"

#include "archive/DialogParts.h"
#include "shell/Messages.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

const QString RecordListPanel::doubleClickHint =
    QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
const QString RecordListPanel::quickFindHint = QStringLiteral(
    "Per cercare una voce nell'elenco digitare una parola e premere Trova; premendo ancora Trova "
    "si passa alla voce successiva.");

RecordListPanel::RecordListPanel(const QString &instructions, QWidget *parent, Use use)
    : QWidget(parent), m_use(use)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    auto *findRow = new QHBoxLayout;
    findRow->addWidget(dialogparts::magnifier(this));
    if (!instructions.isEmpty()) {
        auto *text = new QLabel(instructions, this);
        text->setObjectName(QStringLiteral("lblIstruzioni"));
        text->setFont(QFont(QStringLiteral("Verdana"), 9));
        text->setWordWrap(true);
        findRow->addWidget(text, 1);
    }
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("txtTrova"));
    m_find->setFont(QFont(QStringLiteral("Verdana"), 11));
    m_find->setMinimumWidth(260);
    m_find->installEventFilter(this);
    findRow->addWidget(m_find);
    m_findButton = dialogparts::button(QStringLiteral("btnTrova"), QStringLiteral("Trova"), this);
    findRow->addWidget(m_findButton);
    layout->addLayout(findRow);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstRecords"));
    QFont mono(QStringLiteral("Courier New"), 12);
    mono.setStyleHint(QFont::TypeWriter);
    m_list->setFont(mono);
    m_list->setStyleSheet(QStringLiteral("QListWidget { color: black; background: white; }"));
    m_list->setUniformItemSizes(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->installEventFilter(this);
    layout->addWidget(m_list, 1);

    connect(m_findButton, &QPushButton::clicked, this, &RecordListPanel::quickFind);
    if (use == Use::Summary)
        return;

    auto *hint = new QLabel(doubleClickHint, this);
    hint->setObjectName(QStringLiteral("lblRigo03"));
    hint->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
    hint->setStyleSheet(QStringLiteral("color: red;"));
    hint->setAlignment(Qt::AlignCenter);
    layout->addWidget(hint);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblTrovate"));
    m_count->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
    m_count->setStyleSheet(QStringLiteral("color: darkcyan;"));
    m_count->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_count);

    auto *buttons = new QHBoxLayout;
    auto *close = dialogparts::button(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
    auto *print = dialogparts::button(QStringLiteral("btnStampa"), QStringLiteral("Stampa"), this);
    buttons->addWidget(close);
    buttons->addStretch(1);
    buttons->addWidget(print);
    layout->addLayout(buttons);

    connect(close, &QPushButton::clicked, this, &RecordListPanel::closeRequested);
    connect(print, &QPushButton::clicked, this, &RecordListPanel::printRequested);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        m_list->setCurrentItem(item);
        emit chosen(selectedPosition());
    });
}

void RecordListPanel::setEntries(const std::vector<listline::Entry> &entries)
{
    // A new list is a new quick find: the same text again starts from the top.
    m_quickFind.reset();
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    QStringList texts;
    texts.reserve(qsizetype(entries.size()));
    for (const listline::Entry &e : entries)
        texts.append(e.text);
    // One insertion for all the lines, then the positions, before the view lays anything out.
    m_list->addItems(texts);
    {
        const QSignalBlocker block(m_list->model());
        for (int i = 0; i < int(entries.size()); ++i)
            m_list->item(i)->setData(positionRole, entries[size_t(i)].position);
    }
    if (m_list->count() > 0) {
        // Every item as wide as the widest column layout allows, so that the list scrolls
        // sideways over the fixed-width lines (uniform sizes take the first item's).
        const QFontMetrics fm(m_list->font());
        m_list->item(0)->setSizeHint(QSize(1600, fm.height() + 2));
    }
    m_list->setUpdatesEnabled(true);
    m_list->viewport()->update();
}

void RecordListPanel::clearEntries()
{
    m_list->clear();
}

QStringList RecordListPanel::lines() const
{
    QStringList out;
    out.reserve(m_list->count());
    for (int i = 0; i < m_list->count(); ++i)
        out.append(m_list->item(i)->text());
    return out;
}

qint64 RecordListPanel::selectedPosition() const
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    QListWidgetItem *item = selected.isEmpty() ? nullptr : selected.first();
    return item ? item->data(positionRole).toLongLong() : 0;
}

void RecordListPanel::quickFind()
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    const int current = selected.isEmpty() ? -1 : m_list->row(selected.first());
    const QuickFind::Result r = m_quickFind.find(
        m_list->count(), [this](int i) { return m_list->item(i)->text(); }, current,
        m_find->text());
    if (r.outcome == QuickFind::Outcome::EmptyList) {
        if (m_use == Use::Summary)
            brisvola::showMessage(window(), brisvola::MessageKind::Information,
                                  QuickFind::emptyListMessage, brisvola::MessageButtons::Ok);
        else
            brisvola::plainMessage(window(), QuickFind::emptyListMessage);
        return;
    }
    if (r.selected != current) {
        m_list->setCurrentRow(r.selected);
        m_list->scrollToItem(m_list->item(r.selected), QAbstractItemView::PositionAtCenter);
        m_list->horizontalScrollBar()->setValue(0);
    }
}

void RecordListPanel::resetQuickFind()
{
    m_quickFind.reset();
    m_find->clear();
}

bool RecordListPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (enter && watched == m_find) {
            m_findButton->setFocus(Qt::TabFocusReason);
            return true;
        }
        // Enter on a line does what a double click does (and never reaches the dialog's
        // buttons).
        if (enter && watched == m_list && m_use == Use::Results) {
            emit chosen(selectedPosition());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
