#include "quotes/StampaPrev.h"

TfrmStampaPrev::TfrmStampaPrev(quotes::QuoteTexts quote, QWidget *parent)
    : QuoteDocumentDialog(
          {.className = QStringLiteral("TfrmStampaPrev"),
           .caption = QStringLiteral(" Stampa preventivo"),
           .button = QStringLiteral("Stampa"),
           .icon = QStringLiteral(":/archive/stampa.svg"),
           .title = QStringLiteral("Stampa scheda"),
           .explanation = QStringLiteral("La scheda corrente verrà stampata su carta con i dati "
                                         "inseriti.\n\nPremere Stampa per avviare la stampa "
                                         "oppure Annulla per annullare l'operazione."),
           .output = brisvola::documents::DocumentOutput::Print,
           .printMode = brisvola::documents::PrintMode::DefaultPrinter,
           .damagedMessage = quotes::damagedTemplateMessage},
          std::move(quote), parent)
{
}
