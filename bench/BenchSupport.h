// What every benchmark shares: the best time of several runs, the raw read that each operation is
// measured against, and the line that prints a time beside its ratio to that read.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace bench {

// The shortest of runs timings of work, in milliseconds (the machine is shared: the best run is
// the one least disturbed).
inline double bestOf(int runs, const std::function<void()> &work)
{
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

// The file read from start to end in blocks of 1 MiB, opened as the archive opens it; the bytes
// read go to *bytes.
inline double rawRead(const QString &path, int runs, qint64 *bytes = nullptr)
{
    return bestOf(runs, [&] {
        QFile f(path);
        f.open(QIODevice::ReadWrite);
        QByteArray block(1 << 20, Qt::Uninitialized);
        qint64 total = 0;
        qint64 n;
        while ((n = f.read(block.data(), block.size())) > 0)
            total += n;
        if (bytes)
            *bytes = total;
    });
}

// The same number of bytes written to a file from start to end in blocks of 1 MiB.
// Durable: synced to the disk before it is closed, as every export is (so that a power cut after
// it cannot leave an empty file where the old one was).
inline double rawWrite(const QString &path, qint64 bytes, int runs, bool durable = false)
{
    return bench::bestOf(runs, [&] {
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        const QByteArray block(1 << 20, 'x');
        for (qint64 left = bytes; left > 0; left -= block.size())
            f.write(block.constData(), std::min<qint64>(left, block.size()));
        f.flush();
        if (durable)
            ::fdatasync(f.handle());
        f.close();
    });
}

// Widgets are drawn off screen unless a platform was asked for; call before the application.
inline void offscreenUnlessAsked()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// "  label   12.3 ms  ratio 1.23  (detail)": a time beside its ratio to the raw read.
inline void printRatio(const char *label, double ms, double raw, const QString &detail = {})
{
    std::printf("  %-24s %8.2f ms  ratio %5.2f", label, ms, ms / raw);
    if (!detail.isEmpty())
        std::printf("  (%s)", qPrintable(detail));
    std::printf("\n");
}

} // namespace bench
