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
bool lockFile(QFile &file, bool lock)
{
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    OVERLAPPED whole = {};
    if (lock)
        return LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole);
    return UnlockFileEx(h, 0, MAXDWORD, MAXDWORD, &whole);
}
#else
bool lockFile(QFile &file, bool lock)
{
    struct flock fl = {};
    fl.l_type = lock ? F_WRLCK : F_UNLCK;
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

FileLock::FileLock(QFile &file) : m_file(file)
{
    if (!lockFile(m_file, true))
        throw ArchiveError("cannot lock the archive");
}

FileLock::~FileLock()
{
    lockFile(m_file, false);
}
