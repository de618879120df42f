#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

// How an archive stores its text fields. A field of N characters takes N + 1 bytes.
enum class FieldEncoding
{
    ZeroTerminated, // the characters, then a zero byte (all N + 1 bytes when there is none)
    LengthPrefixed  // one length byte L, then L characters (never more than N are taken)
};

// One line of a layout table: a field, or a group of fields of one capacity.
struct FieldSpec
{
    const char *name; // the field's name, which is also the name of the control that edits it
    int length;       // N, the most characters it holds
    int count = 0;    // a group: name01 ... nameNN, count fields one after the other (at most 99)
};

// The group Base01 ... BaseNN of count fields of N characters each, as one line of a table.
constexpr FieldSpec fieldGroup(const char *base, int count, int length)
{
    return {base, length, count};
}

// An archive's record, declared once as a table of fields. Offsets and the record size follow
// from the table; nothing else in the program spells out an offset.
class RecordLayout
{
public:
    RecordLayout(FieldEncoding encoding, std::initializer_list<FieldSpec> fields);

    FieldEncoding encoding() const { return m_encoding; }
    int recordSize() const { return m_size; }
    int fieldCount() const { return int(m_fields.size()); }

    const char *name(int field) const { return m_fields[field].name.constData(); }
    int length(int field) const { return m_fields[field].length; }
    int offset(int field) const { return m_offsets[field]; }

    // The index of a field by name, or -1.
    int indexOf(QLatin1StringView name) const;
    // As indexOf, for names the program itself declares: an unknown name is a programming error.
    int field(const char *name) const;
    QStringList names() const;

    // Reads one field from a record's bytes: the characters as the encoding defines them,
    // decoded from code page 1252, untouched otherwise.
    QString rawText(const char *record, int field) const;
    // The same, trimmed of leading and trailing blanks and control characters, as shown.
    QString text(const char *record, int field) const;
    // The characters of rawText as bytes of code page 1252, not decoded (scans comparing bytes).
    QByteArrayView rawBytes(const char *record, int field) const;
    // Writes one field: code page 1252, cut to N characters, the spare bytes zeroed.
    void setText(char *record, int field, const QString &value) const;

private:
    struct Field
    {
        QByteArray name; // groups give their fields generated names: the layout owns every name
        int length;
    };

    void add(QByteArray name, int length);

    FieldEncoding m_encoding;
    std::vector<Field> m_fields;
    std::vector<int> m_offsets;
    int m_size = 0;
};

// Trims what the program trims on reading: every character up to the blank (control characters
// included) at both ends.
QString trimField(const QString &text);

// One record's bytes with field access by index or name.
class Record
{
public:
    explicit Record(const RecordLayout &layout);
    Record(const RecordLayout &layout, QByteArray bytes);

    const RecordLayout &layout() const { return *m_layout; }
    const QByteArray &bytes() const { return m_bytes; }

    QString text(int field) const { return m_layout->text(m_bytes.constData(), field); }
    QString text(const char *name) const { return text(m_layout->field(name)); }
    QString rawText(int field) const { return m_layout->rawText(m_bytes.constData(), field); }
    void setText(int field, const QString &value)
    {
        m_layout->setText(m_bytes.data(), field, value);
    }
    void setText(const char *name, const QString &value) { setText(m_layout->field(name), value); }

    bool operator==(const Record &other) const { return m_bytes == other.m_bytes; }

private:
    const RecordLayout *m_layout;
    QByteArray m_bytes;
};

// A record inside a scan's block: no copy, fields decoded on demand.
class RecordView
{
public:
    RecordView(const RecordLayout &layout, const char *data) : m_layout(&layout), m_data(data) {}
    QString text(int field) const { return m_layout->text(m_data, field); }
    QString text(const char *name) const { return text(m_layout->field(name)); }
    QString rawText(int field) const { return m_layout->rawText(m_data, field); }
    QByteArrayView rawBytes(int field) const { return m_layout->rawBytes(m_data, field); }
    Record toRecord() const
    {
        return Record(*m_layout, QByteArray(m_data, m_layout->recordSize()));
    }

private:
    const RecordLayout *m_layout;
    const char *m_data;
};
