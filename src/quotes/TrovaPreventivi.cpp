#include "quotes/TrovaPreventivi.h"

#include "quotes/QuoteLists.h"
#include "quotes/QuoteRecord.h"

namespace {

FindConfig quoteFind(const QString &archivePath, RecordTarget showQuote)
{
    FindConfig c;
    c.className = QStringLiteral("TfrmTrovaPreventivi");
    c.caption = QStringLiteral(" Trova preventivi in archivio");
    c.heading = QStringLiteral("Trova preventivi in archivio");
    c.printTitle = QStringLiteral("Riepilogo preventivi emessi");
    c.layout = &quotes::quoteLayout();
    c.archivePath = [archivePath] { return archivePath; };
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
    c.line = quotes::quoteListLine();
    c.sorted = true;
    c.countPrefix = QStringLiteral("Il presente elenco contiene ");
    c.targets.insert(QStringLiteral("preventivi"), std::move(showQuote));
    return c;
}

} // namespace

TfrmTrovaPreventivi::TfrmTrovaPreventivi(const QString &archivePath, RecordTarget showQuote,
                                         QWidget *parent)
    : FindDialog(quoteFind(archivePath, std::move(showQuote)), parent)
{
}
