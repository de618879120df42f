// The four checks without a window: codice fiscale, partita IVA with its office, IBAN, payment
// card; and any text a caller may hand them.
#include "checks/CheckRules.h"

#include <QRandomGenerator>
#include <QtTest>

using brisvola::checks::CardType;
using brisvola::checks::Verdict;

Q_DECLARE_METATYPE(Verdict)
Q_DECLARE_METATYPE(CardType)

namespace {

// A character of the same kind with another value in both tables: the check letter must change.
QChar changed(QChar c)
{
    if (c == u'9')
        return u'0';
    if (c == u'Z')
        return u'A';
    return QChar(c.unicode() + 1);
}

} // namespace

class TestCheckRules : public QObject
{
    Q_OBJECT
private slots:
    void taxCode_data();
    void taxCode();
    void taxCodeEveryCharacterCounts();
    void vatNumber_data();
    void vatNumber();
    void vatNumberEveryDigitCounts();
    void vatOffices();
    void iban_data();
    void iban();
    void card_data();
    void card();
    void vatNumberLikeTaxCode_data();
    void vatNumberLikeTaxCode();
    void anyTextIsSafe_data();
    void anyTextIsSafe();
    void randomTextIsSafe();
};

void TestCheckRules::taxCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<Verdict>("verdict");

    QTest::newRow("valid") << "RSSMRA85T10A562S" << Verdict::Valid;
    QTest::newRow("valid, woman") << "BNCLRA70A41H501B" << Verdict::Valid;
    QTest::newRow("valid, ending in Z") << "MRTMTT25D09F205Z" << Verdict::Valid;
    QTest::newRow("lower case") << "rssmra85t10a562s" << Verdict::Valid;
    QTest::newRow("mixed case") << "RssMra85T10a562s" << Verdict::Valid;
    QTest::newRow("last letter replaced") << "RSSMRA85T10A562T" << Verdict::Wrong;
    QTest::newRow("check character a digit") << "RSSMRA85T10A5620" << Verdict::Wrong;
    // The seven characters between "9" and "A" count 0 in both tables.
    QTest::newRow("colon in an odd position") << ":SSMRA85T10A562K" << Verdict::Valid;
    QTest::newRow("colon in an even position") << "R:SMRA85T10A562A" << Verdict::Valid;
    QTest::newRow("at sign as the check letter") << "RSSMRA85T10A562@" << Verdict::Wrong;
    // Outside the tables: wrong at once, whatever the sum would be.
    QTest::newRow("blank inside") << "RSSMRA85 10A562S" << Verdict::Wrong;
    QTest::newRow("hyphen") << "RSSMRA85-10A562S" << Verdict::Wrong;
    QTest::newRow("accented letter") << QStringLiteral("RSSMRÀ85T10A562S") << Verdict::Wrong;
    QTest::newRow("letter past Z") << "RSSMRA85T10A562[" << Verdict::Wrong;
    QTest::newRow("non-Latin letter") << QStringLiteral("RSSMRA85T10A56Ж2") << Verdict::Wrong;
    QTest::newRow("15 characters") << "RSSMRA85T10A562" << Verdict::WrongLength;
    QTest::newRow("17 characters") << "RSSMRA85T10A562SX" << Verdict::WrongLength;
    QTest::newRow("empty") << "" << Verdict::WrongLength;
    // Blanks count for the length: the check takes the text as it comes.
    QTest::newRow("outer blank") << " RSSMRA85T10A562" << Verdict::Wrong;
}

void TestCheckRules::taxCode()
{
    QFETCH(QString, code);
    QFETCH(Verdict, verdict);
    QCOMPARE(brisvola::checks::checkTaxCode(code), verdict);
}

void TestCheckRules::taxCodeEveryCharacterCounts()
{
    const QString valid = QStringLiteral("BNCLRA70A41H501B");
    for (int i = 0; i < 16; ++i) {
        QString code = valid;
        code[i] = changed(code[i]);
        QVERIFY2(brisvola::checks::checkTaxCode(code) == Verdict::Wrong, qPrintable(code));
    }
}

void TestCheckRules::vatNumber_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("office");

    QTest::newRow("Roma 1") << "12345670587" << Verdict::Valid << "Roma 1";
    QTest::newRow("Torino") << "12345670017" << Verdict::Valid << "Torino";
    QTest::newRow("Forlì") << "12345670405" << Verdict::Valid << QStringLiteral("Forlì");
    QTest::newRow("101") << "12345671015" << Verdict::Valid << "Bologna 2";
    QTest::newRow("120 like 101") << "12345671205" << Verdict::Valid << "Bologna 2";
    QTest::newRow("102") << "12345671023" << Verdict::Valid << "Napoli 2";
    QTest::newRow("121 like 102") << "12345671213" << Verdict::Valid << "Napoli 2";
    QTest::newRow("office 103 unknown") << "12345671031" << Verdict::Valid << "";
    QTest::newRow("office 000 unknown") << "00000000000" << Verdict::Valid << "";
    QTest::newRow("last digit changed") << "12345670588" << Verdict::Wrong << "";
    QTest::newRow("10 digits") << "1234567058" << Verdict::WrongLength << "";
    QTest::newRow("12 digits") << "123456705870" << Verdict::WrongLength << "";
    QTest::newRow("empty") << "" << Verdict::WrongLength << "";
    QTest::newRow("a letter") << "1234567058A" << Verdict::Wrong << "";
    QTest::newRow("country prefix") << "IT123456705" << Verdict::Wrong << "";
    QTest::newRow("a blank") << " 2345670587" << Verdict::Wrong << "";
    QTest::newRow("digits of another script")
        << QStringLiteral("١٢٣٤٥٦٧٠٥٨٧") << Verdict::Wrong << "";
    QTest::newRow("full-width digits")
        << QStringLiteral("１２３４５６７０５８７") << Verdict::Wrong << "";
}

void TestCheckRules::vatNumber()
{
    QFETCH(QString, number);
    QFETCH(Verdict, verdict);
    QFETCH(QString, office);
    const brisvola::checks::VatVerdict result = brisvola::checks::checkVatNumber(number);
    QCOMPARE(result.verdict, verdict);
    QCOMPARE(result.office, office);
    QCOMPARE(result.officeCode, verdict == Verdict::Valid ? number.mid(7, 3) : QString());
}

void TestCheckRules::vatNumberEveryDigitCounts()
{
    const QString valid = QStringLiteral("12345670587");
    for (int i = 0; i < 11; ++i) {
        QString number = valid;
        number[i] = changed(number[i]);
        QVERIFY2(brisvola::checks::checkVatNumber(number).verdict == Verdict::Wrong,
                 qPrintable(number));
    }
}

void TestCheckRules::vatOffices()
{
    using brisvola::checks::vatOffice;
    int known = 0;
    for (int code = 0; code < 1000; ++code)
        known += !vatOffice(QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'))).isEmpty();
    QCOMPARE(known, 104);
    QCOMPARE(vatOffice(u"000"), QString());
    QCOMPARE(vatOffice(u"010"), QStringLiteral("Genova 1"));
    QCOMPARE(vatOffice(u"066"), QStringLiteral("Aquila"));
    QCOMPARE(vatOffice(u"080"), QStringLiteral("Reggio Calabria"));
    QCOMPARE(vatOffice(u"093"), QStringLiteral("Pordenone"));
    QCOMPARE(vatOffice(u"096"), QStringLiteral("Monza (Milano 2)"));
    QCOMPARE(vatOffice(u"097"), QStringLiteral("Prato (Firenze 2)"));
    QCOMPARE(vatOffice(u"099"), QStringLiteral("Chiavari (Genova 2)"));
    QCOMPARE(vatOffice(u"100"), QStringLiteral("Roma 2"));
    QCOMPARE(vatOffice(u"119"), QString());
    QCOMPARE(vatOffice(u"122"), QString());
    QCOMPARE(vatOffice(u"58"), QString());
    QCOMPARE(vatOffice(u"0x1"), QString());
}

void TestCheckRules::iban_data()
{
    QTest::addColumn<QString>("iban");
    QTest::addColumn<Verdict>("verdict");

    QTest::newRow("valid") << "IT60X0542811101000000123456" << Verdict::Valid;
    QTest::newRow("lower case") << "it60x0542811101000000123456" << Verdict::Valid;
    QTest::newRow("outer blanks") << "  IT60X0542811101000000123456 " << Verdict::Valid;
    QTest::newRow("letters inside, 27 long") << "FR1420041010050500013M02606" << Verdict::Valid;
    QTest::newRow("two digits swapped") << "IT60X0542811101000000123465" << Verdict::Wrong;
    QTest::newRow("a digit changed") << "IT60X0542811101000000123457" << Verdict::Wrong;
    QTest::newRow("check digits changed") << "IT61X0542811101000000123456" << Verdict::Wrong;
    QTest::newRow("hyphen") << "IT60X0542811101000000-23456" << Verdict::Wrong;
    QTest::newRow("accented letter")
        << QStringLiteral("IT60X054281110100000012345À") << Verdict::Wrong;
    // Blanks count for the length and are left out of the remainder.
    QTest::newRow("blanks inside, 27 long") << "IT60 X054 2811 1010 0000001" << Verdict::Wrong;
    QTest::newRow("grouped in fours")
        << "IT60 X054 2811 1010 0000 0123 456" << Verdict::WrongLength;
    QTest::newRow("26 characters") << "IT60X054281110100000012345" << Verdict::WrongLength;
    QTest::newRow("28 characters") << "IT60X05428111010000001234567" << Verdict::WrongLength;
    QTest::newRow("empty") << "" << Verdict::WrongLength;
    QTest::newRow("27 blanks") << QString(27, QLatin1Char(' ')) << Verdict::WrongLength;
}

void TestCheckRules::iban()
{
    QFETCH(QString, iban);
    QFETCH(Verdict, verdict);
    QCOMPARE(brisvola::checks::checkIban(iban), verdict);
}

void TestCheckRules::card_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<CardType>("type");
    QTest::addColumn<QString>("name");

    QTest::newRow("Visa") << "4111111111111111" << Verdict::Valid << CardType::Visa << "Visa";
    QTest::newRow("American Express 37")
        << "378282246310005" << Verdict::Valid << CardType::AmericanExpress << "American Express";
    QTest::newRow("American Express 34")
        << "340000000000009" << Verdict::Valid << CardType::AmericanExpress << "American Express";
    QTest::newRow("Diners 30") << "30569309025904" << Verdict::Valid << CardType::DinersClub
                               << "Diner's Club / Carte Blanche";
    QTest::newRow("Diners 36") << "36000000000008" << Verdict::Valid << CardType::DinersClub
                               << "Diner's Club / Carte Blanche";
    QTest::newRow("Diners 38") << "38000000000006" << Verdict::Valid << CardType::DinersClub
                               << "Diner's Club / Carte Blanche";
    QTest::newRow("JCB 35") << "3530111333300000" << Verdict::Valid << CardType::Jcb << "JCB";
    QTest::newRow("JCB 31") << "31000000000003" << Verdict::Valid << CardType::Jcb << "JCB";
    QTest::newRow("JCB 33") << "3300000000000001" << Verdict::Valid << CardType::Jcb << "JCB";
    QTest::newRow("MasterCard") << "5555555555554444" << Verdict::Valid << CardType::MasterCard
                                << "MasterCard";
    QTest::newRow("Discover") << "6011111111111117" << Verdict::Valid << CardType::Discover
                              << "Discover";
    QTest::newRow("32 names no card")
        << "3200000000000002" << Verdict::Valid << CardType::Unrecognised << "";
    QTest::newRow("39 names no card")
        << "3900000000000005" << Verdict::Valid << CardType::Unrecognised << "";
    QTest::newRow("a digit changed")
        << "4111111111111112" << Verdict::Wrong << CardType::None << "";
    QTest::newRow("two digits swapped")
        << "4111111111111161" << Verdict::Wrong << CardType::None << "";
    QTest::newRow("Luhn-valid, first digit 2")
        << "2221000000000009" << Verdict::Wrong << CardType::None << "";
    QTest::newRow("Luhn-valid, first digit 9")
        << "9000000000000001" << Verdict::Wrong << CardType::None << "";
    QTest::newRow("Luhn-valid, first digit 7")
        << "7100000000000004" << Verdict::Wrong << CardType::None << "";
    QTest::newRow("Luhn-valid, first digit 1")
        << "123456782" << Verdict::Wrong << CardType::None << "";
    QTest::newRow("Luhn-valid, first digit 0") << "00" << Verdict::Wrong << CardType::None << "";
    QTest::newRow("blanks between groups")
        << "4111 1111 1111 1111" << Verdict::Valid << CardType::Visa << "Visa";
    QTest::newRow("outer blanks") << "  5555555555554444 " << Verdict::Valid << CardType::MasterCard
                                  << "MasterCard";
    // Only the first 20 characters count: the digit after them changes nothing.
    QTest::newRow("digit past the twentieth character")
        << "4111111111111111    5" << Verdict::Valid << CardType::Visa << "Visa";
    QTest::newRow("no digits") << "ABCD" << Verdict::Wrong << CardType::None << "";
    QTest::newRow("empty") << "" << Verdict::Empty << CardType::None << "";
    QTest::newRow("blanks only") << "   " << Verdict::Empty << CardType::None << "";
}

void TestCheckRules::card()
{
    QFETCH(QString, number);
    QFETCH(Verdict, verdict);
    QFETCH(CardType, type);
    QFETCH(QString, name);
    const brisvola::checks::CardVerdict result = brisvola::checks::checkCard(number);
    QCOMPARE(result.verdict, verdict);
    QCOMPARE(result.type, type);
    QCOMPARE(brisvola::checks::cardTypeName(result.type), name);
}

void TestCheckRules::vatNumberLikeTaxCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("vat");
    QTest::newRow("eleven digits") << "12345670587" << true;
    QTest::newRow("a few digits") << "123" << true;
    QTest::newRow("a personal code") << "RSSMRA85T10A562S" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("digits and a blank") << "1234567 0587" << false;
    QTest::newRow("digits of another script") << QStringLiteral("١٢٣") << false;
}

void TestCheckRules::vatNumberLikeTaxCode()
{
    QFETCH(QString, code);
    QFETCH(bool, vat);
    QCOMPARE(brisvola::checks::isVatNumberLike(code), vat);
}

void TestCheckRules::anyTextIsSafe_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("1000 letters") << QString(1000, QLatin1Char('A'));
    QTest::newRow("1000 digits") << QString(1000, QLatin1Char('9'));
    QTest::newRow("1000 blanks") << QString(1000, QLatin1Char(' '));
    QTest::newRow("NUL characters") << QString(16, QChar(0));
    QTest::newRow("16 CJK") << QString(16, QChar(0x4E2D));
    QTest::newRow("11 CJK") << QString(11, QChar(0x4E2D));
    QTest::newRow("27 Cyrillic") << QString(27, QChar(0x0416));
    QTest::newRow("8 emoji, 16 units") << QStringLiteral("😀😀😀😀😀😀😀😀");
    QTest::newRow("lone surrogates") << QString(27, QChar(0xD800));
    QTest::newRow("highest character") << QString(30, QChar(0xFFFF));
    QTest::newRow("combining marks") << QStringLiteral("RSSMRA85T10A562S\u0301");
    QTest::newRow("IBAN only") << QStringLiteral("IBAN");
    QTest::newRow("long IBAN-like") << QStringLiteral("IT60X0542811101000000123456").repeated(40);
}

void TestCheckRules::anyTextIsSafe()
{
    QFETCH(QString, text);
    using namespace brisvola::checks;
    const Verdict tax = checkTaxCode(text);
    const VatVerdict vat = checkVatNumber(text);
    const Verdict iban = checkIban(text);
    const CardVerdict card = checkCard(text);
    // None of these texts is a valid code of any kind.
    QVERIFY(tax != Verdict::Valid);
    QVERIFY(vat.verdict != Verdict::Valid);
    QVERIFY(iban != Verdict::Valid);
    QCOMPARE(card.verdict == Verdict::Valid, card.type != CardType::None);
    QVERIFY(ibanRemainder(text) >= 0 && ibanRemainder(text) < 97);
    cardClass(text);
    taxCodeCheckLetter(text);
    vatOffice(text);
    isVatNumberLike(text);
}

void TestCheckRules::randomTextIsSafe()
{
    // Texts near the lengths the checks test, from an alphabet of digits, letters, blanks, marks
    // and characters beyond Latin-1.
    const QString alphabet =
        QStringLiteral("0123456789AZaz:@[ -è€Ж中") + QChar(0xD83D) + QChar(0xDE00) + QChar(0);
    QRandomGenerator random(16);
    using namespace brisvola::checks;
    for (int n = 0; n < 20000; ++n) {
        QString text;
        const int length = random.bounded(32);
        for (int i = 0; i < length; ++i)
            text += alphabet[random.bounded(int(alphabet.size()))];
        if (checkTaxCode(text) == Verdict::Valid)
            QCOMPARE(text.size(), 16);
        const VatVerdict vat = checkVatNumber(text);
        if (vat.verdict == Verdict::Valid)
            QVERIFY(isVatNumberLike(text) && text.size() == 11);
        if (checkIban(text) == Verdict::Valid)
            QCOMPARE(text.trimmed().size(), 27);
        const CardVerdict card = checkCard(text);
        QVERIFY((card.verdict == Verdict::Valid) == (card.type != CardType::None));
    }
}

QTEST_GUILESS_MAIN(TestCheckRules)
#include "tst_checkrules.moc"
