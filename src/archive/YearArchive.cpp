#include "archive/YearArchive.h"

#include "shell/ProgramFolder.h"

namespace yeararchive {

bool isValidYear(const QString &year)
{
    if (year.size() != 4)
        return false;
    for (QChar c : year)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString archivePath(const QString &year, const QString &suffix)
{
    return brisvola::programFile(year.trimmed() + suffix);
}

} // namespace yeararchive
