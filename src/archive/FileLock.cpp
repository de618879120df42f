#include "archive/FileLock.h"

#include "archive/ArchiveError.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#endif

namespace {

#ifdef Q_OS_WIN
bool lockFile(QFile &file, bool lock, FileLock::Mode mode)
{
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    OVERLAPPED whole = {};
    if (lock)
        return LockFileEx(h, mode == FileLock::Mode::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0, 0,
                          MAXDWORD, MAXDWORD, &whole);
    return UnlockFileEx(h, 0, MAXDWORD, MAXDWORD, &whole);
}
#else
bool lockFile(QFile &file, bool lock, FileLock::Mode mode)
{
    struct flock fl = {};
    fl.l_type = !lock ? F_UNLCK : mode == FileLock::Mode::Exclusive ? F_WRLCK : F_RDLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0; // the whole file, however long it grows
    int rc;
    do {
        rc = ::fcntl(file.handle(), lock ? F_SETLKW : F_SETLK, &fl);
    } while (rc == -1 && errno == EINTR);
    return rc == 0;
}
#endif

} // namespace

FileLock::FileLock(QFile &file, Mode mode) : m_file(file), m_mode(mode)
{
    if (!lockFile(m_file, true, m_mode))
        throw ArchiveError("cannot lock the archive");
}

FileLock::~FileLock()
{
    lockFile(m_file, false, m_mode);
}
