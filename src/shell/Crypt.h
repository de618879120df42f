#pragma once

#include <QString>

// The scrambling of the password store: a byte-wise stream transformation with a 16-bit key
// updated from every scrambled byte. Stores written by earlier installations must keep working,
// so the constants and the steps are fixed for ever.
namespace Crypt {

// Each character's low byte is scrambled and written as two uppercase hexadecimal digits.
QString Scramble(const QString &text);

// Undoes Scramble. A last odd digit is ignored; a pair that is not hexadecimal throws
// std::invalid_argument.
QString Unscramble(const QString &hex);

} // namespace Crypt
