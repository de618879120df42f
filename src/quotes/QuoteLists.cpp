#include "quotes/QuoteLists.h"

#include "quotes/QuoteRecord.h"

namespace quotes {

const listline::Builder &quoteListLine()
{
    static const listline::Builder line = listline::columns(
        quoteLayout(),
        {{QStringLiteral("Prev. n. "), "NumFatt", 25, QStringLiteral(" del "), "Data"},
         {QStringLiteral("  "), "Cliente", 35},
         {QStringLiteral("  P.I. "), "IvaCliente", 11},
         {QStringLiteral("  Rif. "), "Riferimenti", 35},
         {QStringLiteral("  Tot. € "), "TotFattura", -1}});
    return line;
}

const QList<spreadsheet::Column> &quoteExportColumns()
{
    static const QList<spreadsheet::Column> columns = [] {
        const RecordLayout &l = quoteLayout();
        const auto left = [&l](const char *field, const char *header, int width) {
            return spreadsheet::field(l, field, QString::fromUtf8(header), width);
        };
        const auto right = [&l](const char *field, const char *header, int width) {
            return spreadsheet::field(l, field, QString::fromUtf8(header), width, true);
        };
        return QList<spreadsheet::Column>{
            left("NumFatt", "Preventivo n.", 160),
            left("Data", "Data emissione", 120),
            left("Ditta", "Ditta emittente", 250),
            left("CittaDitta", "Città", 250),
            left("IvaDitta", "Partita IVA", 150),
            left("CodFiscDitta", "Codice fiscale", 150),
            left("Cliente", "Cognome e nome Cliente", 250),
            left("ViaCliente", "Via e numero civico", 250),
            left("CapCliente", "CAP", 70),
            left("CittaCliente", "Città", 250),
            left("ProvCliente", "Prov.", 50),
            left("IvaCliente", "Partita IVA Cliente", 150),
            left("CodFiscCliente", "Codice fiscale Cliente", 150),
            left("Riferimenti", "Riferimenti", 250),
            left("Pagamento", "Pagamento", 250),
            left("Banca", "Banca d'appoggio", 250),
            left("Iban", "IBAN", 250),
            right("TotImponibile", "Totale imponibile", 150),
            right("PercIva", "% IVA", 100),
            right("TotImposta", "Totale imposta", 150),
            right("TotIva", "Totale IVA inclusa", 150),
            right("TotEsente", "Totale esente", 150),
            right("TotFattura", "TOTALE PREVENTIVO", 150),
            left("Note", "Note", 350),
            left("InSospeso", "In sospeso", 100),
        };
    }();
    return columns;
}

} // namespace quotes
