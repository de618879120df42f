// What a save costs now that it returns only once the record is on the disk: appends and
// overwrites of quote records (4886 bytes) through RecordFile, beside the same writes left to the
// system's cache.
#include "BenchSupport.h"

#include "archive/RecordFile.h"
#include "quotes/QuoteRecord.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-saves-XXXXXX"));
    const RecordLayout &layout = quotes::quoteLayout();
    Record record(layout);
    record.setText("Cliente", QStringLiteral("Ristorante da Mario"));
    constexpr int saves = 200;

    const QString path = dir.filePath(QStringLiteral("2026.pre"));
    RecordFile file(path, layout);
    const double appends = bench::bestOf(3, [&] {
        QFile::remove(path);
        for (int i = 0; i < saves; ++i)
            file.append(record);
    });
    const double overwrites = bench::bestOf(3, [&] {
        for (int i = 1; i <= saves; ++i)
            file.write(i, record);
    });
    // The same bytes written and flushed to the cache only, as saves were written before.
    const QString cached = dir.filePath(QStringLiteral("cache.pre"));
    const double unsynced = bench::bestOf(3, [&] {
        QFile::remove(cached);
        for (int i = 0; i < saves; ++i) {
            QFile f(cached);
            f.open(QIODevice::ReadWrite);
            f.seek(f.size());
            f.write(record.bytes());
            f.flush();
        }
    });
    std::printf("%d saves of %d bytes (folder %s)\n", saves, layout.recordSize(),
                qPrintable(dir.path()));
    std::printf("  append, on disk      %8.3f ms a save\n", appends / saves);
    std::printf("  overwrite, on disk   %8.3f ms a save\n", overwrites / saves);
    std::printf("  append, cache only   %8.3f ms a save\n", unsynced / saves);
    return 0;
}
