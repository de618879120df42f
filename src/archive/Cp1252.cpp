#include "archive/Cp1252.h"

namespace cp1252 {

namespace {
// 0x80..0x9F; the undefined bytes map to the control character of the same number.
constexpr char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

QString decode(const char *data, qsizetype size)
{
    // Most texts have no byte in 0x80..0x9F, where the code page differs from Latin-1.
    bool latin1 = true;
    for (qsizetype i = 0; i < size && latin1; ++i)
        latin1 = (static_cast<unsigned char>(data[i]) & 0xE0) != 0x80;
    if (latin1)
        return QString::fromLatin1(data, size);
    QString out(size, Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        dst[i] = QChar(b >= 0x80 && b < 0xA0 ? high[b - 0x80] : char16_t(b));
    }
    return out;
}

char encodeChar(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (high[i] == cp)
            return static_cast<char>(0x80 + i);
    return '?';
}

QByteArray encode(const QString &text)
{
    // One byte per character at most: written in place, without growing the array byte by byte
    // (exports encode megabytes).
    const qsizetype n = text.size();
    QByteArray out(n, Qt::Uninitialized);
    char *dst = out.data();
    const QChar *src = text.constData();
    qsizetype k = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = src[i].unicode();
        if (c < 0x80) {
            dst[k++] = static_cast<char>(c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && src[i + 1].isLowSurrogate()) {
            dst[k++] = '?';
            ++i;
        } else {
            dst[k++] = encodeChar(c);
        }
    }
    out.truncate(k);
    return out;
}

} // namespace cp1252
