#include "quotes/AnteprimaPrev.h"

TfrmAnteprimaPrev::TfrmAnteprimaPrev(quotes::QuoteTexts quote, QWidget *parent)
    : QuoteDocumentDialog(
          {.className = QStringLiteral("TfrmAnteprimaPrev"),
           .caption = QStringLiteral(" Anteprima di stampa"),
           .button = QStringLiteral("Mostra anteprima"),
           .icon = QStringLiteral(":/quotes/anteprima.svg"),
           .title = QStringLiteral("Anteprima di stampa"),
           .explanation = QStringLiteral("Il preventivo corrente verrà mostrato a video così come "
                                         "apparirà in stampa, con i dati inseriti. Dall'anteprima "
                                         "è possibile ingrandire la pagina e stamparla.\n\n"
                                         "Premere Mostra anteprima per procedere oppure Annulla "
                                         "per annullare l'operazione."),
           .output = brisvola::documents::DocumentOutput::Preview,
           .damagedMessage = quotes::damagedTemplateMessage},
          std::move(quote), parent)
{
}
