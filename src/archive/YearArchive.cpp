#include "archive/YearArchive.h"

#include "shell/ProgramFolder.h"

#include <QFileInfo>

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

QString yearOf(const QString &archivePath, const QString &suffix)
{
    const QString name = QFileInfo(archivePath).fileName();
    if (!name.endsWith(suffix, Qt::CaseInsensitive))
        return {};
    const QString year = name.left(name.size() - suffix.size());
    return isValidYear(year) ? year : QString();
}

} // namespace yeararchive
