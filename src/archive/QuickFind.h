#pragma once

#include <QString>

#include <functional>

// The quick find of a list ("Trova"): the next item whose text contains the typed text, in any
// letter case. A new text starts from the first item and tests it first; the same text again
// continues after the selected item; the search wraps from the last item to the first and stops
// where it began. The last text is kept between two clicks and forgotten when the dialog shows.
class QuickFind
{
public:
    static const QString emptyListMessage;

    enum class Outcome
    {
        EmptyList, // the list has no item: the caller shows emptyListMessage
        Found,
        NotFound // nothing matches: the selection stays as it was
    };

    struct Result
    {
        Outcome outcome;
        int selected; // the item to select (-1 only for an empty list)
    };

    // count and textAt describe the list; selected is the selected item or -1.
    Result find(int count, const std::function<QString(int)> &textAt, int selected,
                const QString &typed);
    void reset() { m_last.clear(); }
    const QString &lastText() const { return m_last; }

private:
    QString m_last;
};
