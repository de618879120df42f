#include "archive/RecordLayout.h"

#include "archive/Cp1252.h"

#include <cstring>
#include <stdexcept>
#include <utility>

RecordLayout::RecordLayout(FieldEncoding encoding, std::initializer_list<FieldSpec> fields)
    : m_encoding(encoding)
{
    for (const FieldSpec &f : fields) {
        if (f.count == 0) {
            add(f.name, f.length);
            continue;
        }
        if (f.count < 0 || f.count > 99)
            throw std::logic_error(std::string("a group holds 1 to 99 fields: ") + f.name);
        for (int n = 1; n <= f.count; ++n)
            add(QByteArray(f.name) + QByteArray::number(n).rightJustified(2, '0'), f.length);
    }
}

void RecordLayout::add(QByteArray name, int length)
{
    if (length < 0 || (m_encoding == FieldEncoding::LengthPrefixed && length > 255))
        throw std::logic_error("field too long for one length byte: " + name.toStdString());
    m_fields.push_back({std::move(name), length});
    m_offsets.push_back(m_size);
    m_size += length + 1;
}

int RecordLayout::indexOf(QLatin1StringView name) const
{
    for (int i = 0; i < fieldCount(); ++i)
        if (name == QLatin1StringView(m_fields[i].name))
            return i;
    return -1;
}

int RecordLayout::field(const char *name) const
{
    const int i = indexOf(QLatin1StringView(name));
    if (i < 0)
        throw std::logic_error(std::string("unknown record field ") + name);
    return i;
}

QStringList RecordLayout::names() const
{
    QStringList out;
    for (const Field &f : m_fields)
        out << QLatin1StringView(f.name);
    return out;
}

namespace {
// The bytes of a field's text as its encoding defines them, never more than N.
std::pair<const char *, qsizetype> fieldBytes(const char *p, int n, FieldEncoding encoding)
{
    if (encoding == FieldEncoding::LengthPrefixed) {
        const int len = static_cast<unsigned char>(p[0]);
        return {p + 1, len > n ? n : len};
    }
    // A field without its terminator gives its N + 1 bytes, but never more than N characters
    // reach the program.
    const void *zero = std::memchr(p, 0, n + 1);
    const qsizetype len = zero ? static_cast<const char *>(zero) - p : n + 1;
    return {p, len > n ? n : len};
}
} // namespace

QString RecordLayout::rawText(const char *record, int field) const
{
    const auto [data, len] =
        fieldBytes(record + m_offsets[field], m_fields[field].length, m_encoding);
    return cp1252::decode(data, len);
}

QByteArrayView RecordLayout::rawBytes(const char *record, int field) const
{
    const auto [data, len] =
        fieldBytes(record + m_offsets[field], m_fields[field].length, m_encoding);
    return QByteArrayView(data, len);
}

QString trimField(const QString &text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

QString RecordLayout::text(const char *record, int field) const
{
    // Trimmed on the bytes, before decoding: the characters up to the blank are the same bytes
    // in code page 1252, and scans decode each field once.
    auto [data, len] = fieldBytes(record + m_offsets[field], m_fields[field].length, m_encoding);
    while (len > 0 && static_cast<unsigned char>(data[0]) <= 0x20) {
        ++data;
        --len;
    }
    while (len > 0 && static_cast<unsigned char>(data[len - 1]) <= 0x20)
        --len;
    return cp1252::decode(data, len);
}

void RecordLayout::setText(char *record, int field, const QString &value) const
{
    char *p = record + m_offsets[field];
    const int n = m_fields[field].length;
    QByteArray bytes = cp1252::encode(value);
    if (bytes.size() > n)
        bytes.truncate(n);
    std::memset(p, 0, n + 1);
    if (m_encoding == FieldEncoding::LengthPrefixed) {
        p[0] = static_cast<char>(bytes.size());
        std::memcpy(p + 1, bytes.constData(), bytes.size());
    } else {
        std::memcpy(p, bytes.constData(), bytes.size());
    }
}

Record::Record(const RecordLayout &layout) : m_layout(&layout), m_bytes(layout.recordSize(), '\0')
{
}

Record::Record(const RecordLayout &layout, QByteArray bytes)
    : m_layout(&layout), m_bytes(std::move(bytes))
{
    m_bytes.resize(layout.recordSize(), '\0');
}
