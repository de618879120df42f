// Holds the exclusive lock of an archive while it writes a record in two halves with a pause
// between them, as a save on another workstation might: the second process of the shared-lock
// test. Prints "locked" once the first half is written.
#include "archive/FileLock.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadWrite))
        return 1;
    const FileLock lock(file);
    file.seek(file.size());
    file.write(QByteArray(500, 'A'));
    file.flush();
    std::printf("locked\n");
    std::fflush(stdout);
    QThread::msleep(700);
    file.write(QByteArray(500, 'B'));
    file.flush();
    return 0;
}
