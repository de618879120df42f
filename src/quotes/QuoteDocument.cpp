#include "quotes/QuoteDocument.h"

#include "documents/Report.h"
#include "quotes/QuoteRecord.h"
#include "shell/ProgramFolder.h"

namespace quotes {

QuoteTexts quoteTextsFrom(const Record &record)
{
    QuoteTexts texts;
    const RecordLayout &layout = record.layout();
    for (int i = 0; i < layout.fieldCount(); ++i)
        texts.insert(QLatin1StringView(layout.name(i)), record.text(i));
    return texts;
}

QList<QPair<QString, QString>> quoteDocumentTexts(const QuoteTexts &quote)
{
    const auto v = [&quote](const QString &field) { return quote.value(field).trimmed(); };
    const auto ifFilled = [&v](const QString &prefix, const QString &field) {
        const QString value = v(field);
        return value.isEmpty() ? QString() : prefix + value;
    };
    const QString blank = QStringLiteral(" ");

    QList<QPair<QString, QString>> texts = {
        // Header and parties.
        {"txtNumFatt", QStringLiteral("Preventivo n. ") + v("NumFatt")},
        {"txtData", QStringLiteral("Data emissione:  ") + v("Data")},
        {"txtCliente", v("Cliente")},
        {"txtViaCliente", v("ViaCliente")},
        {"txtCittaCliente", v("CapCliente") + blank + v("CittaCliente") + blank + v("ProvCliente")},
        {"txtIvaCliente", ifFilled(QStringLiteral("P.IVA: "), "IvaCliente")},
        {"txtCodFiscCliente", ifFilled(QStringLiteral("C.F. "), "CodFiscCliente")},
        {"txtRiferimenti", v("Riferimenti")},
        {"txtDitta", v("Ditta")},
        {"txtViaDitta", v("ViaDitta")},
        {"txtCittaDitta", v("CapDitta") + blank + v("CittaDitta") + blank + v("ProvDitta")},
        {"txtIvaDitta",
         QStringLiteral("P.IVA: ") + v("IvaDitta") + QStringLiteral("  C.F. ") + v("CodFiscDitta")},
        {"txtLibero01", v("Libero01")},
        {"txtLibero02", v("Libero02")},
        // Terms and note.
        {"txtPagamento", QStringLiteral("Pagamento: ") + v("Pagamento")},
        {"txtBanca", QStringLiteral("Banca d'appoggio: ") + v("Banca")},
        {"txtIban", QStringLiteral("IBAN: ") + v("Iban")},
        {"txtNote", QStringLiteral("Note: ") + v("Note")},
    };
    // The 30 rows, column by column, empty rows included.
    for (const char *column : {"Quant", "Codice", "Desc", "Prezzo", "PercSconto", "Importo"})
        for (int line = 1; line <= lineCount; ++line) {
            const QString field = lineField(column, line);
            texts.append({QStringLiteral("txt") + field, v(field)});
        }
    for (const char *field :
         {"TotImponibile", "PercIva", "TotImposta", "TotIva", "TotEsente", "TotFattura"})
        texts.append({QStringLiteral("txt") + QLatin1StringView(field), v(field)});
    // The event details; the objects keep the names the document has always had.
    texts += {
        {"txtVeicolo", QStringLiteral("Tipo evento:  ") + v("TipoEvento")},
        {"txtMarca", QStringLiteral("Data evento:  ") + v("DataEvento")},
        {"txtColore", QStringLiteral("Acconto:  ") + v("Acconto")},
        {"txtImmatricolazione", QStringLiteral("Totale persone:  ") + v("TotalePersone")},
        {"txtAlimentazione", QStringLiteral("Saldo:  ") + v("Saldo")},
        {"txtTarga", QStringLiteral("Totale tavoli:  ") + v("TotaleTavoli")},
    };
    return texts;
}

bool fillQuoteDocument(brisvola::documents::Report &report, const QuoteTexts &quote,
                       const QImage &logo)
{
    report.setOrientation(QPageLayout::Portrait);
    bool complete = report.setPicture(QStringLiteral("imgLogo"), logo);
    for (const auto &[name, text] : quoteDocumentTexts(quote))
        complete = report.setText(name, text) && complete;
    return complete;
}

QString quotePdfPath()
{
    return brisvola::programFile(QStringLiteral("Preventivo.pdf"));
}

} // namespace quotes
