#pragma once

#include "quotes/QuoteRecord.h"

#include <QString>

#include <array>

// The arithmetic of a quote, on the texts the quote window shows. Numbers are read and written
// with the decimal comma; products and sums are formed in extended precision and stored as
// doubles at each step; line amounts are rounded to 4 decimals, totals to the cent.
namespace quotes {

struct QuoteLineTexts
{
    QString quant;       // txtQuantNN
    QString prezzo;      // txtPrezzoNN
    QString sconto;      // txtPercScontoNN
    QString importo;     // txtImportoNN (computed)
    bool esente = false; // chkEsNN
};

struct QuoteTotalsTexts
{
    std::array<QuoteLineTexts, lineCount> lines;
    QString percIva; // txtPercIva
    // Computed:
    QString totImponibile;
    QString totImposta;
    QString totIva;
    QString totEsente;
    QString totFattura;
};

// Computes every line amount and the five totals in place. A line with neither quantity nor
// price is skipped (its amount is left as it is); a used line gets quantity "1" and price "0,00"
// where they are empty; an empty VAT rate becomes "0". When a text does not convert to a number
// the computation stops there: the lines already done keep their amounts and the five totals
// become "0,00"; the result is then false. Never throws.
bool computeTotals(QuoteTotalsTexts &quote);

// The price rule, applied when the focus leaves a price: empty stays empty, a number becomes its
// value rounded to 4 decimals with at least two decimals ("12,345678" gives "12,3457", "5" gives
// "5,00"), anything else "0,00".
QString priceRule(const QString &text);

// The plain rule, applied when the focus leaves a quantity, a discount or the VAT rate: empty
// stays empty, a number becomes its value rounded to 4 decimals without trailing zeros ("1,50"
// gives "1,5", "007" gives "7"), anything else becomes empty.
QString plainRule(const QString &text);

} // namespace quotes
