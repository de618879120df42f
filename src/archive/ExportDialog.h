#pragma once

#include "archive/Progress.h"
#include "archive/SpreadsheetWriter.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <vector>

class QLabel;
class QTableView;

// What makes a spreadsheet export one archive's.
struct ExportConfig
{
    QString className; // "TfrmExpRicette"
    QString caption;   // " Esporta archivio ricette in Excel"
    QString heading;   // the title on the banner
    const RecordLayout *layout = nullptr;
    std::function<QString()> archivePath;
    QList<spreadsheet::Column> columns;
    QString sheetName; // "Archivio Ricette"
    QString fileName;  // "Ricettario.xls", written into the program folder
    QString helpTitle; // the help topic of cmdGuida
};

// The grid of an export: column 0 "N." numbers the rows, the others hold the records' values, in
// file order. Read-only: the file holds what the archive holds.
class ExportModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ExportModel(QList<spreadsheet::Column> columns, QObject *parent = nullptr);

    // Reads the whole archive in one pass; on a failure the rows read so far stay.
    // Reads every record into the grid; false when the progress watcher stopped it (the grid then
    // holds the records read so far).
    bool load(const QString &archivePath, const RecordLayout &layout, Progress *progress = nullptr);
    // A row's cells as the grid shows them, and as bytes of code page 1252.
    QStringList cells(qsizetype row) const;
    QByteArrayView cellBytes(qsizetype row, qsizetype column) const;
    // Writes every row through a spreadsheet writer, in grid order.
    bool writeRows(spreadsheet::Writer &writer, Progress *progress = nullptr) const;
    // The spreadsheet file of every row at path (see spreadsheet::write); false on failure.
    bool writeFile(const QString &path, const QString &sheetName,
                   Progress *progress = nullptr) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<spreadsheet::Column> m_columns;
    // The cells of every row, back to back, as they are read from the archive; the cell
    // (row, column) runs from m_starts[row * columns + column] to the next start.
    QByteArray m_bytes;
    std::vector<qsizetype> m_starts{0};
};

// The export dialog: the archive in a grid ("grdRecords"), the export button that writes the
// spreadsheet file and offers to open it, the help and exit buttons, the information bar.
class ExportDialog : public QDialog
{
    Q_OBJECT
public:
    static const QString question;
    static const QString doneQuestion;
    static const QString failureMessage;
    static const QString readyHint;

    explicit ExportDialog(ExportConfig config, QWidget *parent = nullptr);

    const ExportConfig &config() const { return m_config; }
    ExportModel *model() const { return m_model; }
    QString filePath() const;

public slots:
    void cmdEsportaClick();
    void cmdGuidaClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    ExportConfig m_config;
    ExportModel *m_model = nullptr;
    QTableView *m_grid = nullptr;
    QLabel *m_info = nullptr;
    QHash<QObject *, QString> m_hints;
};
