#include "archive/SpreadsheetWriter.h"

#include "archive/Cp1252.h"

#include <QSaveFile>

namespace spreadsheet {

Column field(const RecordLayout &layout, const char *fieldName, const QString &header, int width,
             bool alignRight)
{
    const int index = layout.field(fieldName);
    return {header, width, alignRight,
            [index](const RecordView &record) { return record.text(index); }};
}

QString cellText(const QString &text)
{
    QString out = text.trimmed();
    if (out.contains(QLatin1Char('&')) || out.contains(QLatin1Char('<')) ||
        out.contains(QLatin1Char('>'))) {
        out.replace(QLatin1Char('&'), QLatin1String("&amp;"));
        out.replace(QLatin1Char('<'), QLatin1String("&lt;"));
        out.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    }
    return out;
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
    QString line = QStringLiteral("<tr>");
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        line += m_columns[i].alignRight ? QStringLiteral("<td style=\"text-align: right;\">")
                                        : QStringLiteral("<td style=\"text-align: left;\">");
        if (i < cells.size())
            line += cellText(cells[i]);
        line += QStringLiteral("</td>");
    }
    line += QStringLiteral("</tr>");
    put(cp1252::encode(line));
}

bool Writer::end()
{
    put(QByteArrayLiteral("</table></body></html>"));
    flush();
    return m_ok;
}

bool write(const QString &path, const QString &sheetName, const QList<Column> &columns,
           qsizetype rowCount, const std::function<QStringList(qsizetype row)> &rowAt)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    Writer writer(file, sheetName, columns);
    writer.begin();
    for (qsizetype r = 0; r < rowCount; ++r)
        writer.row(rowAt(r));
    if (!writer.end()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace spreadsheet
