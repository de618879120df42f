#include "archive/FlaggedListDialog.h"

#include "archive/Cp1252.h"
#include "archive/DialogParts.h"
#include "archive/ListPrint.h"
#include "archive/ListScan.h"
#include "archive/ProgressDialog.h"
#include "archive/RecordFile.h"
#include "archive/RecordListPanel.h"
#include "archive/SpreadsheetWriter.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

FlaggedListDialog::FlaggedListDialog(FlaggedConfig config, QWidget *parent)
    : QDialog(parent), m_config(std::move(config))
{
    QVBoxLayout *layout =
        dialogparts::listDialogFrame(this, m_config.className, m_config.caption, m_config.heading);
    m_results = new RecordListPanel(RecordListPanel::quickFindHint, this);
    m_results->setObjectName(QStringLiteral("panContainer"));
    m_results->countLabel()->hide();
    layout->addWidget(m_results, 1);

    connect(m_results, &RecordListPanel::closeRequested, this, &QDialog::reject);
    connect(m_results, &RecordListPanel::printRequested, this, &FlaggedListDialog::btnStampaClick);
    connect(m_results, &RecordListPanel::chosen, this, &FlaggedListDialog::choose);
}

void FlaggedListDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_results->resetQuickFind();
    fill();
    m_results->findEdit()->setFocus(Qt::OtherFocusReason);
}

void FlaggedListDialog::fill()
{
    const RecordLayout &layout = *m_config.layout;
    const int flag = layout.field(m_config.flagField);
    // "Sì" in code page 1252, compared with the trimmed bytes of the field: no text is decoded
    // for the records that are not listed.
    const QByteArray yes = cp1252::encode(QStringLiteral("Sì"));
    listline::Lines lines(m_config.line);
    // A failure, or the user stopping a long reading, ends the filling silently, keeping the
    // lines read so far.
    ProgressDialog progress(this, ProgressDialog::reading);
    try {
        listscan::addLines(
            RecordFile(m_config.archivePath(), layout),
            [&](const RecordView &r) { return spreadsheet::trimmedBytes(r.rawBytes(flag)) == yes; },
            lines, &progress);
    } catch (const std::exception &) {
    }
    if (m_config.sorted)
        lines.sort();
    m_results->setLines(std::move(lines));
}

void FlaggedListDialog::lstRecordsDblClick()
{
    choose(m_results->selectedPosition());
}

void FlaggedListDialog::choose(qint64 position)
{
    bringRecord(m_config.target, m_config.archivePath, *m_config.layout, position);
    accept();
}

void FlaggedListDialog::btnStampaClick()
{
    listprint::print(this, m_config.printTitle, m_results->lines());
}

void FlaggedListDialog::done(int result)
{
    m_results->clearEntries();
    QDialog::done(result);
}
