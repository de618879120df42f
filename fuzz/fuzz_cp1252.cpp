// Code page 1252 both ways: every byte reads as one character and writes back as itself; any
// text writes as one byte per character and reads back as what the code page holds of it.
#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using fuzzinput::require;
    const QByteArray bytes = fuzzinput::bytes(data, size);
    const QString decoded = cp1252::decode(bytes);
    require(decoded.size() == bytes.size(), "one character per byte");
    require(cp1252::encode(decoded) == bytes, "bytes read and written back are unchanged");

    const QString text = fuzzinput::text(bytes);
    const QByteArray encoded = cp1252::encode(text);
    require(encoded.size() <= text.size(), "at most one byte per UTF-16 unit");
    require(cp1252::encode(cp1252::decode(encoded)) == encoded, "encoding is stable");
    for (char32_t c : text.toUcs4())
        (void)cp1252::encodeChar(c);
    return 0;
}
