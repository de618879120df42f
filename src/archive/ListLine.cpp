#include "archive/ListLine.h"

#include "archive/Cp1252.h"

#include <algorithm>
#include <array>
#include <stdexcept>

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

namespace {

// Code page 1252 byte by byte, for lines built straight from a record's bytes.
const std::array<char16_t, 256> &cp1252Table()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            t[b] = cp1252::decode(&c, 1).at(0).unicode();
        }
        return t;
    }();
    return table;
}

} // namespace

Builder columns(const RecordLayout &layout, const QList<Column> &columns)
{
    struct Resolved
    {
        QString prefix;
        int field;
        int width;
        QByteArray joiner; // code page 1252
        int joinedField;   // -1: none
    };
    if (columns.size() > 16)
        throw std::logic_error("a list line has at most 16 columns");
    std::vector<Resolved> resolved;
    for (const Column &c : columns)
        resolved.push_back({c.prefix, layout.field(c.field), c.width, cp1252::encode(c.joiner),
                            c.joinedField ? layout.field(c.joinedField) : -1});
    const std::array<char16_t, 256> &table = cp1252Table();
    const auto trimmed = [](QByteArrayView v) {
        while (!v.isEmpty() && static_cast<unsigned char>(v.front()) <= 0x20)
            v = v.sliced(1);
        while (!v.isEmpty() && static_cast<unsigned char>(v.back()) <= 0x20)
            v.chop(1);
        return v;
    };
    // Built straight from the record's bytes, trimmed as a field is read, in one allocation
    // (and one more for each joined column).
    return [resolved, &table, trimmed](const RecordView &record) {
        QByteArrayView values[16];
        QByteArray joined[16];
        const size_t n = std::min<size_t>(resolved.size(), 16);
        qsizetype size = 0;
        for (size_t i = 0; i < n; ++i) {
            QByteArrayView v = trimmed(record.rawBytes(resolved[i].field));
            if (resolved[i].joinedField >= 0) {
                joined[i] = v.toByteArray() + resolved[i].joiner +
                            trimmed(record.rawBytes(resolved[i].joinedField)).toByteArray();
                v = joined[i];
            }
            if (resolved[i].width >= 0 && v.size() > resolved[i].width)
                v.truncate(resolved[i].width);
            values[i] = v;
            size +=
                resolved[i].prefix.size() + (resolved[i].width >= 0 ? resolved[i].width : v.size());
        }
        QString line(size, Qt::Uninitialized);
        char16_t *out = reinterpret_cast<char16_t *>(line.data());
        for (size_t i = 0; i < n; ++i) {
            const QString &prefix = resolved[i].prefix;
            std::copy_n(reinterpret_cast<const char16_t *>(prefix.constData()), prefix.size(), out);
            out += prefix.size();
            for (char c : values[i])
                *out++ = table[static_cast<unsigned char>(c)];
            for (qsizetype k = values[i].size(); k < resolved[i].width; ++k)
                *out++ = u' ';
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

const std::array<char16_t, tableSize> &foldTable()
{
    static const std::array<char16_t, tableSize> table = makeFoldTable();
    return table;
}

inline char16_t fold(const std::array<char16_t, tableSize> &table, char16_t c)
{
    return c < tableSize ? table[c] : QChar(c).toCaseFolded().unicode();
}

inline char16_t fold(char16_t c)
{
    return fold(foldTable(), c);
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
    // Each line gets a head: its first 24 characters folded, one byte each, packed big-end first
    // into three words, so that almost every comparison is three integer comparisons and the
    // sort moves small records. A character from 0xFF up does not fit a byte: it is written as
    // 0xFF and the head stops there (zeros follow), so that heads that differ order as the
    // folded lines do, and equal heads leave it to lessThan. This is what makes a list of
    // 100 000 lines sort in a blink.
    constexpr int headWords = 3;
    struct Keyed
    {
        quint64 head[headWords];
        size_t index; // the entry
    };
    const std::array<char16_t, tableSize> &table = foldTable();
    std::vector<Keyed> keyed(entries.size());
    for (size_t n = 0; n < entries.size(); ++n) {
        const QString &text = entries[n].text;
        const char16_t *src = reinterpret_cast<const char16_t *>(text.constData());
        const qsizetype size = std::min<qsizetype>(text.size(), headWords * 8);
        unsigned char bytes[headWords * 8] = {};
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t c = fold(table, src[i]);
            if (c >= 0xFF) {
                bytes[i] = 0xFF;
                break;
            }
            bytes[i] = static_cast<unsigned char>(c);
        }
        Keyed &k = keyed[n];
        k.index = n;
        for (int w = 0; w < headWords; ++w) {
            quint64 word = 0;
            for (int b = 0; b < 8; ++b)
                word = (word << 8) | bytes[w * 8 + b];
            k.head[w] = word;
        }
    }
    std::sort(keyed.begin(), keyed.end(), [&entries](const Keyed &a, const Keyed &b) {
        for (int w = 0; w < headWords; ++w)
            if (a.head[w] != b.head[w])
                return a.head[w] < b.head[w];
        return lessThan(entries[a.index], entries[b.index]);
    });
    std::vector<Entry> sorted;
    sorted.reserve(entries.size());
    for (const Keyed &k : keyed)
        sorted.push_back(std::move(entries[k.index]));
    entries = std::move(sorted);
}

} // namespace listline
