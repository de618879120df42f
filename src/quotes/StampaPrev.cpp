#include "quotes/StampaPrev.h"

#include "documents/ReportOutput.h"

TfrmStampaPrev::TfrmStampaPrev(TfrmPreventivi *quoteWindow, QWidget *parent)
    : QuoteDocumentDialog({QStringLiteral("TfrmStampaPrev"), QStringLiteral(" Stampa preventivo"),
                           QStringLiteral("Stampa"), QStringLiteral(":/archive/stampa.svg"),
                           QStringLiteral("Stampa scheda"),
                           QStringLiteral("La scheda corrente verrà stampata su carta con i dati "
                                          "inseriti.\n\nPremere Stampa per avviare la stampa "
                                          "oppure Annulla per annullare l'operazione.")},
                          quoteWindow, parent)
{
}

void TfrmStampaPrev::produce()
{
    // The engine reports a printer that cannot print; the window closes either way.
    brisvola::documents::print(report(), this, brisvola::documents::PrintMode::DefaultPrinter);
    accept();
}
