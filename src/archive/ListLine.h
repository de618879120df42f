#pragma once

#include "archive/RecordLayout.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

// The fixed-width lines that find, flagged-list and import dialogs show, one per record, in
// Courier New so that the columns line up.
namespace listline {

// The value trimmed, then filled with blanks on the right or cut on the right to exactly width
// characters; a negative width keeps the trimmed value whole.
QString fitted(const QString &value, int width);

// One column of a line: a fixed text, then a field of the record fitted to a width (-1: whole).
// A column may join a second field to the first ("12/2024 del 05/03/2024"): both trimmed, the
// joiner between them, and the whole fitted to the width.
struct Column
{
    QString prefix;
    const char *field;
    int width;
    QString joiner = {};
    const char *joinedField = nullptr;
};

// Builds one record's line from a table of columns. A line is made in two halves, so that a list
// can keep its records as the few bytes their lines show and make each text only when it is
// shown: pack() appends the trimmed values the line shows to a buffer, text() makes the line from
// them. Calling the builder does both at once.
class Builder
{
public:
    Builder() = default;

    QString operator()(const RecordView &record) const;
    explicit operator bool() const { return m_columns != nullptr; }

    void pack(const RecordView &record, QByteArray &out) const;
    // The line from values packed at packed; the number of characters written to out, which must
    // have room for maxLength().
    qsizetype render(const char *packed, char16_t *out) const;
    QString text(const char *packed) const;
    qsizetype maxLength() const { return m_maxLength; }

private:
    friend Builder columns(const RecordLayout &layout, const QList<Column> &columns);
    struct Resolved;
    std::shared_ptr<const std::vector<Resolved>> m_columns;
    qsizetype m_maxLength = 0;
};

// A builder from a table of columns (at most 16) over a layout; the field names are checked here,
// once.
Builder columns(const RecordLayout &layout, const QList<Column> &columns);

// One listed record: its line and the position it came from.
struct Entry
{
    QString text;
    qint64 position = 0;
};

// Alphabetical order of lines as people read them: letters compared without regard to case or
// accents (a, A, à sort together), then exactly, then by position in the file.
bool lessThan(const Entry &a, const Entry &b);
void sort(std::vector<Entry> &entries);

// The lines of a list, in the order they were added until sort(). Lines added from records keep
// only the packed values their builder shows and are made when asked for, so that a list of a
// hundred thousand records costs little more than reading them; lines given as texts are kept as
// they are.
class Lines
{
public:
    Lines() = default;
    explicit Lines(Builder builder) : m_builder(std::move(builder)) {}
    Lines(std::vector<Entry> entries);

    void add(const RecordView &record, qint64 position);
    size_t size() const { return m_rows.size(); }
    bool empty() const { return m_rows.empty(); }
    QString text(size_t row) const;
    qint64 position(size_t row) const { return m_rows[row].position; }

    // The order of lessThan: as people read, then exactly, then by position.
    void sort();

private:
    struct Row
    {
        qint64 position;
        quint32 chunk;  // the packed values: m_chunks[chunk] from offset
        quint32 offset; // or the text m_texts[offset]
    };
    const char *packed(const Row &row) const
    {
        return m_chunks[row.chunk].constData() + row.offset;
    }

    Builder m_builder;
    // The packed values in blocks that are filled and never grown, so that a long list is never
    // copied over as it grows.
    std::vector<QByteArray> m_chunks;
    std::vector<QString> m_texts;
    std::vector<Row> m_rows;
};

} // namespace listline
