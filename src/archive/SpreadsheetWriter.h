#pragma once

#include "archive/RecordLayout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// The spreadsheet file of an archive export: an HTML table inside an html element that declares
// the Office namespaces and carries the workbook description, as spreadsheet programs open it as
// a workbook. Code page 1252, no line break between the pieces.
namespace spreadsheet {

// One exported column: its header, its width in the header cell, its alignment and where its
// value comes from in the record.
struct Column
{
    QString header;
    int width = 0;
    bool alignRight = false;
    std::function<QString(const RecordView &record)> value;
    int field = -1; // a field of the layout read as bytes, or -1 for a computed value
};

// A cell's value from a record, trimmed, in code page 1252.
QByteArray cellBytes(const Column &column, const RecordView &record);
// The trimmed bytes of a field (blanks and control characters at both ends removed).
QByteArrayView trimmedBytes(QByteArrayView bytes);

// A column holding one field of the layout, trimmed.
Column field(const RecordLayout &layout, const char *fieldName, const QString &header, int width,
             bool alignRight = false);

// Writes the file piece by piece into a device (a QSaveFile, a buffer).
class Writer
{
public:
    Writer(QIODevice &device, const QString &sheetName, const QList<Column> &columns);
    // The document start, the workbook description and the header row.
    void begin();
    // One data row: each cell trimmed, with "&", "<" and ">" written as entities so that the
    // spreadsheet shows what was typed.
    void row(const QStringList &cells);
    // The same from cells already in code page 1252 (one per column), trimmed here.
    void row(const QByteArrayView *cells);
    // The end of the table and of the document; false when any write failed.
    bool end();

private:
    // Room for bytes more at the end of the buffer (what was there written out first).
    char *room(qsizetype bytes);
    void put(const QByteArray &bytes);
    void flush();

    QIODevice &m_device;
    QString m_sheet;
    QList<Column> m_columns;
    QByteArray m_buffer; // its first m_used bytes are waiting for the device
    qsizetype m_used = 0;
    bool m_ok = true;
};

// Writes the whole file at path, the rows given by writeRows through the writer; the previous file
// is replaced only when the new one is complete. writeRows returns false to stop (the user did).
// False on failure or stop, the old file then left whole.
bool write(const QString &path, const QString &sheetName, const QList<Column> &columns,
           const std::function<bool(Writer &writer)> &writeRows);
// The same from rows of cells (one cell per column).
bool write(const QString &path, const QString &sheetName, const QList<Column> &columns,
           qsizetype rowCount, const std::function<QStringList(qsizetype row)> &rowAt);

} // namespace spreadsheet
