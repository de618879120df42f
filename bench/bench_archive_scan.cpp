// A full scan of generated archives of 1935-byte records (the reservation record's size) beside a
// raw read of the same file in the same run. The figure is the ratio scan / raw; target under 1.5.
#include "BenchSupport.h"
#include "archive/RecordFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// 1935 bytes in length-prefixed fields: a day, a customer name, notes filling the rest.
const RecordLayout layout(FieldEncoding::LengthPrefixed, {{"Giorno", 10},
                                                          {"Cliente", 50},
                                                          {"Telefono", 20},
                                                          {"Note1", 255},
                                                          {"Note2", 255},
                                                          {"Note3", 255},
                                                          {"Note4", 255},
                                                          {"Note5", 255},
                                                          {"Note6", 255},
                                                          {"Note7", 255},
                                                          {"Resto", 59}});

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (layout.recordSize() != 1935) {
        std::fprintf(stderr, "layout is %d bytes\n", layout.recordSize());
        return 1;
    }
    QTemporaryDir dir;
    for (int count : {10000, 100000}) {
        const QString path = dir.filePath(QStringLiteral("bench_%1.tav").arg(count));
        {
            QFile out(path);
            out.open(QIODevice::WriteOnly);
            Record r(layout);
            r.setText("Note1", QString(200, QLatin1Char('x')));
            for (int i = 0; i < count; ++i) {
                r.setText("Giorno",
                          QStringLiteral("%1/03/2024").arg(1 + i % 28, 2, 10, QLatin1Char('0')));
                r.setText("Cliente", QStringLiteral("Cliente numero %1").arg(i));
                out.write(r.bytes());
            }
        }
        RecordFile file(path, layout);
        const int day = layout.field("Giorno");
        const int name = layout.field("Cliente");
        qint64 matches = 0;
        const double scan = bench::bestOf(5, [&] {
            matches = 0;
            file.scan([&](qint64, const RecordView &v) {
                if (v.text(day) == QLatin1String("15/03/2024") && !v.text(name).isEmpty())
                    ++matches;
                return true;
            });
        });
        qint64 bytes = 0;
        const double raw = bench::rawRead(path, 5, &bytes);
        std::printf("%6d records (%lld bytes): raw read %.2f ms\n", count,
                    static_cast<long long>(bytes), raw);
        bench::printRatio("scan", scan, raw, QStringLiteral("%1 matches").arg(matches));
    }
    return 0;
}
