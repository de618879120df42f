#pragma once

#include <QString>
#include <QStringView>

// The four checks of the check tools: Italian tax code, Italian VAT number with the office that
// issued it, IBAN, payment card. Each takes any text a caller may hand over (empty, very long,
// letters in a numeric field, characters outside Latin-1) and gives a verdict; none of them
// reads outside its text.
namespace brisvola::checks {

enum class Verdict
{
    Valid,
    Wrong,
    WrongLength, // the tax code, the VAT number and the IBAN have a fixed length
    Empty        // the card check needs a number
};

// Upper case of the letters a to z only; every other character stays as it is.
QString asciiUpper(QStringView text);

// True when the text is not empty and made only of the digits 0 to 9: a company's tax code is
// its VAT number, and is checked as one.
bool isVatNumberLike(QStringView text);

// Codice fiscale: 16 characters, the 16th the check letter of the first 15. A character that
// neither table knows (below "0" or above "Z", for example a blank, a hyphen, an accented letter)
// makes the code wrong at once.
Verdict checkTaxCode(const QString &code);
// The check letter of the first 15 characters of code, or a null QChar when code is shorter or
// holds a character outside the tables.
QChar taxCodeCheckLetter(QStringView code);

// Partita IVA: 11 digits, the last the check digit of the first ten; office is the name of the
// VAT office of digits 8 to 10, empty when the code is not in the table. The text is taken as it
// is, not trimmed.
struct VatVerdict
{
    Verdict verdict = Verdict::Wrong;
    QString officeCode; // digits 8 to 10 of a valid number
    QString office;     // its office name, empty when the code is unknown
};
VatVerdict checkVatNumber(const QString &number);
// The office named by a three-digit code ("058" is "Roma 1"), empty for an unknown code.
QString vatOffice(QStringView code);

// IBAN: 27 characters once trimmed (an Italian IBAN; inner blanks count), then the ISO 13616
// remainder on the text without blanks.
Verdict checkIban(const QString &iban);
// The remainder modulo 97 of the rearranged number; 0 when a character other than a digit, a
// letter A to Z or a blank is present (the number is then wrong).
int ibanRemainder(const QString &iban);

// Payment card: the Luhn check on the digits among the first 20 characters, then the type from
// the leading digits.
enum class CardType
{
    None, // not a valid number
    DinersClub,
    AmericanExpress,
    Jcb,
    Visa,
    MasterCard,
    Discover,
    Unrecognised // a valid number whose first two characters are 32 or 39
};
struct CardVerdict
{
    Verdict verdict = Verdict::Wrong;
    CardType type = CardType::None;
};
// 0 for a wrong number; otherwise the first digit minus 2 (1 to 4 for 3 to 6; the others lie
// outside 1 to 4 and are wrong as well).
int cardClass(QStringView text);
CardVerdict checkCard(const QString &text);
// The name shown for a card type ("Visa", "American Express", ...), empty for None and
// Unrecognised.
QString cardTypeName(CardType type);

} // namespace brisvola::checks
