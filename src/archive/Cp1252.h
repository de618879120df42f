#pragma once

#include <QByteArray>
#include <QString>

// Code page 1252, the text encoding of every file the program keeps. Bytes that the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the control character of the same
// number, as Windows does, and are written back unchanged.
namespace cp1252 {

QString decode(const char *data, qsizetype size);
inline QString decode(const QByteArray &bytes)
{
    return decode(bytes.constData(), bytes.size());
}

// One byte per character; a character outside the code page (a Greek letter, an emoji: one
// character even when it takes two UTF-16 units) is written as "?".
QByteArray encode(const QString &text);

// The byte for one code point, or '?' when the code page has none.
char encodeChar(char32_t codePoint);

} // namespace cp1252
