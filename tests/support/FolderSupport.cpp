#include "FolderSupport.h"

#include "shell/ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <csignal>

#include <sys/resource.h>

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

DiskFull::DiskFull(qint64 bytes)
{
    rlimit saved{};
    if (getrlimit(RLIMIT_FSIZE, &saved) != 0)
        return;
    m_soft = saved.rlim_cur;
    m_hard = saved.rlim_max;
    m_savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    m_signalSet = m_savedSignal != SIG_ERR;
    rlimit small = saved;
    small.rlim_cur = static_cast<rlim_t>(bytes);
    m_active = setrlimit(RLIMIT_FSIZE, &small) == 0;
}

DiskFull::~DiskFull()
{
    if (m_active) {
        rlimit saved{};
        saved.rlim_cur = static_cast<rlim_t>(m_soft);
        saved.rlim_max = static_cast<rlim_t>(m_hard);
        setrlimit(RLIMIT_FSIZE, &saved);
    }
    if (m_signalSet)
        std::signal(SIGXFSZ, m_savedSignal);
}

FolderSnapshot::FolderSnapshot(QString folder)
    : m_folder(std::move(folder)), m_files(files(m_folder))
{
}

QMap<QString, QByteArray> FolderSnapshot::files(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files.insert(root.relativeFilePath(file.fileName()),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>"));
    }
    return files;
}

QByteArray FolderSnapshot::changes() const
{
    const QMap<QString, QByteArray> now = files(m_folder);
    QStringList changes;
    for (auto it = m_files.cbegin(); it != m_files.cend(); ++it) {
        if (!now.contains(it.key()))
            changes << QStringLiteral("removed ") + it.key();
        else if (now.value(it.key()) != it.value())
            changes << QStringLiteral("changed ") + it.key();
    }
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (!m_files.contains(it.key()))
            changes << QStringLiteral("added ") + it.key();
    return changes.join(QStringLiteral("; ")).toUtf8();
}
