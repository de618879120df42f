// The number texts and the amount rules of every app over arbitrary texts.
#include "FuzzInput.h"

#include "archive/NumberText.h"
#include "customers/CustomerRecord.h"
#include "quotes/QuoteTotals.h"
#include "recipes/RecipeRecord.h"
#include "reservations/ReservationRecord.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using fuzzinput::require;
    const QString text = fuzzinput::text(fuzzinput::bytes(data, size));

    if (const std::optional<double> value = numtext::strToFloat(text)) {
        const QString written = numtext::floatToStr(*value);
        if (std::isfinite(*value))
            require(numtext::strToFloat(written).has_value(), "a written number reads back");
        (void)numtext::amountText(*value);
        for (int n = 0; n <= 4; ++n)
            (void)numtext::R(*value, n);
    }
    (void)numtext::amountText(text);
    if (size >= sizeof(double) + 1) {
        double x;
        std::memcpy(&x, data + 1, sizeof x);
        (void)numtext::floatToStr(x);
        (void)numtext::R(x, data[0] % 6);
    }

    const QString price = quotes::priceRule(text);
    require(quotes::priceRule(price) == price, "the price rule keeps its own result");
    const QString plain = quotes::plainRule(text);
    require(quotes::plainRule(plain) == plain, "the plain rule keeps its own result");
    (void)recipes::normalisePrice(text);
    (void)reservations::normaliseAmount(text);
    for (auto rule : {customers::InputRule::Free, customers::InputRule::NoOuterBlanks,
                      customers::InputRule::Capitals, customers::InputRule::DigitsOnly})
        (void)customers::applyRule(rule, text);
    return 0;
}
