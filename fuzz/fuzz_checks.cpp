// The four checks over arbitrary texts.
#include "FuzzInput.h"

#include "checks/CheckRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace brisvola::checks;
    using fuzzinput::require;
    const QString text = fuzzinput::text(fuzzinput::bytes(data, size));

    (void)asciiUpper(text);
    (void)isVatNumberLike(text);
    const Verdict taxCode = checkTaxCode(text);
    (void)taxCodeCheckLetter(text);
    const VatVerdict vat = checkVatNumber(text);
    require(vat.verdict != Verdict::Valid || vat.officeCode.size() == 3,
            "a valid VAT number names its office code");
    (void)vatOffice(text);
    const Verdict iban = checkIban(text);
    const int remainder = ibanRemainder(text);
    require(remainder >= 0 && remainder < 97, "the IBAN remainder lies in 0..96");
    const int card = cardClass(text);
    const CardVerdict verdict = checkCard(text);
    require(verdict.verdict != Verdict::Valid || verdict.type != CardType::None,
            "a valid card has a type");
    (void)cardTypeName(verdict.type);
    (void)taxCode;
    (void)iban;
    (void)card;
    return 0;
}
