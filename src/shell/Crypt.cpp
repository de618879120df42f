#include "shell/Crypt.h"

#include <cstdint>
#include <stdexcept>

namespace Crypt {

namespace {
constexpr std::uint16_t startKey = 58213;
constexpr std::uint16_t multiplier = 39451;
constexpr std::uint16_t addend = 47209;

std::uint16_t nextKey(std::uint8_t scrambled, std::uint16_t key)
{
    // In unsigned 32 bits: the product of the int promotions overflows int, and only the low 16
    // bits are kept.
    return static_cast<std::uint16_t>((std::uint32_t(scrambled) + key) * multiplier + addend);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    throw std::invalid_argument("not a hexadecimal digit");
}
} // namespace

QString Scramble(const QString &text)
{
    static const char digits[] = "0123456789ABCDEF";
    std::uint16_t key = startKey;
    QString out;
    out.reserve(text.size() * 2);
    for (QChar c : text) {
        const auto b = static_cast<std::uint8_t>((c.unicode() & 0xFF) ^ (key >> 8));
        out += QLatin1Char(digits[b >> 4]);
        out += QLatin1Char(digits[b & 0xF]);
        key = nextKey(b, key);
    }
    return out;
}

QString Unscramble(const QString &hex)
{
    std::uint16_t key = startKey;
    QString out;
    const qsizetype n = hex.size() / 2;
    out.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        const auto b =
            static_cast<std::uint8_t>(hexDigit(hex[2 * i]) * 16 + hexDigit(hex[2 * i + 1]));
        out += QChar(static_cast<char16_t>(b ^ (key >> 8)));
        key = nextKey(b, key);
    }
    return out;
}

} // namespace Crypt
