#pragma once

#include "archive/ListLine.h"
#include "archive/SpreadsheetWriter.h"

#include <QList>
#include <QString>

// What the quote find, the pending list and the quote export show of each quote.
namespace quotes {

// "Prev. n. " + number and date (25) + "  " + customer (35) + "  P.I. " + customer VAT number
// (11) + "  Rif. " + references (35) + "  Tot. € " + quote total.
const listline::Builder &quoteListLine();

// The 25 columns of "Preventivi.xls": heading, issuer, customer, terms, totals (right-aligned),
// note and the pending flag.
const QList<spreadsheet::Column> &quoteExportColumns();

} // namespace quotes
