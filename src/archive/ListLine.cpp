#include "archive/ListLine.h"

#include "archive/Cp1252.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>

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

struct Builder::Resolved
{
    QString prefix;
    int field;
    int width;
    QByteArray joiner; // code page 1252
    int joinedField;   // -1: none
};

namespace {

QByteArrayView trimmed(QByteArrayView v)
{
    while (!v.isEmpty() && static_cast<unsigned char>(v.front()) <= 0x20)
        v = v.sliced(1);
    while (!v.isEmpty() && static_cast<unsigned char>(v.back()) <= 0x20)
        v.chop(1);
    return v;
}

// A packed value: its length in two bytes, low byte first, then its bytes (code page 1252).
void appendValue(QByteArray &out, QByteArrayView value)
{
    const auto size = static_cast<quint16>(value.size());
    out.append(char(size & 0xFF));
    out.append(char(size >> 8));
    out.append(value.data(), size);
}

} // namespace

Builder columns(const RecordLayout &layout, const QList<Column> &columns)
{
    if (columns.size() > 16)
        throw std::logic_error("a list line has at most 16 columns");
    auto resolved = std::make_shared<std::vector<Builder::Resolved>>();
    Builder builder;
    for (const Column &c : columns) {
        const int field = layout.field(c.field);
        const int joined = c.joinedField ? layout.field(c.joinedField) : -1;
        const QByteArray joiner = cp1252::encode(c.joiner);
        resolved->push_back({c.prefix, field, c.width, joiner, joined});
        const qsizetype longest =
            c.width >= 0
                ? c.width
                : layout.length(field) + (joined >= 0 ? joiner.size() + layout.length(joined) : 0);
        if (longest > 0xFFFF)
            throw std::logic_error("a list line's column holds at most 65535 characters");
        builder.m_maxLength += c.prefix.size() + longest;
    }
    builder.m_columns = std::move(resolved);
    return builder;
}

void Builder::pack(const RecordView &record, QByteArray &out) const
{
    for (const Resolved &c : *m_columns) {
        QByteArrayView v = trimmed(record.rawBytes(c.field));
        if (c.joinedField < 0) {
            if (c.width >= 0 && v.size() > c.width)
                v.truncate(c.width);
            appendValue(out, v);
            continue;
        }
        QByteArray joined =
            v.toByteArray() + c.joiner + trimmed(record.rawBytes(c.joinedField)).toByteArray();
        if (c.width >= 0 && joined.size() > c.width)
            joined.truncate(c.width);
        appendValue(out, joined);
    }
}

qsizetype Builder::render(const char *packed, char16_t *out) const
{
    const std::array<char16_t, 256> &table = cp1252Table();
    char16_t *const start = out;
    const auto *in = reinterpret_cast<const unsigned char *>(packed);
    for (const Resolved &c : *m_columns) {
        out = std::copy_n(reinterpret_cast<const char16_t *>(c.prefix.constData()), c.prefix.size(),
                          out);
        const qsizetype size = in[0] | (qsizetype(in[1]) << 8);
        in += 2;
        for (qsizetype k = 0; k < size; ++k)
            *out++ = table[in[k]];
        in += size;
        for (qsizetype k = size; k < c.width; ++k)
            *out++ = u' ';
    }
    return out - start;
}

QString Builder::text(const char *packed) const
{
    // The exact length first, so that the text holds no more room than it needs.
    qsizetype length = 0;
    const auto *in = reinterpret_cast<const unsigned char *>(packed);
    for (const Resolved &c : *m_columns) {
        const qsizetype size = in[0] | (qsizetype(in[1]) << 8);
        in += 2 + size;
        length += c.prefix.size() + std::max<qsizetype>(size, c.width);
    }
    QString line(length, Qt::Uninitialized);
    render(packed, reinterpret_cast<char16_t *>(line.data()));
    return line;
}

QString Builder::operator()(const RecordView &record) const
{
    // One buffer for the packed values of every line made at once (it keeps its room).
    thread_local QByteArray packed;
    packed.resize(0);
    pack(record, packed);
    return text(packed.constData());
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

int foldedCompare(std::u16string_view a, std::u16string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        if (a[i] == b[i])
            continue;
        const char16_t fa = fold(a[i]), fb = fold(b[i]);
        if (fa != fb)
            return fa < fb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::u16string_view view(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.constData()), size_t(text.size())};
}

bool lessThan(std::u16string_view a, qint64 positionA, std::u16string_view b, qint64 positionB)
{
    if (const int c = foldedCompare(a, b))
        return c < 0;
    if (const int c = a.compare(b))
        return c < 0;
    return positionA < positionB;
}

// The order of count lines, as indexes. line(i, buffer) gives line i, made in buffer (room for
// longest characters) when it is not kept whole elsewhere.
//
// Each line gets a head: its first 48 characters folded, one byte each, packed big-end first into
// six words, so that almost every comparison is a few integer comparisons and the sort moves small
// records. A character from 0xFF up does not fit a byte: it is written as 0xFF and the head stops
// there (zeros follow), so that heads that differ order as the folded lines do, and equal heads
// leave it to the whole lines. This is what makes a list of 100 000 lines sort in a blink.
template <typename LineAt, typename PositionAt>
std::vector<size_t> sortedOrder(size_t count, qsizetype longest, const LineAt &line,
                                const PositionAt &position)
{
    constexpr int headWords = 6;
    struct Keyed
    {
        quint64 head[headWords];
        size_t index;
    };
    const std::array<char16_t, tableSize> &table = foldTable();
    std::vector<char16_t> bufferA(size_t(std::max<qsizetype>(longest, 1)));
    std::vector<char16_t> bufferB(bufferA.size());
    std::vector<Keyed> keyed(count);
    for (size_t n = 0; n < count; ++n) {
        const std::u16string_view text = line(n, bufferA.data());
        const size_t size = std::min<size_t>(text.size(), headWords * 8);
        unsigned char bytes[headWords * 8] = {};
        for (size_t i = 0; i < size; ++i) {
            const char16_t c = fold(table, text[i]);
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
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed &a, const Keyed &b) {
        for (int w = 0; w < headWords; ++w)
            if (a.head[w] != b.head[w])
                return a.head[w] < b.head[w];
        return lessThan(line(a.index, bufferA.data()), position(a.index),
                        line(b.index, bufferB.data()), position(b.index));
    });
    std::vector<size_t> order;
    order.reserve(count);
    for (const Keyed &k : keyed)
        order.push_back(k.index);
    return order;
}

} // namespace

bool lessThan(const Entry &a, const Entry &b)
{
    return lessThan(view(a.text), a.position, view(b.text), b.position);
}

void sort(std::vector<Entry> &entries)
{
    qsizetype longest = 0;
    for (const Entry &e : entries)
        longest = std::max(longest, e.text.size());
    const std::vector<size_t> order = sortedOrder(
        entries.size(), longest, [&entries](size_t i, char16_t *) { return view(entries[i].text); },
        [&entries](size_t i) { return entries[i].position; });
    std::vector<Entry> sorted;
    sorted.reserve(entries.size());
    for (const size_t i : order)
        sorted.push_back(std::move(entries[i]));
    entries = std::move(sorted);
}

Lines::Lines(std::vector<Entry> entries)
{
    m_rows.reserve(entries.size());
    m_texts.reserve(entries.size());
    for (Entry &e : entries) {
        m_rows.push_back({e.position, 0, quint32(m_texts.size())});
        m_texts.push_back(std::move(e.text));
    }
}

void Lines::add(const RecordView &record, qint64 position)
{
    if (!m_builder)
        throw std::logic_error("lines from records need the builder of their line");
    thread_local QByteArray values;
    values.resize(0);
    m_builder.pack(record, values);
    constexpr qsizetype chunkSize = 4 << 20;
    if (m_chunks.empty() || m_chunks.back().size() + values.size() > m_chunks.back().capacity()) {
        m_chunks.emplace_back();
        m_chunks.back().reserve(std::max(chunkSize, values.size()));
    }
    QByteArray &chunk = m_chunks.back();
    m_rows.push_back({position, quint32(m_chunks.size() - 1), quint32(chunk.size())});
    chunk.append(values);
}

QString Lines::text(size_t row) const
{
    const Row &r = m_rows[row];
    if (!m_builder)
        return m_texts[r.offset];
    return m_builder.text(packed(r));
}

void Lines::sort()
{
    std::vector<size_t> order;
    if (m_builder) {
        order = sortedOrder(
            m_rows.size(), m_builder.maxLength(),
            [this](size_t i, char16_t *buffer) {
                return std::u16string_view(buffer,
                                           size_t(m_builder.render(packed(m_rows[i]), buffer)));
            },
            [this](size_t i) { return m_rows[i].position; });
    } else {
        qsizetype longest = 0;
        for (const QString &t : m_texts)
            longest = std::max(longest, t.size());
        order = sortedOrder(
            m_rows.size(), longest,
            [this](size_t i, char16_t *) { return view(m_texts[m_rows[i].offset]); },
            [this](size_t i) { return m_rows[i].position; });
    }
    std::vector<Row> sorted;
    sorted.reserve(m_rows.size());
    for (const size_t i : order)
        sorted.push_back(m_rows[i]);
    m_rows = std::move(sorted);
}

} // namespace listline
