#pragma once

#include "archive/RecordLayout.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPair>
#include <QString>

namespace brisvola::documents {
class Report;
}

// The quote document "Preventivo": one A4 page filled from the quote on screen (or from a filed
// record), with the issuer's logo at the top left.
namespace quotes {

inline const QString quoteTemplate = QStringLiteral(":/templates/preventivo.json");

// The texts of a quote by record field name ("NumFatt", "TipoEvento", "Desc17", ...), as the quote
// window shows them; a field that is missing reads empty.
using QuoteTexts = QHash<QString, QString>;

QuoteTexts quoteTextsFrom(const Record &record);

// The text of every text object that the quote fills, in the order of filling: header, parties,
// terms, note, the 30 quantities, courses, descriptions, prices, discounts and amounts, the totals,
// the event details. Each value is trimmed; the conditional lines ("P.IVA: " and "C.F. " of the
// customer) are empty when their value is.
QList<QPair<QString, QString>> quoteDocumentTexts(const QuoteTexts &quote);

// Fills a report loaded from quoteTemplate: portrait page, the logo, every text. False when the
// template lacks one of the objects.
bool fillQuoteDocument(brisvola::documents::Report &report, const QuoteTexts &quote,
                       const QImage &logo);

// Where the PDF export writes: program folder + "Preventivo.pdf".
QString quotePdfPath();

// The title and subject of the PDF file.
inline const QString quotePdfTitle = QStringLiteral("Fattura");

// The warning of a document dialog whose template cannot be read.
inline const QString damagedTemplateMessage =
    QStringLiteral("Attenzione: il modello di stampa del preventivo non è leggibile.\r\n\r\n"
                   "Reinstallare il programma per ripristinarlo.");

} // namespace quotes
