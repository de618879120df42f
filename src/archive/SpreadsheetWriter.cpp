#include "archive/SpreadsheetWriter.h"

#include "archive/Cp1252.h"
#include "archive/DiskSync.h"

#include <QSaveFile>

#include <algorithm>
#include <cstring>

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

namespace {
constexpr qsizetype blockSize = 1 << 20; // what goes to the device at a time
} // namespace

char *Writer::room(qsizetype bytes)
{
    // The buffer keeps its size between blocks: bytes are copied in, never appended one by one.
    if (m_used + bytes > m_buffer.size()) {
        flush();
        if (bytes > m_buffer.size())
            m_buffer.resize(std::max(bytes, blockSize));
    }
    return m_buffer.data() + m_used;
}

void Writer::put(const QByteArray &bytes)
{
    std::memcpy(room(bytes.size()), bytes.constData(), size_t(bytes.size()));
    m_used += bytes.size();
}

void Writer::flush()
{
    if (m_used > 0 && m_device.write(m_buffer.constData(), m_used) != m_used)
        m_ok = false;
    m_used = 0;
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

namespace {
// What QString::trimmed takes off a text of code page 1252: tabs, line ends, blanks and the
// no-break space.
inline bool isSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\xA0';
}

QByteArrayView spaceTrimmed(QByteArrayView v)
{
    while (!v.isEmpty() && isSpace(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && isSpace(v.back()))
        v.chop(1);
    return v;
}
} // namespace

void Writer::row(const QByteArrayView *cells)
{
    static constexpr char left[] = "<td style=\"text-align: left;\">";
    static constexpr char right[] = "<td style=\"text-align: right;\">";
    static constexpr char cellEnd[] = "</td>";
    // Room for the whole row at its longest (every character an entity), then plain copies.
    const qsizetype columns = m_columns.size();
    qsizetype longest = 4 + 5;
    for (qsizetype i = 0; i < columns; ++i)
        longest += qsizetype(sizeof right) + 5 * cells[i].size() + qsizetype(sizeof cellEnd);
    char *const start = room(longest);
    char *out = start;
    const auto copy = [&out](const char *text, size_t size) {
        std::memcpy(out, text, size);
        out += size;
    };
    copy("<tr>", 4);
    for (qsizetype i = 0; i < columns; ++i) {
        if (m_columns[i].alignRight)
            copy(right, sizeof right - 1);
        else
            copy(left, sizeof left - 1);
        // Trimmed as a cell typed in is; markup characters written as entities.
        for (const char c : spaceTrimmed(cells[i])) {
            if (c == '&')
                copy("&amp;", 5);
            else if (c == '<')
                copy("&lt;", 4);
            else if (c == '>')
                copy("&gt;", 4);
            else
                *out++ = c;
        }
        copy(cellEnd, sizeof cellEnd - 1);
    }
    copy("</tr>", 5);
    m_used += out - start;
}

bool Writer::end()
{
    put(QByteArrayLiteral("</table></body></html>"));
    flush();
    return m_ok;
}

bool write(const QString &path, const QString &sheetName, const QList<Column> &columns,
           const std::function<bool(Writer &writer)> &writeRows)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    Writer writer(file, sheetName, columns);
    writer.begin();
    const bool whole = writeRows(writer);
    if (!writer.end() || !whole) {
        file.cancelWriting();
        return false;
    }
    return commitWhole(file);
}

bool write(const QString &path, const QString &sheetName, const QList<Column> &columns,
           qsizetype rowCount, const std::function<QStringList(qsizetype row)> &rowAt)
{
    return write(path, sheetName, columns, [&](Writer &writer) {
        for (qsizetype r = 0; r < rowCount; ++r)
            writer.row(rowAt(r));
        return true;
    });
}

} // namespace spreadsheet
