#include "archive/RecordListPanel.h"

#include "archive/DialogParts.h"
#include "shell/Messages.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

void RecordListModel::setLines(listline::Lines lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

int RecordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant RecordListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_lines.size()))
        return {};
    const auto row = size_t(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_lines.text(row);
    case RecordList::positionRole:
        return m_lines.position(row);
    case Qt::SizeHintRole:
        return m_rowSize;
    default:
        return {};
    }
}

RecordList::RecordList(QWidget *parent) : QListView(parent), m_model(new RecordListModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int RecordList::count() const
{
    return int(m_model->lines().size());
}

QString RecordList::text(int row) const
{
    const listline::Lines &lines = m_model->lines();
    return row >= 0 && row < int(lines.size()) ? lines.text(size_t(row)) : QString();
}

qint64 RecordList::position(int row) const
{
    const listline::Lines &lines = m_model->lines();
    return row >= 0 && row < int(lines.size()) ? lines.position(size_t(row)) : 0;
}

int RecordList::currentRow() const
{
    return currentIndex().row();
}

void RecordList::setCurrentRow(int row)
{
    setCurrentIndex(m_model->index(row, 0));
}

void RecordList::setLines(listline::Lines lines)
{
    // Every line as wide as the widest column layout allows, so that the list scrolls sideways
    // over the fixed-width lines.
    m_model->setRowSize(QSize(1600, fontMetrics().height() + 2));
    m_model->setLines(std::move(lines));
}

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

    m_list = new RecordList(this);
    m_list->setObjectName(QStringLiteral("lstRecords"));
    QFont mono(QStringLiteral("Courier New"), 12);
    mono.setStyleHint(QFont::TypeWriter);
    m_list->setFont(mono);
    m_list->setStyleSheet(QStringLiteral("QListView { color: black; background: white; }"));
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
    connect(m_list, &QListView::doubleClicked, this, [this](const QModelIndex &index) {
        m_list->setCurrentIndex(index);
        emit chosen(selectedPosition());
    });
}

void RecordListPanel::setLines(listline::Lines lines)
{
    // A new list is a new quick find: the same text again starts from the top.
    m_quickFind.reset();
    m_list->setLines(std::move(lines));
}

void RecordListPanel::clearEntries()
{
    m_list->setLines({});
}

QStringList RecordListPanel::lines() const
{
    const listline::Lines &lines = m_list->lines();
    QStringList out;
    out.reserve(qsizetype(lines.size()));
    for (size_t i = 0; i < lines.size(); ++i)
        out.append(lines.text(i));
    return out;
}

qint64 RecordListPanel::selectedPosition() const
{
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? 0 : m_list->position(selected.first().row());
}

void RecordListPanel::quickFind()
{
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    const int current = selected.isEmpty() ? -1 : selected.first().row();
    const QuickFind::Result r = m_quickFind.find(
        m_list->count(), [this](int i) { return m_list->text(i); }, current, m_find->text());
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
        m_list->scrollTo(m_list->model()->index(r.selected, 0),
                         QAbstractItemView::PositionAtCenter);
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
