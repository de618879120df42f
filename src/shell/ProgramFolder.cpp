#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace brisvola {

namespace {
QString &overriddenFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString programFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QCoreApplication::applicationDirPath();
}

void setProgramFolder(const QString &folder)
{
    QString cleaned = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
    overriddenFolder() = cleaned;
}

QString programFile(const QString &fileName)
{
    return programFolder() + QLatin1Char('/') + fileName;
}

} // namespace brisvola
