#include "checks/CheckRules.h"

#include <array>
#include <iterator>

namespace brisvola::checks {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isAsciiUpper(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

int digitValue(QChar c)
{
    return c.unicode() - u'0';
}

// --- codice fiscale ---------------------------------------------------------------------------

// The values of the characters "0" to "Z" in odd positions; the seven characters between "9" and
// "A" count 0.
constexpr std::array<int, 43> oddValues = {1,  0,  5,  7,  9,  13, 15, 17, 19, 21, // 0 - 9
                                           0,  0,  0,  0,  0,  0,  0,              // : ; < = > ? @
                                           1,  0,  5,  7,  9,  13, 15, 17, 19, 21, // A - J
                                           2,  4,  18, 20, 11, 3,  6,  8,          // K - R
                                           12, 14, 16, 10, 22, 25, 24, 23};        // S - Z

// The value in even positions: a digit is itself, a letter its place from A = 0.
int evenValue(QChar c)
{
    if (isAsciiDigit(c))
        return digitValue(c);
    if (isAsciiUpper(c))
        return c.unicode() - u'A';
    return 0; // the seven characters between "9" and "A"
}

bool inTaxCodeTables(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('Z');
}

// --- partita IVA -------------------------------------------------------------------------------

// The VAT offices by the code of digits 8 to 10: 001 to 102, then 120 and 121, which name the
// second offices of Bologna and Napoli again.
const char16_t *const officeNames[] = {
    u"Torino",
    u"Vercelli",
    u"Novara",
    u"Cuneo",
    u"Asti",
    u"Alessandria",
    u"Aosta",
    u"Imperia",
    u"Savona",
    u"Genova 1",
    u"La Spezia",
    u"Varese",
    u"Como",
    u"Sondrio",
    u"Milano 1",
    u"Bergamo",
    u"Brescia 1",
    u"Pavia",
    u"Cremona",
    u"Mantova",
    u"Bolzano",
    u"Trento",
    u"Verona",
    u"Vicenza",
    u"Belluno",
    u"Treviso",
    u"Venezia",
    u"Padova",
    u"Rovigo",
    u"Udine",
    u"Gorizia",
    u"Trieste",
    u"Piacenza",
    u"Parma",
    u"Reggio Emilia",
    u"Modena",
    u"Bologna 1",
    u"Ferrara",
    u"Ravenna",
    u"Forlì",
    u"Pesaro",
    u"Ancona",
    u"Macerata",
    u"Ascoli Piceno",
    u"Massa Carrara",
    u"Lucca",
    u"Pistoia",
    u"Firenze 1",
    u"Livorno",
    u"Pisa",
    u"Arezzo",
    u"Siena",
    u"Grosseto",
    u"Perugia",
    u"Terni",
    u"Viterbo",
    u"Rieti",
    u"Roma 1",
    u"Latina",
    u"Frosinone",
    u"Caserta",
    u"Benevento",
    u"Napoli 1",
    u"Avellino",
    u"Salerno",
    u"Aquila",
    u"Teramo",
    u"Pescara",
    u"Chieti",
    u"Campobasso",
    u"Foggia",
    u"Bari",
    u"Taranto",
    u"Brindisi",
    u"Lecce",
    u"Potenza",
    u"Matera",
    u"Cosenza",
    u"Catanzaro",
    u"Reggio Calabria",
    u"Trapani",
    u"Palermo",
    u"Messina",
    u"Agrigento",
    u"Caltanissetta",
    u"Enna",
    u"Catania",
    u"Ragusa",
    u"Siracusa",
    u"Sassari",
    u"Nuoro",
    u"Cagliari",
    u"Pordenone",
    u"Isernia",
    u"Oristano",
    u"Monza (Milano 2)",
    u"Prato (Firenze 2)",
    u"Brescia 2",
    u"Chiavari (Genova 2)",
    u"Roma 2",
    u"Bologna 2",
    u"Napoli 2",
};
static_assert(std::size(officeNames) == 102);

} // namespace

QString asciiUpper(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - (u'a' - u'A'));
    return out;
}

bool isVatNumberLike(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (!isAsciiDigit(c))
            return false;
    return true;
}

QChar taxCodeCheckLetter(QStringView code)
{
    if (code.size() < 15)
        return {};
    int sum = 0;
    for (int i = 0; i < 15; ++i) {
        const QChar c = code[i];
        if (!inTaxCodeTables(c))
            return {};
        // Positions count from 1: index 0 is the first, odd, position.
        sum += i % 2 == 0 ? oddValues[c.unicode() - u'0'] : evenValue(c);
    }
    return QChar(u'A' + sum % 26);
}

Verdict checkTaxCode(const QString &code)
{
    const QString upper = asciiUpper(code);
    if (upper.size() != 16)
        return Verdict::WrongLength;
    const QChar expected = taxCodeCheckLetter(upper);
    return !expected.isNull() && upper[15] == expected ? Verdict::Valid : Verdict::Wrong;
}

QString vatOffice(QStringView code)
{
    if (code.size() != 3 || !isVatNumberLike(code))
        return {};
    const int n = code.toInt();
    if (n == 120)
        return vatOffice(u"101");
    if (n == 121)
        return vatOffice(u"102");
    if (n < 1 || n > int(std::size(officeNames)))
        return {};
    return QString::fromUtf16(officeNames[n - 1]);
}

VatVerdict checkVatNumber(const QString &number)
{
    VatVerdict out;
    if (number.size() != 11) {
        out.verdict = Verdict::WrongLength;
        return out;
    }
    if (!isVatNumberLike(number))
        return out;
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        const int d = digitValue(number[i]);
        if (i % 2 == 0) {
            sum += d;
        } else {
            const int twice = 2 * d;
            sum += twice < 10 ? twice : twice - 9;
        }
    }
    if (digitValue(number[10]) != (10 - sum % 10) % 10)
        return out;
    out.verdict = Verdict::Valid;
    out.officeCode = number.mid(7, 3);
    out.office = vatOffice(out.officeCode);
    return out;
}

int ibanRemainder(const QString &iban)
{
    QString s = iban;
    s.remove(QLatin1Char(' '));
    s = asciiUpper(s);
    const qsizetype word = s.indexOf(QLatin1String("IBAN"));
    if (word >= 0)
        s.remove(word, 4);
    s = s.mid(4) + s.left(4);

    QString digits;
    digits.reserve(s.size() * 2);
    for (QChar c : s) {
        if (isAsciiUpper(c))
            digits += QString::number(c.unicode() - u'A' + 10);
        else if (isAsciiDigit(c))
            digits += c;
        else
            return 0; // neither a digit nor a letter: the number cannot be read
    }

    // Piecewise, so that no number read exceeds nine digits.
    QString r;
    qsizetype pos = 0;
    qsizetype chunk = 9;
    while (pos < digits.size()) {
        r += digits.mid(pos, chunk);
        r = QString::number(r.toInt() % 97);
        pos += chunk;
        chunk = 9 - r.size();
    }
    return r.isEmpty() ? 0 : r.toInt();
}

Verdict checkIban(const QString &iban)
{
    const QString trimmed = iban.trimmed();
    if (trimmed.size() != 27)
        return Verdict::WrongLength;
    return ibanRemainder(trimmed) == 1 ? Verdict::Valid : Verdict::Wrong;
}

int cardClass(QStringView text)
{
    QString n;
    for (QChar c : text.left(20))
        if (isAsciiDigit(c))
            n += c;
    if (n.isEmpty())
        return 0;
    const qsizetype last = n.size() - 1;
    int sum = 0;
    // From the digit left of the check digit leftwards: that one and every second one doubled.
    for (qsizetype i = last - 1, k = 0; i >= 0; --i, ++k) {
        int d = digitValue(n[i]);
        if (k % 2 == 0) {
            d *= 2;
            if (d >= 10)
                d -= 9;
        }
        sum += d;
    }
    if (digitValue(n[last]) != (10 - sum % 10) % 10)
        return 0;
    return digitValue(n[0]) - 2;
}

CardVerdict checkCard(const QString &text)
{
    CardVerdict out;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        out.verdict = Verdict::Empty;
        return out;
    }
    switch (cardClass(trimmed)) {
    case 1: {
        const QStringView head = QStringView(trimmed).left(2);
        if (head == u"30" || head == u"36" || head == u"38")
            out.type = CardType::DinersClub;
        else if (head == u"34" || head == u"37")
            out.type = CardType::AmericanExpress;
        else if (head == u"31" || head == u"33" || head == u"35")
            out.type = CardType::Jcb;
        else
            out.type = CardType::Unrecognised;
        break;
    }
    case 2:
        out.type = CardType::Visa;
        break;
    case 3:
        out.type = CardType::MasterCard;
        break;
    case 4:
        out.type = CardType::Discover;
        break;
    default:
        return out;
    }
    out.verdict = Verdict::Valid;
    return out;
}

QString cardTypeName(CardType type)
{
    switch (type) {
    case CardType::DinersClub:
        return QStringLiteral("Diner's Club / Carte Blanche");
    case CardType::AmericanExpress:
        return QStringLiteral("American Express");
    case CardType::Jcb:
        return QStringLiteral("JCB");
    case CardType::Visa:
        return QStringLiteral("Visa");
    case CardType::MasterCard:
        return QStringLiteral("MasterCard");
    case CardType::Discover:
        return QStringLiteral("Discover");
    case CardType::None:
    case CardType::Unrecognised:
        break;
    }
    return {};
}

} // namespace brisvola::checks
