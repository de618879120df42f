#include "quotes/Crea_PDF_Prev.h"

#include "documents/ReportOutput.h"
#include "shell/Messages.h"
#include "shell/OpenURL.h"

const QString TfrmCrea_PDF_Prev::doneQuestion =
    QStringLiteral("L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole "
                   "aprire il file?");
const QString TfrmCrea_PDF_Prev::failureMessage = QStringLiteral(
    "Attenzione: il sistema non permette di creare il file PDF.\n\r\n\rAccertarsi che il file "
    "Preventivo.pdf non sia già aperto e di possedere i privilegi di scrittura nella cartella di "
    "installazione del programma.");

TfrmCrea_PDF_Prev::TfrmCrea_PDF_Prev(TfrmPreventivi *quoteWindow, QWidget *parent)
    : QuoteDocumentDialog({QStringLiteral("TfrmCrea_PDF_Prev"), QStringLiteral(" Esporta in PDF"),
                           QStringLiteral("Crea PDF"), QStringLiteral(":/quotes/pdf.svg"),
                           QStringLiteral("Esporta in PDF"),
                           QStringLiteral("Il documento verrà esportato in formato PDF con i dati "
                                          "inseriti.\n\nPremere Crea PDF per procedere oppure "
                                          "Annulla per annullare l'operazione.")},
                          quoteWindow, parent)
{
}

void TfrmCrea_PDF_Prev::produce()
{
    const QString path = quotes::quotePdfPath();
    // A file that cannot be written is reported, and the window stays for another try.
    if (!brisvola::documents::writePdf(report(), path, quotes::quotePdfTitle,
                                       quotes::quotePdfTitle)) {
        brisvola::showMessage(this, brisvola::MessageKind::Warning, failureMessage,
                              brisvola::MessageButtons::Ok);
        return;
    }
    if (!brisvola::askYesNo(this, doneQuestion))
        return;
    TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
    accept();
}
