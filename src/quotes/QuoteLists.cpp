#include "quotes/QuoteLists.h"

#include "quotes/QuoteRecord.h"

namespace quotes {

namespace {

// Filled with blanks or cut on the right to exactly width characters.
QString padded(QString text, int width)
{
    if (text.size() > width)
        text.truncate(width);
    else
        text.append(QString(width - text.size(), QLatin1Char(' ')));
    return text;
}

struct LineFields
{
    int numFatt, data, cliente, ivaCliente, riferimenti, totFattura;
};

} // namespace

QString quoteListLine(const RecordView &record)
{
    static const LineFields f = [] {
        const RecordLayout &l = quoteLayout();
        return LineFields{l.field("NumFatt"),    l.field("Data"),        l.field("Cliente"),
                          l.field("IvaCliente"), l.field("Riferimenti"), l.field("TotFattura")};
    }();
    QString line;
    line.reserve(150);
    line += QStringLiteral("Prev. n. ");
    line += padded(record.text(f.numFatt) + QStringLiteral(" del ") + record.text(f.data), 25);
    line += QStringLiteral("  ");
    line += padded(record.text(f.cliente), 35);
    line += QStringLiteral("  P.I. ");
    line += padded(record.text(f.ivaCliente), 11);
    line += QStringLiteral("  Rif. ");
    line += padded(record.text(f.riferimenti), 35);
    line += QStringLiteral("  Tot. € ");
    line += record.text(f.totFattura);
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
