#include "quotes/QuoteTotals.h"

#include "archive/NumberText.h"

#include <cmath>

namespace quotes {

namespace {

struct NotANumber
{
};

double value(const QString &text)
{
    const auto v = numtext::strToFloat(text.trimmed());
    if (!v)
        throw NotANumber{};
    return *v;
}

// A total too large for a double (a product or a sum that overflowed) stops the computation as a
// text that is no number does.
double finite(double v)
{
    if (!std::isfinite(v))
        throw NotANumber{};
    return v;
}

// Each step stores its result as a double; the operation itself runs in long double.
double product(double a, double b)
{
    return double(static_cast<long double>(a) * b);
}

double percentOf(double amount, double percent)
{
    return double(static_cast<long double>(amount) * percent / 100.0L);
}

double sum(double a, double b)
{
    return double(static_cast<long double>(a) + b);
}

double difference(double a, double b)
{
    return double(static_cast<long double>(a) - b);
}

// A total's text: the sum written, read back and rounded to the cent.
QString roundedTotal(double total)
{
    return numtext::amountText(numtext::R(value(numtext::floatToStr(total)), 2));
}

} // namespace

bool computeTotals(QuoteTotalsTexts &quote)
{
    try {
        for (QuoteLineTexts &line : quote.lines) {
            if (line.quant.trimmed().isEmpty() && line.prezzo.trimmed().isEmpty())
                continue;
            if (line.quant.trimmed().isEmpty())
                line.quant = QStringLiteral("1");
            if (line.prezzo.trimmed().isEmpty())
                line.prezzo = QStringLiteral("0,00");
            const double d = line.sconto.trimmed().isEmpty() ? 0.0 : value(line.sconto);
            const double p = value(line.prezzo);
            const double q = value(line.quant);
            const double g = product(p, q);
            const double s = percentOf(g, d);
            const double a = difference(g, s);
            line.importo = numtext::floatToStr(a);
            line.importo = numtext::amountText(numtext::R(value(line.importo), 4));
        }

        double taxable = 0;
        double exempt = 0;
        for (const QuoteLineTexts &line : quote.lines) {
            const double amount = line.importo.trimmed().isEmpty() ? 0.0 : value(line.importo);
            if (line.esente)
                exempt = sum(exempt, amount);
            else
                taxable = sum(taxable, amount);
        }

        quote.totImponibile = roundedTotal(taxable);
        if (quote.percIva.trimmed().isEmpty())
            quote.percIva = QStringLiteral("0");
        const double rate = value(quote.percIva);
        const double vat = finite(percentOf(taxable, rate));
        const double withVat = finite(sum(taxable, vat));
        const double invoice = finite(sum(withVat, exempt));
        quote.totImposta = numtext::amountText(numtext::R(vat, 2));
        quote.totIva = numtext::amountText(numtext::R(withVat, 2));
        quote.totEsente = roundedTotal(exempt);
        quote.totFattura = numtext::amountText(numtext::R(invoice, 2));
        return true;
    } catch (const NotANumber &) {
        const QString zero = QStringLiteral("0,00");
        quote.totImponibile = quote.totImposta = quote.totIva = quote.totEsente = quote.totFattura =
            zero;
        return false;
    }
}

QString priceRule(const QString &text)
{
    if (text.trimmed().isEmpty())
        return QString();
    const auto v = numtext::strToFloat(text);
    if (!v)
        return QStringLiteral("0,00");
    return numtext::amountText(numtext::R(*v, 4));
}

QString plainRule(const QString &text)
{
    if (text.trimmed().isEmpty())
        return QString();
    const auto v = numtext::strToFloat(text);
    if (!v)
        return QString();
    return numtext::floatToStr(numtext::R(*v, 4));
}

} // namespace quotes
