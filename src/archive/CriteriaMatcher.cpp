#include "archive/CriteriaMatcher.h"

#include "archive/Cp1252.h"

#include <algorithm>
#include <cstring>
#include <string.h>

namespace {

inline char lowerAZ(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

QByteArray lowered(QByteArrayView bytes)
{
    QByteArray out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = lowerAZ(bytes[i]);
    return out;
}

// Case-insensitive (A to Z only) containment of needle, already lower-cased, in hay.
bool containsLowered(QByteArrayView hay, const QByteArray &needle)
{
    const qsizetype n = needle.size();
    if (n > hay.size())
        return false;
    // Short fields are compared in place; long ones (ingredients: 5000 bytes) are lower-cased
    // into a buffer once and searched with memmem.
    if (hay.size() <= 256) {
        const char first = needle[0];
        for (qsizetype i = 0; i + n <= hay.size(); ++i) {
            if (lowerAZ(hay[i]) != first)
                continue;
            qsizetype k = 1;
            while (k < n && lowerAZ(hay[i + k]) == needle[k])
                ++k;
            if (k == n)
                return true;
        }
        return false;
    }
    thread_local QByteArray buffer;
    buffer.resize(hay.size());
    char *dst = buffer.data();
    for (qsizetype i = 0; i < hay.size(); ++i)
        dst[i] = lowerAZ(hay[i]);
    return memmem(dst, hay.size(), needle.constData(), n) != nullptr;
}

} // namespace

CriteriaMatcher::CriteriaMatcher(const RecordLayout &layout, const QList<Criterion> &criteria)
{
    for (const Criterion &c : criteria) {
        // A criterion of blanks only is ignored altogether: it neither counts nor can stand in
        // for another criterion that the record fails.
        if (c.text.trimmed().isEmpty())
            continue;
        ++m_inUse;
        // A text the code page cannot hold (a Greek letter) can never occur in a field.
        const QByteArray bytes = cp1252::encode(c.text);
        if (cp1252::decode(bytes) != c.text)
            m_impossible = true;
        const int field = layout.field(c.field);
        m_needles.push_back({field, lowered(bytes), layout.length(field)});
    }
    // Short fields first: they are cheaper to test and fail most records.
    std::stable_sort(m_needles.begin(), m_needles.end(),
                     [](const Needle &a, const Needle &b) { return a.length < b.length; });
}

bool CriteriaMatcher::matches(const RecordView &record) const
{
    // Every criterion in use must be satisfied: the first that is not ends the test.
    if (m_impossible)
        return false;
    for (const Needle &n : m_needles)
        if (!containsLowered(record.rawBytes(n.field), n.bytes))
            return false;
    return true;
}
