#include "archive/ListLine.h"

#include <algorithm>
#include <array>

namespace listline {

QString fitted(const QString &value, int width)
{
    QString text = trimField(value);
    if (width < 0)
        return text;
    if (text.size() > width)
        text.truncate(width);
    else if (text.size() < width)
        text.append(QString(width - text.size(), QLatin1Char(' ')));
    return text;
}

Builder columns(const RecordLayout &layout, const QList<Column> &columns)
{
    struct Resolved
    {
        QString prefix;
        int field;
        int width;
    };
    std::vector<Resolved> resolved;
    for (const Column &c : columns)
        resolved.push_back({c.prefix, layout.field(c.field), c.width});
    return [resolved](const RecordView &record) {
        QString line;
        line.reserve(200);
        for (const Resolved &c : resolved) {
            line += c.prefix;
            line += fitted(record.text(c.field), c.width);
        }
        return line;
    };
}

namespace {

// The letter a character sorts as: lower case, without its accent. Latin-1 and Latin
// Extended-A (which hold every letter of code page 1252) come from a table.
constexpr int tableSize = 0x180;

std::array<char16_t, tableSize> makeFoldTable()
{
    std::array<char16_t, tableSize> table{};
    for (int i = 0; i < tableSize; ++i) {
        QChar c{char16_t(i)};
        const QString decomposed = c.decomposition();
        if (c.decompositionTag() == QChar::Canonical && !decomposed.isEmpty())
            c = decomposed.at(0);
        table[i] = c.toCaseFolded().unicode();
    }
    return table;
}

inline char16_t fold(char16_t c)
{
    static const std::array<char16_t, tableSize> table = makeFoldTable();
    return c < tableSize ? table[c] : QChar(c).toCaseFolded().unicode();
}

int foldedCompare(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const char16_t *pa = reinterpret_cast<const char16_t *>(a.constData());
    const char16_t *pb = reinterpret_cast<const char16_t *>(b.constData());
    for (qsizetype i = 0; i < n; ++i) {
        if (pa[i] == pb[i])
            continue;
        const char16_t fa = fold(pa[i]), fb = fold(pb[i]);
        if (fa != fb)
            return fa < fb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

bool lessThan(const Entry &a, const Entry &b)
{
    if (const int c = foldedCompare(a.text, b.text))
        return c < 0;
    if (const int c = a.text.compare(b.text))
        return c < 0;
    return a.position < b.position;
}

void sort(std::vector<Entry> &entries)
{
    std::sort(entries.begin(), entries.end(), lessThan);
}

} // namespace listline
