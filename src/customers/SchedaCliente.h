#pragma once

#include "documents/DocumentDialog.h"

#include <QHash>
#include <QList>
#include <QString>

class TfrmFornitori;

// The customer card "SCHEDA ANAGRAFICA CLIENTE": the title bar, 24 labelled rows with every value
// of the card on screen, and the foot line with the moment of printing. The customer window
// previews, prints or saves it as "Clienti.pdf" straight away, with no dialog in between.
namespace customers {

// One row of the card: its label and the field whose control gives the value.
struct CardRow
{
    QString label;
    const char *field;
};
// The 24 rows in their order (the address before town, province and postal code; the VAT number
// before the card number; the re-contact flag as "Sì" or "No").
const QList<CardRow> &cardRows();

// The values of the window's controls as they stand now, trimmed, by field name (the flag as
// "Sì" or "No").
QHash<QString, QString> screenValues(const TfrmFornitori *window);

// The card filled with those values.
brisvola::documents::Document card(const QHash<QString, QString> &values);

// "Clienti.pdf" in the program folder, titled "Scheda informativa", with its messages.
brisvola::documents::PdfExport cardPdf();
QString cardPdfPath();

inline const QString pdfDoneQuestion = QStringLiteral(
    "L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il "
    "file?");
inline const QString pdfFailureMessage = QStringLiteral(
    "Attenzione: il sistema non permette di creare il file PDF.\r\n\r\nAccertarsi che il file "
    "Clienti.pdf non sia già aperto in un altro programma e di possedere i privilegi di scrittura "
    "nella cartella di installazione del programma.");

} // namespace customers
