// The reservation summaries over a year of generated reservations, beside a raw read of the same
// file in the same run: the monthly and the interval selection, and a list of every reservation
// of the year filled and shown.
#include "BenchSupport.h"

#include "archive/RecordFile.h"
#include "archive/RecordListPanel.h"
#include "calendar/CalendarRules.h"
#include "reservations/ReservationRecord.h"
#include "shell/ProgramFolder.h"

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>

namespace {

void writeYear(const QString &path, int count)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return;
    using namespace reservations;
    Record r(reservationLayout());
    r.setText("AnnoRit", QStringLiteral("2024"));
    r.setText("Note", QStringLiteral("Compleanno: torta al cioccolato"));
    QByteArray block;
    for (int i = 0; i < count; ++i) {
        r.setText("GiornoRit", QStringLiteral("%1").arg(1 + i % 28, 2, 10, QLatin1Char('0')));
        r.setText("MeseRit", monthNames()[(i / 28) % 12]);
        r.setText("OreRit", QStringLiteral("%1").arg(12 + i % 10, 2, 10, QLatin1Char('0')));
        r.setText("MinutiRit", QStringLiteral("%1").arg(i % 60, 2, 10, QLatin1Char('0')));
        r.setText("Stato", states()[i % 3]);
        r.setText("Cliente", QStringLiteral("Cliente numero %1").arg(i));
        r.setText("Recapito", QStringLiteral("333 %1").arg(1000000 + i));
        r.setText("Persone", QString::number(1 + i % 12));
        r.setText("Totale", QStringLiteral("%1,50").arg(20 + i % 300));
        deriveFields(r);
        block += r.bytes();
        if (block.size() > (8 << 20)) {
            out.write(block);
            block.clear();
        }
    }
    out.write(block);
}

} // namespace

int main(int argc, char *argv[])
{
    using bench::bestOf;
    bench::offscreenUnlessAsked();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    brisvola::setProgramFolder(dir.path());
    const QString path = reservations::reservationArchivePath(QStringLiteral("2024"));
    constexpr int runs = 5;
    constexpr int count = 100000;
    writeYear(path, count);
    qint64 bytes = 0;
    const double raw = bench::rawRead(path, runs, &bytes);

    const auto summary = [&](calendar::Period period, const calendar::CalendarTexts &texts) {
        return calendar::buildSummary(path, calendar::selectionFrom(period, texts));
    };
    size_t monthLines = 0, intervalLines = 0, yearLines = 0;
    const double month = bestOf(runs, [&] {
        monthLines =
            summary(calendar::Period::Month, {{"txtMeseME", "Marzo"}, {"txtAnnoME", "2024"}})
                .lines.size();
    });
    const calendar::CalendarTexts spring = {{"txtGiornoIN01", "01"},
                                            {"txtMeseIN01", "03"},
                                            {"txtGiornoIN02", "30"},
                                            {"txtMeseIN02", "06"},
                                            {"txtAnnoIN", "2024"}};
    const double interval = bestOf(
        runs, [&] { intervalLines = summary(calendar::Period::Interval, spring).lines.size(); });

    // The whole year in one list: the lines built, the list filled and shown.
    const calendar::CalendarTexts year = {{"txtGiornoIN01", "01"},
                                          {"txtMeseIN01", "01"},
                                          {"txtGiornoIN02", "31"},
                                          {"txtMeseIN02", "12"},
                                          {"txtAnnoIN", "2024"}};
    const calendar::Summary all = summary(calendar::Period::Interval, year);
    yearLines = all.lines.size();
    RecordListPanel panel(QString(), nullptr, RecordListPanel::Use::Summary);
    panel.resize(995, 500);
    panel.show();
    const double fill = bestOf(runs, [&] {
        panel.setLines(all.lines);
        QApplication::processEvents();
    });

    std::printf("%d reservations (%lld bytes), raw read %.2f ms\n", count,
                static_cast<long long>(bytes), raw);
    bench::printRatio("monthly summary", month, raw, QStringLiteral("%1 lines").arg(monthLines));
    bench::printRatio("interval summary", interval, raw,
                      QStringLiteral("%1 lines").arg(intervalLines));
    std::printf("  list of %zu lines filled and shown: %.2f ms\n", yearLines, fill);
    return 0;
}
