#pragma once

#include <QString>

#include <optional>

// Numbers as the program reads and writes them: decimal comma, no thousands separator, rounding
// computed in extended precision and stored as a double.
namespace numtext {

// R(x, n) = Int(x * 10^n + 0.5) / 10^n, the product, sum and quotient in long double, Int
// truncating toward zero; the result is stored as a double. A negative x is rounded as -R(-x, n),
// half away from zero, so that exact negative amounts stay what they are.
double R(double x, int n);

// The shortest general form with at most 15 significant digits and a decimal comma: 12.5 gives
// "12,5", 7 gives "7", 0 gives "0".
QString floatToStr(double value);

// Text to number with the decimal comma: optional blanks around, optional sign, digits with at
// most one comma, optional exponent. No "." and no thousands separator. Empty when the text is
// not a number.
std::optional<double> strToFloat(const QString &text);

// The amount rule: ",00" appended to a text without a comma, "0" to one with a single decimal.
QString amountText(const QString &text);

// floatToStr followed by the amount rule; a value floatToStr writes with an exponent is written
// in fixed notation instead (1e15 gives "1000000000000000,00"), so that the text reads back.
QString amountText(double value);

} // namespace numtext
