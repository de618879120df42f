// The quote totals over arbitrary texts in every quantity, price, discount and the VAT rate.
#include "FuzzInput.h"

#include "archive/NumberText.h"
#include "quotes/QuoteTotals.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using fuzzinput::require;
    const QByteArray input = fuzzinput::bytes(data, size);
    const QStringList texts = fuzzinput::texts(input);
    quotes::QuoteTotalsTexts quote;
    qsizetype next = 0;
    const auto take = [&] { return next < texts.size() ? texts[next++] : QString(); };
    quote.percIva = take();
    for (quotes::QuoteLineTexts &line : quote.lines) {
        if (next >= texts.size())
            break;
        line.quant = take();
        line.prezzo = take();
        line.sconto = take();
        line.esente = line.sconto.size() % 2 == 1;
    }
    const auto used = [](const quotes::QuoteLineTexts &line) {
        return !line.quant.trimmed().isEmpty() || !line.prezzo.trimmed().isEmpty();
    };
    const bool computed = quotes::computeTotals(quote);
    if (computed)
        for (const quotes::QuoteLineTexts &line : quote.lines)
            require(!used(line) || numtext::strToFloat(line.importo).has_value(),
                    "a computed line amount is a number");
    for (const QString *total : {&quote.totImponibile, &quote.totImposta, &quote.totIva,
                                 &quote.totEsente, &quote.totFattura})
        require(!computed || numtext::strToFloat(*total).has_value(),
                "a computed total is a number");
    if (!computed)
        require(quote.totFattura == QLatin1String("0,00"), "a failed computation shows 0,00");
    return 0;
}
