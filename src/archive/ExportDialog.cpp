#include "archive/ExportDialog.h"

#include "archive/Cp1252.h"
#include "archive/DialogParts.h"
#include "archive/ProgressDialog.h"
#include "archive/RecordFile.h"
#include "shell/Help.h"
#include "shell/Messages.h"
#include "shell/OpenURL.h"
#include "shell/Picture.h"
#include "shell/ProgramFolder.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

const QString ExportDialog::question = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede "
    "presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString ExportDialog::doneQuestion = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di "
    "Excel?");
const QString ExportDialog::failureMessage = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di "
    "Excel non sia già aperto.");
const QString ExportDialog::readyHint = QStringLiteral("Esportazione archivio in Microsoft Excel.");

ExportModel::ExportModel(QList<spreadsheet::Column> columns, QObject *parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns))
{
}

bool ExportModel::load(const QString &archivePath, const RecordLayout &layout, Progress *progress)
{
    bool whole = true;
    beginResetModel();
    m_bytes.clear();
    m_starts.assign(1, 0);
    qsizetype used = 0;
    try {
        RecordFile file(archivePath, layout);
        const qint64 records = file.count();
        m_starts.reserve(size_t(records * m_columns.size() + 1));
        // The cells are copied into a buffer that grows by doubling and is cut to size at the
        // end: appending to the array cell by cell costs more than reading the archive.
        whole = file.scan(
            [this, &used](qint64, const RecordView &record) {
                for (const spreadsheet::Column &c : m_columns) {
                    QByteArray computed;
                    QByteArrayView cell;
                    if (c.field >= 0) {
                        cell = spreadsheet::trimmedBytes(record.rawBytes(c.field));
                    } else {
                        computed = spreadsheet::cellBytes(c, record);
                        cell = computed;
                    }
                    if (used + cell.size() > m_bytes.size())
                        m_bytes.resize(
                            std::max({qsizetype(1 << 20), 2 * m_bytes.size(), used + cell.size()}));
                    std::memcpy(m_bytes.data() + used, cell.data(), size_t(cell.size()));
                    used += cell.size();
                    m_starts.push_back(used);
                }
                return true;
            },
            progress);
    } catch (const std::exception &) {
        // The grid keeps what was read, without a message.
    }
    m_bytes.truncate(used);
    m_bytes.squeeze();
    // A row cut short by a failure is dropped whole.
    const size_t wholeRows =
        (m_starts.size() - 1) / size_t(m_columns.size()) * size_t(m_columns.size());
    m_starts.resize(wholeRows + 1);
    endResetModel();
    return whole;
}

QByteArrayView ExportModel::cellBytes(qsizetype row, qsizetype column) const
{
    const size_t i = size_t(row * m_columns.size() + column);
    return QByteArrayView(m_bytes).sliced(m_starts[i], m_starts[i + 1] - m_starts[i]);
}

QStringList ExportModel::cells(qsizetype row) const
{
    QStringList out;
    for (qsizetype c = 0; c < m_columns.size(); ++c)
        out.append(cp1252::decode(cellBytes(row, c).toByteArray()));
    return out;
}

bool ExportModel::writeRows(spreadsheet::Writer &writer, Progress *progress) const
{
    std::vector<QByteArrayView> cells(size_t(m_columns.size()));
    const int rows = rowCount();
    for (int r = 0; r < rows; ++r) {
        for (qsizetype c = 0; c < m_columns.size(); ++c)
            cells[size_t(c)] = cellBytes(r, c);
        writer.row(cells.data());
        if (progress && (r + 1) % 256 == 0 && !progress->advance(r + 1, rows))
            return false;
    }
    return true;
}

bool ExportModel::writeFile(const QString &path, const QString &sheetName, Progress *progress) const
{
    return spreadsheet::write(path, sheetName, m_columns, [this, progress](auto &writer) {
        return writeRows(writer, progress);
    });
}

int ExportModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || m_columns.isEmpty() ? 0
                                                   : int((m_starts.size() - 1) / m_columns.size());
}

int ExportModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size()) + 1;
}

QVariant ExportModel::data(const QModelIndex &index, int role) const
{
    if (index.isValid() && index.column() == 0 && role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    if (index.column() == 0)
        return QString::number(index.row() + 1);
    const QByteArrayView bytes = cellBytes(index.row(), index.column() - 1);
    return cp1252::decode(bytes.data(), bytes.size());
}

QVariant ExportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? QStringLiteral("N.") : m_columns.value(section - 1).header;
}

namespace {
QToolButton *pictureButton(const QString &name, const QString &text, const QString &icon,
                           QWidget *parent)
{
    QToolButton *b = brisvola::pictureButton(parent, name, icon, 40, text);
    b->setFont(QFont(QStringLiteral("Verdana"), 8, QFont::Bold));
    b->setMinimumWidth(84);
    b->setMouseTracking(true);
    return b;
}
} // namespace

ExportDialog::ExportDialog(ExportConfig config, QWidget *parent)
    : QDialog(parent), m_config(std::move(config))
{
    setObjectName(m_config.className);
    setWindowTitle(m_config.caption);
    dialogparts::fixDialog(this, 862, 560);
    setMouseTracking(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *top = new QWidget(this);
    top->setMouseTracking(true);
    auto *row = new QHBoxLayout(top);
    row->setContentsMargins(14, 10, 14, 8);
    row->addWidget(dialogparts::banner(m_config.heading, QString(), top), 1);
    auto *exportButton = pictureButton(QStringLiteral("cmdEsporta"), QStringLiteral("Esporta"),
                                       QStringLiteral(":/archive/esporta.svg"), top);
    auto *helpButton = pictureButton(QStringLiteral("cmdGuida"), QStringLiteral("Guida"),
                                     QStringLiteral(":/archive/guida.svg"), top);
    auto *exitButton = pictureButton(QStringLiteral("cmdEsci"), QStringLiteral("Esci"),
                                     QStringLiteral(":/archive/esci.svg"), top);
    row->addWidget(exportButton);
    row->addWidget(helpButton);
    row->addWidget(exitButton);
    layout->addWidget(top);

    m_model = new ExportModel(m_config.columns, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grdRecords"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setAlternatingRowColors(true);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->horizontalHeader()->setDefaultSectionSize(160);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setColumnWidth(0, 56);
    auto *gridBox = new QHBoxLayout;
    gridBox->setContentsMargins(14, 0, 14, 10);
    gridBox->addWidget(m_grid);
    layout->addLayout(gridBox, 1);

    m_info = new QLabel(readyHint, this);
    m_info->setObjectName(QStringLiteral("panInfo"));
    m_info->setFont(QFont(QStringLiteral("Tahoma"), 12));
    m_info->setStyleSheet(QStringLiteral("background: #3030dd; color: white; padding: 6px 12px;"));
    m_info->setMouseTracking(true);
    layout->addWidget(m_info);

    m_hints = {
        {exportButton, QStringLiteral("Esporta l'archivio in formato Microsoft Excel.")},
        {helpButton, QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")},
        {exitButton, QStringLiteral("Esci da questo ambiente di lavoro.")}};
    for (QObject *button : m_hints.keys())
        button->installEventFilter(this);
    top->installEventFilter(this);

    connect(exportButton, &QToolButton::clicked, this, &ExportDialog::cmdEsportaClick);
    connect(helpButton, &QToolButton::clicked, this, &ExportDialog::cmdGuidaClick);
    connect(exitButton, &QToolButton::clicked, this, &QDialog::reject);
}

QString ExportDialog::filePath() const
{
    return brisvola::programFile(m_config.fileName);
}

void ExportDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        ProgressDialog progress(this, ProgressDialog::reading);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool whole = m_model->load(m_config.archivePath(), *m_config.layout, &progress);
        QApplication::restoreOverrideCursor();
        // A grid stopped half-way is never exported: the window closes.
        if (!whole)
            QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    }
}

bool ExportDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        const auto hint = m_hints.constFind(watched);
        if (hint != m_hints.constEnd())
            m_info->setText(*hint);
        else if (event->type() == QEvent::MouseMove)
            m_info->clear();
    }
    return QDialog::eventFilter(watched, event);
}

void ExportDialog::mouseMoveEvent(QMouseEvent *event)
{
    m_info->clear();
    QDialog::mouseMoveEvent(event);
}

void ExportDialog::cmdEsportaClick()
{
    if (!brisvola::askYesNo(this, question))
        return;
    const QString path = filePath();
    ProgressDialog progress(this, ProgressDialog::writing);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = m_model->writeFile(path, m_config.sheetName, &progress);
    QApplication::restoreOverrideCursor();
    if (progress.stopped())
        return; // the previous file is left as it was
    if (!written) {
        brisvola::plainMessage(this, failureMessage);
        return;
    }
    if (brisvola::askYesNo(this, doneQuestion))
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
}

void ExportDialog::cmdGuidaClick()
{
    brisvola::showHelp(this, m_config.helpTitle);
}
