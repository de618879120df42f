#include "archive/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace numtext {

double R(double x, int n)
{
    // Negative values (a discount above 100 percent) are rounded as the mirror image of their
    // absolute value. Applied literally, the truncation toward zero would move exact values:
    // -5 to 4 decimals would become -4,9999 and -2,6 to 0 decimals -2.
    if (x < 0)
        return -R(-x, n);
    long double scale = 1.0L;
    for (int i = 0; i < n; ++i)
        scale *= 10.0L;
    const long double shifted = static_cast<long double>(x) * scale + 0.5L;
    const long double whole = std::trunc(shifted);
    return static_cast<double>(whole / scale);
}

QString floatToStr(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    QString out = QString::fromLatin1(buf, res.ptr - buf);
    out.replace(QLatin1Char('.'), QLatin1Char(','));
    return out;
}

std::optional<double> strToFloat(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    QByteArray ascii;
    ascii.reserve(t.size());
    qsizetype i = 0;
    const auto at = [&](qsizetype k) { return k < t.size() ? t[k].unicode() : u'\0'; };
    if (at(i) == u'-')
        ascii += char(t[i++].unicode());
    else if (at(i) == u'+')
        ++i;
    int digits = 0;
    while (at(i) >= u'0' && at(i) <= u'9') {
        ascii += char(t[i++].unicode());
        ++digits;
    }
    if (at(i) == u',') {
        ascii += '.';
        ++i;
        while (at(i) >= u'0' && at(i) <= u'9') {
            ascii += char(t[i++].unicode());
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (at(i) == u'e' || at(i) == u'E') {
        ascii += 'e';
        ++i;
        if (at(i) == u'+' || at(i) == u'-')
            ascii += char(t[i++].unicode());
        int expDigits = 0;
        while (at(i) >= u'0' && at(i) <= u'9') {
            ascii += char(t[i++].unicode());
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    double value = 0;
    const auto res = std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), value);
    if (res.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString amountText(const QString &text)
{
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0)
        return text + QStringLiteral(",00");
    if (text.size() - comma - 1 == 1)
        return text + QLatin1Char('0');
    return text;
}

QString amountText(double value)
{
    QString text = floatToStr(value);
    if (std::isfinite(value) && text.contains(QLatin1Char('e'))) {
        // The exponent form ("1e+15") is no amount: the rule would make "1e+15,00", which reads as
        // no number at all. Such values are written out in full, as few digits as read back.
        char buf[400];
        const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
        text = QString::fromLatin1(buf, res.ptr - buf);
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    }
    return amountText(text);
}

} // namespace numtext
