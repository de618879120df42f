#include "backup/FileLinks.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <string>
#include <windows.h>
#else
#include <cstdio>
#include <unistd.h>
#endif

namespace backup {

#ifdef Q_OS_WIN
namespace {
std::wstring native(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}
} // namespace

bool hardLink(const QString &existing, const QString &link)
{
    return CreateHardLinkW(native(link).c_str(), native(existing).c_str(), nullptr) != 0;
}

bool replaceFile(const QString &from, const QString &to)
{
    return MoveFileExW(native(from).c_str(), native(to).c_str(),
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
