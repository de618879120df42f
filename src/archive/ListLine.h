#pragma once

#include "archive/RecordLayout.h"

#include <QList>
#include <QString>

#include <functional>
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

// Builds one record's line. Builders decode only the fields their line shows.
using Builder = std::function<QString(const RecordView &record)>;

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

} // namespace listline
