#include "archive/QuickFind.h"

const QString QuickFind::emptyListMessage =
    QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

QuickFind::Result QuickFind::find(int count, const std::function<QString(int)> &textAt,
                                  int selected, const QString &typed)
{
    if (count <= 0)
        return {Outcome::EmptyList, -1};
    if (selected < 0 || selected >= count)
        selected = 0;
    const QString key = typed.toLower();
    const auto hit = [&](int i) {
        return !key.isEmpty() && textAt(i).contains(key, Qt::CaseInsensitive);
    };
    const bool again = key == m_last;
    m_last = key;

    int start = selected;
    if (!again) {
        start = 0;
        if (hit(0))
            return {Outcome::Found, 0};
    }
    for (int i = (start + 1) % count; i != start; i = (i + 1) % count)
        if (hit(i))
            return {Outcome::Found, i};
    return {Outcome::NotFound, selected};
}
