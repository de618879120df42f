#include "quotes/TrovaPreventivi.h"

#include "archive/ArchiveWindow.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteLists.h"
#include "quotes/QuoteRecord.h"

#include <QLabel>

namespace {

FindConfig quoteFind(TfrmPreventivi *quoteWindow)
{
    FindConfig c;
    c.className = QStringLiteral("TfrmTrovaPreventivi");
    c.caption = QStringLiteral(" Trova preventivi in archivio");
    c.heading = QStringLiteral("Trova preventivi in archivio");
    c.printTitle = QStringLiteral("Riepilogo preventivi emessi");
    c.layout = &quotes::quoteLayout();
    c.archivePath = [quoteWindow] { return quoteWindow->lblFile->text(); };
    c.criteria = {
        {QStringLiteral("txtNumFatt"), QStringLiteral("Preventivo n."), "NumFatt"},
        {QStringLiteral("txtData"), QStringLiteral("Data emissione (gg/mm/aaaa):"), "Data"},
        {QStringLiteral("txtCliente"), QStringLiteral("Cliente:"), "Cliente"},
        {QStringLiteral("txtViaCliente"), QStringLiteral("Via e numero civico:"), "ViaCliente"},
        {QStringLiteral("txtCittaCliente"), QStringLiteral("Città:"), "CittaCliente"},
        {QStringLiteral("txtPagamento"), QStringLiteral("Pagamento:"), "Pagamento"},
        {QStringLiteral("txtIvaCliente"), QStringLiteral("Partita IVA:"), "IvaCliente"},
        {QStringLiteral("txtCodFiscCliente"), QStringLiteral("Codice fiscale:"), "CodFiscCliente"},
        {QStringLiteral("txtRiferimenti"), QStringLiteral("Riferimenti:"), "Riferimenti"},
        {QStringLiteral("txtNote"), QStringLiteral("Note:"), "Note"},
    };
    c.line = quotes::quoteListLine;
    c.sorted = true;
    c.countPrefix = QStringLiteral("Il presente elenco contiene ");
    // The quote comes onto the quote window as navigation brings it.
    c.targets.insert(QStringLiteral("preventivi"), [quoteWindow](const Record &r, qint64 p) {
        quoteWindow->archive()->showRecord(r, p);
    });
    return c;
}

} // namespace

TfrmTrovaPreventivi::TfrmTrovaPreventivi(TfrmPreventivi *quoteWindow, QWidget *parent)
    : FindDialog(quoteFind(quoteWindow), parent ? parent : quoteWindow)
{
}
