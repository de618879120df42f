#pragma once

#include "archive/RecordLayout.h"

#include <QString>
#include <QStringList>

// The quote record (TSchedaPreventivo) and the yearly quote archives "<year>.pre".
namespace quotes {

// 246 length-prefixed fields, 4886 bytes: heading, issuer, customer and terms, the six event
// details, the 30 lines stored column by column, the totals, the note and the pending flag.
const RecordLayout &quoteLayout();

// The number of priced lines of a quote, and of lines shown on one page of the quote window.
inline constexpr int lineCount = 30;
inline constexpr int linesPerPage = 5;
inline constexpr int pageCount = lineCount / linesPerPage;

// "Quant" and 7 give "Quant07": the name of a line's field and of the control that edits it.
QString lineField(const char *column, int line);

// The archive of a year: program folder + year + ".pre" (for 2024, 2024.pre).
inline const QString quoteArchiveSuffix = QStringLiteral(".pre");
QString quoteArchivePath(const QString &year);

// The 112 province codes of the issuer's and the customer's drop-downs, in their order.
const QStringList &provinceCodes();

// The flag texts of the record.
inline const QString yes = QStringLiteral("Sì");
inline const QString no = QStringLiteral("No");

} // namespace quotes
