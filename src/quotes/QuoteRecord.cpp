#include "quotes/QuoteRecord.h"

#include "archive/YearArchive.h"

namespace quotes {

const RecordLayout &quoteLayout()
{
    static const RecordLayout layout(FieldEncoding::LengthPrefixed,
                                     {
                                         // Heading, issuer, customer and terms
                                         {"NumFatt", 30},
                                         {"Data", 20},
                                         {"Ditta", 50},
                                         {"ViaDitta", 50},
                                         {"CapDitta", 12},
                                         {"CittaDitta", 50},
                                         {"ProvDitta", 2},
                                         {"IvaDitta", 30},
                                         {"CodFiscDitta", 30},
                                         fieldGroup("Libero", 2, 50),
                                         {"Cliente", 50},
                                         {"ViaCliente", 50},
                                         {"CapCliente", 12},
                                         {"CittaCliente", 50},
                                         {"ProvCliente", 2},
                                         {"IvaCliente", 30},
                                         {"CodFiscCliente", 30},
                                         {"Riferimenti", 50},
                                         {"Pagamento", 50},
                                         {"Banca", 50},
                                         {"Iban", 50},
                                         // Event details
                                         {"TipoEvento", 50},
                                         {"DataEvento", 50},
                                         {"Acconto", 50},
                                         {"TotalePersone", 30},
                                         {"Saldo", 50},
                                         {"TotaleTavoli", 30},
                                         // The lines, column by column: every quantity, then
                                         // every course, and so on
                                         fieldGroup("Quant", lineCount, 6),
                                         fieldGroup("Codice", lineCount, 20),
                                         fieldGroup("Desc", lineCount, 55),
                                         fieldGroup("Prezzo", lineCount, 10),
                                         fieldGroup("PercSconto", lineCount, 6),
                                         fieldGroup("Importo", lineCount, 10),
                                         fieldGroup("Es", lineCount, 2),
                                         // Totals, note and flag
                                         {"TotImponibile", 10},
                                         {"PercIva", 10},
                                         {"TotImposta", 10},
                                         {"TotIva", 10},
                                         {"TotEsente", 10},
                                         {"TotFattura", 10},
                                         {"Note", 250},
                                         {"InSospeso", 2},
                                     });
    return layout;
}

QString lineField(const char *column, int line)
{
    return QLatin1StringView(column) + QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0'));
}

const QStringList &provinceCodes()
{
    static const QStringList codes =
        QString::fromLatin1(
            "AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN CO CR "
            "CS CT CZ EE EN FC FE FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC MD ME "
            "MI MN MO MS MT NA NO NU OG OR OT PA PC PD PE PG PI PN PO PR PT PU PV PZ RA RC RE RG "
            "RI RM RN RO SA SI SO SP SR SS SV TA TE TN TO TP TR TS TV UD VA VB VC VE VI VR VT VV")
            .split(QLatin1Char(' '));
    return codes;
}

QString quoteArchivePath(const QString &year)
{
    return yeararchive::archivePath(year, quoteArchiveSuffix);
}

} // namespace quotes
