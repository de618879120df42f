#include "FolderSupport.h"

#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

using namespace brisvola;

TempProgramFolder::TempProgramFolder()
{
    setProgramFolder(m_dir.path());
}

TempProgramFolder::~TempProgramFolder()
{
    setProgramFolder(QString());
}

ReadOnlyPath::ReadOnlyPath(QString path)
    : m_path(std::move(path)), m_folder(QFileInfo(m_path).isDir())
{
    QFile::setPermissions(m_path, m_folder ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
    if (writable())
        m_immutable =
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), m_path}) == 0;
}

ReadOnlyPath::~ReadOnlyPath()
{
    if (m_immutable)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner |
                                      (m_folder ? QFile::ExeOwner : QFile::Permissions()));
}

bool ReadOnlyPath::writable() const
{
    if (!m_folder)
        return QFile(m_path).open(QIODevice::ReadWrite);
    QFile probe(QDir(m_path).filePath(QStringLiteral("probe")));
    const bool ok = probe.open(QIODevice::WriteOnly);
    if (ok)
        probe.remove();
    return ok;
}
