#pragma once

#include "FuzzInput.h"

#include "archive/CriteriaMatcher.h"
#include "archive/ListLine.h"
#include "archive/RecordLayout.h"
#include "archive/SpreadsheetWriter.h"

#include <QBuffer>
#include <QList>

#include <vector>

// One archive's record read from arbitrary bytes: every field as text, trimmed and as bytes,
// written back, every list line and export row built from it, and find criteria over it.
namespace recordharness {

struct Views
{
    std::vector<listline::Builder> lines;
    QList<spreadsheet::Column> exportColumns;
};

inline void run(const RecordLayout &layout, const Views &views, const uint8_t *data, size_t size)
{
    using fuzzinput::require;
    // The record: the input's first recordSize bytes, zeros after a short input (a file holds
    // whole records only); what follows is typed criteria.
    QByteArray bytes = fuzzinput::bytes(data, size);
    const QByteArray typed = bytes.mid(layout.recordSize());
    bytes = bytes.left(layout.recordSize());
    bytes.append(QByteArray(layout.recordSize() - bytes.size(), '\0'));
    const Record record(layout, bytes);
    const RecordView view(layout, record.bytes().constData());

    Record rewritten(layout);
    for (int f = 0; f < layout.fieldCount(); ++f) {
        const QString raw = view.rawText(f);
        const QString shown = view.text(f);
        const QByteArrayView rawBytes = view.rawBytes(f);
        require(raw.size() <= layout.length(f), "a field holds at most N characters");
        require(rawBytes.size() == raw.size(), "one byte per character");
        require(shown.size() <= raw.size(), "the shown text is the raw text trimmed");
        require(raw.contains(shown), "the shown text lies inside the raw text");
        rewritten.setText(f, raw);
        require(rewritten.rawText(f) == raw, "a field read and written back is unchanged");
    }

    for (const listline::Builder &line : views.lines)
        (void)line(view);

    QBuffer sheet;
    sheet.open(QIODevice::WriteOnly);
    spreadsheet::Writer writer(sheet, QStringLiteral("Foglio"), views.exportColumns);
    writer.begin();
    std::vector<QByteArray> cells;
    for (const spreadsheet::Column &column : views.exportColumns)
        cells.push_back(spreadsheet::cellBytes(column, view));
    std::vector<QByteArrayView> cellViews(cells.begin(), cells.end());
    writer.row(cellViews.data());
    QStringList cellTexts;
    for (const QByteArray &cell : cells)
        cellTexts.append(cp1252::decode(cell));
    writer.row(cellTexts);
    require(writer.end(), "the export to a buffer succeeds");

    // A criterion made of a field's own whole content finds the record; typed criteria never fail.
    QList<CriteriaMatcher::Criterion> own;
    for (int f = 0; f < layout.fieldCount() && own.size() < 12; f += 1 + f % 7)
        own.append({layout.name(f), view.rawText(f)});
    require(CriteriaMatcher(layout, own).matches(view), "a record matches its own fields");

    const QStringList texts = fuzzinput::texts(typed);
    QList<CriteriaMatcher::Criterion> criteria;
    for (qsizetype i = 0; i < texts.size() && i < layout.fieldCount(); ++i)
        criteria.append({layout.name(int((i * 7) % layout.fieldCount())), texts[i]});
    (void)CriteriaMatcher(layout, criteria).matches(view);
}

} // namespace recordharness
