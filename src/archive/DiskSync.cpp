#include "archive/DiskSync.h"

#include <QFileDevice>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <unistd.h>
#endif

bool syncToDisk(QFileDevice &file)
{
    if (!file.flush())
        return false;
#ifdef Q_OS_WIN
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
#else
    int rc;
    do {
        rc = ::fsync(file.handle());
    } while (rc == -1 && errno == EINTR);
    return rc == 0;
#endif
}

bool commitWhole(QSaveFile &file)
{
    if (!syncToDisk(file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
