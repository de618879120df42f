#include "archive/FindDialog.h"

#include "archive/ArchiveError.h"
#include "archive/CriteriaMatcher.h"
#include "archive/DialogParts.h"
#include "archive/ListPrint.h"
#include "archive/ListScan.h"
#include "archive/ProgressDialog.h"
#include "archive/RecordFile.h"
#include "archive/RecordListPanel.h"
#include "shell/Messages.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

const QString FindDialog::waitText = QStringLiteral("Ricerca schede in corso. Attendere...");

namespace {
const QString criteriaInstructions = QStringLiteral(
    "Digitare una o più parole consecutive contenute nelle schede da cercare nei campi che "
    "interessano, lasciando vuoti gli altri, e premere Cerca. È possibile compilare più campi "
    "contemporaneamente.");
} // namespace

FindDialog::FindDialog(FindConfig config, QWidget *parent)
    : QDialog(parent), m_config(std::move(config))
{
    QVBoxLayout *layout =
        dialogparts::listDialogFrame(this, m_config.className, m_config.caption, m_config.heading);

    // The criteria page.
    m_criteriaPage = new QWidget(this);
    m_criteriaPage->setObjectName(QStringLiteral("panAvvio"));
    auto *page = new QVBoxLayout(m_criteriaPage);
    page->setContentsMargins(0, 0, 0, 0);
    auto *help = new QLabel(criteriaInstructions, m_criteriaPage);
    help->setObjectName(QStringLiteral("lblIstruzioni"));
    help->setWordWrap(true);
    help->setFont(QFont(QStringLiteral("Verdana"), 9));
    page->addWidget(help);
    page->addSpacing(10);
    // Each criterion takes three grid rows: its label, its edit and a gap; the gaps share the
    // height the criteria leave, so the rows spread evenly down to the buttons.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(2);
    int paired = 0, row = 0;
    for (const FindCriterion &c : m_config.criteria) {
        auto *label = new QLabel(c.label, m_criteriaPage);
        label->setFont(QFont(QStringLiteral("Verdana"), 9, QFont::Bold));
        auto *edit = new QLineEdit(m_criteriaPage);
        edit->setObjectName(c.control);
        edit->setFont(QFont(QStringLiteral("Verdana"), 10));
        edit->setMinimumHeight(28);
        const QString eff =
            c.eff.isEmpty() ? QStringLiteral("eff") +
                                  c.control.mid(c.control.startsWith(QLatin1String("txt")) ? 3 : 0)
                            : c.eff;
        auto *cell = new dialogparts::EffCell(edit, eff, m_criteriaPage);
        label->setBuddy(edit);
        edit->installEventFilter(this);
        m_edits.append(edit);
        if (c.fullWidth) {
            if (paired % 2)
                ++row, paired = 0;
            grid->addWidget(label, row * 3, 0, 1, 2);
            grid->addWidget(cell, row * 3 + 1, 0, 1, 2);
            ++row;
        } else {
            const int column = paired % 2;
            grid->addWidget(label, row * 3, column);
            grid->addWidget(cell, row * 3 + 1, column);
            if (++paired % 2 == 0)
                ++row;
        }
    }
    const int rows = row + (paired % 2);
    for (int r = 0; r < rows; ++r) {
        grid->setRowMinimumHeight(r * 3 + 2, 6);
        grid->setRowStretch(r * 3 + 2, 1);
    }
    page->addLayout(grid, 1);

    m_wait = new QLabel(waitText, m_criteriaPage);
    m_wait->setObjectName(QStringLiteral("lblAttendere"));
    m_wait->setFont(QFont(QStringLiteral("Verdana"), 11, QFont::Bold));
    m_wait->setStyleSheet(QStringLiteral("color: darkcyan;"));
    m_wait->setAlignment(Qt::AlignCenter);
    m_wait->hide();
    page->addWidget(m_wait);

    auto *buttons = new QHBoxLayout;
    auto *cancel =
        dialogparts::button(QStringLiteral("btnAnnulla"), QStringLiteral("Chiudi"), m_criteriaPage);
    m_search =
        dialogparts::button(QStringLiteral("btnCerca"), QStringLiteral("Cerca"), m_criteriaPage);
    m_search->installEventFilter(this);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    buttons->addWidget(m_search);
    page->addLayout(buttons);
    layout->addWidget(m_criteriaPage, 1);

    // The results page.
    m_results = new RecordListPanel(RecordListPanel::quickFindHint, this);
    m_results->setObjectName(QStringLiteral("panContainer"));
    m_results->hide();
    layout->addWidget(m_results, 1);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblConta"));
    m_count->hide();
    m_memory = new QLabel(this);
    m_memory->setObjectName(QStringLiteral("lblMemory"));
    m_memory->hide();

    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_search, &QPushButton::clicked, this, &FindDialog::btnCercaClick);
    connect(m_results, &RecordListPanel::closeRequested, this, &QDialog::reject);
    connect(m_results, &RecordListPanel::printRequested, this, &FindDialog::btnStampaClick);
    connect(m_results, &RecordListPanel::chosen, this, &FindDialog::choose);
}

QLineEdit *FindDialog::criterion(const QString &control) const
{
    for (QLineEdit *e : m_edits)
        if (e->objectName() == control)
            return e;
    return nullptr;
}

void FindDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_results->resetQuickFind();
    if (!m_edits.isEmpty() && m_criteriaPage->isVisible())
        m_edits.first()->setFocus(Qt::OtherFocusReason);
}

bool FindDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_search && event->type() == QEvent::MouseButtonPress) {
        m_wait->show();
        m_wait->repaint();
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int i = m_edits.indexOf(qobject_cast<QLineEdit *>(watched));
        if (i >= 0 && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            m_edits[(i + 1) % m_edits.size()]->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FindDialog::btnCercaClick()
{
    QList<CriteriaMatcher::Criterion> criteria;
    for (int i = 0; i < m_edits.size(); ++i)
        criteria.append({m_config.criteria[i].field, m_edits[i]->text()});
    const CriteriaMatcher matcher(*m_config.layout, criteria);
    m_count->setText(QString::number(matcher.inUse()));

    listline::Lines lines(m_config.line);
    ProgressDialog progress(this, ProgressDialog::reading);
    try {
        const bool whole = listscan::addLines(
            RecordFile(m_config.archivePath(), *m_config.layout),
            [&matcher](const RecordView &record) { return matcher.matches(record); }, lines,
            &progress);
        if (!whole) { // stopped by the user: the criteria stay on screen
            m_wait->hide();
            return;
        }
    } catch (const std::exception &) {
        m_wait->hide();
        brisvola::plainMessage(this, brisvola::archiveAccessMessage);
        return;
    }
    if (m_config.sorted)
        lines.sort();
    const size_t found = lines.size();
    m_results->setLines(std::move(lines));
    m_results->countLabel()->setText(m_config.countPrefix + QString::number(found) +
                                     m_config.countSuffix);
    m_criteriaPage->hide();
    m_results->show();
    m_results->findEdit()->clear();
    m_results->findEdit()->setFocus(Qt::OtherFocusReason);
}

void FindDialog::lstRecordsDblClick()
{
    choose(m_results->selectedPosition());
}

std::optional<ChosenRecord> readChosen(const std::function<QString()> &archivePath,
                                       const RecordLayout &layout, qint64 position)
{
    if (position <= 0)
        return std::nullopt;
    try {
        return ChosenRecord{RecordFile(archivePath(), layout).read(position), position};
    } catch (const std::exception &) {
        return std::nullopt;
    }
}

void bringRecord(const RecordTarget &target, const std::function<QString()> &archivePath,
                 const RecordLayout &layout, qint64 position)
{
    if (!target)
        return;
    if (const std::optional<ChosenRecord> chosen = readChosen(archivePath, layout, position))
        target(chosen->record, chosen->position);
}

void FindDialog::choose(qint64 position)
{
    // Any failure (no line selected, the archive unreadable) closes the dialog without a word.
    m_chosen = readChosen(m_config.archivePath, *m_config.layout, position);
    if (const RecordTarget target = m_config.targets.value(m_memory->text()); target && m_chosen)
        target(m_chosen->record, m_chosen->position);
    accept();
}

void FindDialog::btnStampaClick()
{
    listprint::print(this, m_config.printTitle, m_results->lines());
}

void FindDialog::done(int result)
{
    m_results->clearEntries();
    m_wait->hide();
    QDialog::done(result);
}
