// The second process of the archive tests.
//   archive_append_helper <path> <who> <n>: appends n records as fast as it can (the concurrent
//   append test).
//   archive_append_helper <path> loop <first version> <seed>: saves records until it is killed,
//   appends and overwrites of random stored records, each version one more than the last. Before
//   each save it prints "B A|W <position> <version>", after the call returned "E"; so whatever
//   was printed "E" for had been reported as saved (the killed-writer test).
//   archive_append_helper <path> overwrite <position> <n>: overwrites the stored record at
//   position n times, with versions 1 to n (the concurrent-overwrite test).
//   archive_append_helper <path> halves <position>: overwrites the record at position with
//   version 1 in two halves under the archive's lock, as a slow save on another workstation
//   might; prints "locked" once the first half is written and pauses before the second.
#include "WriterRecords.h"
#include "archive/FileLock.h"
#include "archive/RecordFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>

#include <cstdio>

namespace {

int saveUntilKilled(const QString &path, qint64 version, quint32 seed)
{
    RecordFile file(path, writerrecords::layout());
    QRandomGenerator random(seed);
    qint64 count = file.count();
    for (;; ++version) {
        const bool append = count == 0 || random.bounded(3) == 0;
        const qint64 position = append ? count + 1 : 1 + random.bounded(count);
        std::printf("B %c %lld %lld\n", append ? 'A' : 'W', static_cast<long long>(position),
                    static_cast<long long>(version));
        std::fflush(stdout);
        const Record record = writerrecords::record(position, version);
        if (append) {
            if (file.append(record) != position)
                return 3;
            ++count;
        } else {
            file.write(position, record);
        }
        std::printf("E\n");
        std::fflush(stdout);
    }
}

int overwrite(const QString &path, qint64 position, qint64 times)
{
    RecordFile file(path, writerrecords::layout());
    for (qint64 version = 1; version <= times; ++version)
        file.write(position, writerrecords::record(position, version));
    return 0;
}

int writeInHalves(const QString &path, qint64 position)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return 1;
    const FileLock lock(file);
    const QByteArray bytes = writerrecords::record(position, 1).bytes();
    const qint64 half = bytes.size() / 2;
    if (!file.seek((position - 1) * bytes.size()) || file.write(bytes.left(half)) != half)
        return 1;
    std::printf("locked\n");
    std::fflush(stdout);
    QThread::msleep(300);
    return file.write(bytes.mid(half)) == bytes.size() - half ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && QByteArray(argv[2]) == "loop")
        return saveUntilKilled(QString::fromLocal8Bit(argv[1]), QByteArray(argv[3]).toLongLong(),
                               QByteArray(argv[4]).toUInt());
    if (argc == 4 && QByteArray(argv[2]) == "halves")
        return writeInHalves(QString::fromLocal8Bit(argv[1]), QByteArray(argv[3]).toLongLong());
    if (argc == 5 && QByteArray(argv[2]) == "overwrite")
        return overwrite(QString::fromLocal8Bit(argv[1]), QByteArray(argv[3]).toLongLong(),
                         QByteArray(argv[4]).toLongLong());
    if (argc != 4)
        return 2;
    const RecordLayout &layout = writerrecords::layout();
    RecordFile file(QString::fromLocal8Bit(argv[1]), layout);
    const QString who = QString::fromLocal8Bit(argv[2]);
    const int n = QByteArray(argv[3]).toInt();
    Record r(layout);
    r.setText(0, who);
    r.setText(2, QString(250, who.at(0)));
    for (int i = 0; i < n; ++i) {
        r.setText(1, QString::number(i));
        file.append(r);
    }
    return 0;
}
