#include "quotes/AnteprimaPrev.h"

#include "documents/ReportOutput.h"

TfrmAnteprimaPrev::TfrmAnteprimaPrev(TfrmPreventivi *quoteWindow, QWidget *parent)
    : QuoteDocumentDialog(
          {QStringLiteral("TfrmAnteprimaPrev"), QStringLiteral(" Anteprima di stampa"),
           QStringLiteral("Mostra anteprima"), QStringLiteral(":/quotes/anteprima.svg"),
           QStringLiteral("Anteprima di stampa"),
           QStringLiteral("Il preventivo corrente verrà mostrato a video così come "
                          "apparirà in stampa, con i dati inseriti. Dall'anteprima "
                          "è possibile ingrandire la pagina e stamparla.\n\n"
                          "Premere Mostra anteprima per procedere oppure Annulla "
                          "per annullare l'operazione.")},
          quoteWindow, parent)
{
}

void TfrmAnteprimaPrev::produce()
{
    brisvola::documents::preview(report(), this);
    accept();
}
