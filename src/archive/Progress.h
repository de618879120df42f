#pragma once

#include <QtGlobal>

// Long work over an archive (a find, a list, a summary, an export) tells how far it got; the one
// watching can ask it to stop. The windows show it as a progress dialog with a stop button.
class Progress
{
public:
    virtual ~Progress() = default;
    // done of total records (or rows) handled; false asks the work to stop there.
    virtual bool advance(qint64 done, qint64 total) = 0;
};
