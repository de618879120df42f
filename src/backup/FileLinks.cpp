#include "backup/FileLinks.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cstdio>
#include <unistd.h>
#endif

namespace backup {

#ifdef Q_OS_WIN
bool hardLink(const QString &existing, const QString &link)
{
    return CreateHardLinkW(reinterpret_cast<const wchar_t *>(link.utf16()),
                           reinterpret_cast<const wchar_t *>(existing.utf16()), nullptr) != 0;
}

bool replaceFile(const QString &from, const QString &to)
{
    return MoveFileExW(reinterpret_cast<const wchar_t *>(from.utf16()),
                       reinterpret_cast<const wchar_t *>(to.utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
#else
bool hardLink(const QString &existing, const QString &link)
{
    return ::link(QFile::encodeName(existing).constData(), QFile::encodeName(link).constData()) ==
           0;
}

bool replaceFile(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}
#endif

} // namespace backup
