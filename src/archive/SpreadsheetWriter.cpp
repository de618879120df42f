#include "archive/SpreadsheetWriter.h"

#include "archive/Cp1252.h"

#include <QSaveFile>

namespace spreadsheet {

Column field(const RecordLayout &layout, const char *fieldName, const QString &header, int width,
             bool alignRight)
{
    const int index = layout.field(fieldName);
    return {header, width, alignRight,
            [index](const RecordView &record) { return record.text(index); }, index};
}

QByteArrayView trimmedBytes(QByteArrayView v)
{
    while (!v.isEmpty() && static_cast<unsigned char>(v.front()) <= 0x20)
        v = v.sliced(1);
    while (!v.isEmpty() && static_cast<unsigned char>(v.back()) <= 0x20)
        v.chop(1);
    return v;
}

QByteArray cellBytes(const Column &column, const RecordView &record)
{
    if (column.field >= 0)
        return trimmedBytes(record.rawBytes(column.field)).toByteArray();
    return cp1252::encode(column.value(record).trimmed());
}

Writer::Writer(QIODevice &device, const QString &sheetName, const QList<Column> &columns)
    : m_device(device), m_sheet(sheetName), m_columns(columns)
{
}

void Writer::put(const QByteArray &bytes)
{
    m_buffer += bytes;
    if (m_buffer.size() >= (1 << 20))
        flush();
}

void Writer::flush()
{
    if (!m_buffer.isEmpty() && m_device.write(m_buffer) != m_buffer.size())
        m_ok = false;
    m_buffer.clear();
}

void Writer::begin()
{
    QString head = QStringLiteral(
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\">"
        "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
        "<x:Name>");
    head += m_sheet;
    head += QStringLiteral(
        "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
        "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
        "<x:ProtectContents>False</x:ProtectContents>"
        "<x:ProtectObjects>False</x:ProtectObjects>"
        "<x:ProtectScenarios>False</x:ProtectScenarios>"
        "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
        "</xml><![endif]--></head><body><table x:str><tr>");
    for (const Column &c : m_columns)
        head += QStringLiteral("<td style=\"text-align: left; font-weight: bold;\" width=") +
                QString::number(c.width) + QLatin1Char('>') + c.header + QStringLiteral("</td>");
    head += QStringLiteral("</tr>");
    put(cp1252::encode(head));
}

void Writer::row(const QStringList &cells)
{
    std::vector<QByteArray> encoded;
    std::vector<QByteArrayView> views;
    for (qsizetype i = 0; i < m_columns.size(); ++i)
        encoded.push_back(cp1252::encode(cells.value(i).trimmed()));
    for (const QByteArray &e : encoded)
        views.push_back(e);
    row(views.data());
}

void Writer::row(const QByteArrayView *cells)
{
    static const QByteArray left = "<td style=\"text-align: left;\">";
    static const QByteArray right = "<td style=\"text-align: right;\">";
    m_buffer += "<tr>";
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        m_buffer += m_columns[i].alignRight ? right : left;
        // Runs without markup characters go in whole.
        const QByteArrayView cell = cells[i];
        qsizetype from = 0;
        for (qsizetype k = 0; k < cell.size(); ++k) {
            const char c = cell[k];
            if (c != '&' && c != '<' && c != '>')
                continue;
            m_buffer.append(cell.sliced(from, k - from));
            m_buffer += c == '&' ? "&amp;" : c == '<' ? "&lt;" : "&gt;";
            from = k + 1;
        }
        m_buffer.append(cell.sliced(from));
        m_buffer += "</td>";
    }
    m_buffer += "</tr>";
    if (m_buffer.size() >= (1 << 20))
        flush();
}

bool Writer::end()
{
    put(QByteArrayLiteral("</table></body></html>"));
    flush();
    return m_ok;
}

bool write(const QString &path, const QString &sheetName, const QList<Column> &columns,
           const std::function<void(Writer &writer)> &writeRows)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    Writer writer(file, sheetName, columns);
    writer.begin();
    writeRows(writer);
    if (!writer.end()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool write(const QString &path, const QString &sheetName, const QList<Column> &columns,
           qsizetype rowCount, const std::function<QStringList(qsizetype row)> &rowAt)
{
    return write(path, sheetName, columns, [&](Writer &writer) {
        for (qsizetype r = 0; r < rowCount; ++r)
            writer.row(rowAt(r));
    });
}

} // namespace spreadsheet
