#pragma once

#include "archive/Cp1252.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every fuzz target shares: the input taken apart into texts, and a check that stops the run
// with a message the fuzzer keeps beside the crashing input.
namespace fuzzinput {

inline void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The input as text: the first byte chooses how the rest reads (code page 1252, UTF-8 or raw
// UTF-16 units, which may hold unpaired surrogates).
inline QString text(const QByteArray &input)
{
    if (input.isEmpty())
        return {};
    const QByteArray rest = input.mid(1);
    switch (uint8_t(input[0]) % 3) {
    case 0:
        return cp1252::decode(rest);
    case 1:
        return QString::fromUtf8(rest);
    default:
        return QString(reinterpret_cast<const QChar *>(rest.constData()), rest.size() / 2);
    }
}

// The input as several texts, split at each zero byte, each read as text() reads.
inline QStringList texts(const QByteArray &input)
{
    QStringList out;
    for (const QByteArray &part : input.split('\0'))
        out.append(text(part));
    return out;
}

} // namespace fuzzinput
