// A copy of the data of a program folder of about 100 MB (archives and photos): the first copy
// (every file copied) and the second (every file unchanged, so hard links to the first), beside
// a raw read of the same bytes. Prints the times in milliseconds.
#include "backup/Backups.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void fill(const QString &path, qint64 size)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    QByteArray block(1 << 16, Qt::Uninitialized);
    for (qint64 written = 0; written < size; written += block.size()) {
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(block.data()),
                                              block.size() / 4);
        f.write(block.constData(), std::min<qint64>(block.size(), size - written));
    }
}

double ms(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("dati"));
    QDir().mkpath(data + QStringLiteral("/Documenti_Allegati"));
    // 60 MB of archives, 35 MB of photos (350 of 100 kB), 5 MB of attachments.
    fill(data + QStringLiteral("/Ricettario.pro"), 12718LL * 2000);
    fill(data + QStringLiteral("/Clienti.pro"), 3643LL * 3000);
    fill(data + QStringLiteral("/Menu.pro"), 4824LL * 500);
    for (int year = 2015; year <= 2026; ++year) {
        fill(data + QStringLiteral("/%1.pre").arg(year), 4886LL * 300);
        fill(data + QStringLiteral("/%1.tav").arg(year), 1935LL * 700);
    }
    for (int i = 1; i <= 350; ++i)
        fill(data + QStringLiteral("/%1.jpg").arg(i), 100 * 1024);
    for (int i = 1; i <= 10; ++i)
        fill(data + QStringLiteral("/Documenti_Allegati/doc%1.pdf").arg(i), 512 * 1024);

    const QStringList files = backup::dataFiles(data);
    const QString place = backup::placeOf(dir.filePath(QStringLiteral("copie")));
    qint64 bytes = 0;
    QElapsedTimer t;
    t.start();
    for (const QString &f : files) {
        QFile in(QDir(data).filePath(f));
        in.open(QIODevice::ReadOnly);
        bytes += in.readAll().size();
    }
    const double raw = ms(t);

    const QDateTime moment(QDate(2026, 3, 1), QTime(10, 0, 0));
    t.restart();
    const backup::CopyResult first = backup::makeCopy(data, files, place, moment, true);
    const double firstMs = ms(t);
    t.restart();
    const backup::CopyResult second =
        backup::makeCopy(data, files, place, moment.addSecs(60), true);
    const double secondMs = ms(t);
    t.restart();
    const bool whole = backup::verifyCopy(second.copy);
    const double verifyMs = ms(t);

    std::printf("%lld files, %.1f MB\n", static_cast<long long>(files.size()), bytes / 1048576.0);
    std::printf("raw read          %8.1f ms\n", raw);
    std::printf("first copy        %8.1f ms (%s)\n", firstMs, first.ok ? "ok" : "FAILED");
    std::printf("second copy       %8.1f ms (%s, %d hard links)\n", secondMs,
                second.ok ? "ok" : "FAILED", second.linked);
    std::printf("check of a copy   %8.1f ms (%s)\n", verifyMs, whole ? "whole" : "DAMAGED");
    return first.ok && second.ok && whole ? 0 : 1;
}
