#include "quotes/Crea_PDF_Prev.h"

const QString TfrmCrea_PDF_Prev::doneQuestion =
    QStringLiteral("L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole "
                   "aprire il file?");
const QString TfrmCrea_PDF_Prev::failureMessage = QStringLiteral(
    "Attenzione: il sistema non permette di creare il file PDF.\n\r\n\rAccertarsi che il file "
    "Preventivo.pdf non sia già aperto e di possedere i privilegi di scrittura nella cartella di "
    "installazione del programma.");

TfrmCrea_PDF_Prev::TfrmCrea_PDF_Prev(quotes::QuoteTexts quote, QWidget *parent)
    : QuoteDocumentDialog(
          {.className = QStringLiteral("TfrmCrea_PDF_Prev"),
           .caption = QStringLiteral(" Esporta in PDF"),
           .button = QStringLiteral("Crea PDF"),
           .icon = QStringLiteral(":/quotes/pdf.svg"),
           .title = QStringLiteral("Esporta in PDF"),
           .explanation = QStringLiteral("Il documento verrà esportato in formato PDF con i dati "
                                         "inseriti.\n\nPremere Crea PDF per procedere oppure "
                                         "Annulla per annullare l'operazione."),
           .output = brisvola::documents::DocumentOutput::Pdf,
           .pdf = {.path = quotes::quotePdfPath,
                   .title = quotes::quotePdfTitle,
                   .subject = quotes::quotePdfTitle,
                   .failureMessage = failureMessage,
                   .doneQuestion = doneQuestion},
           .damagedMessage = quotes::damagedTemplateMessage},
          std::move(quote), parent)
{
}
