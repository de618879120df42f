// The reservation find (no criterion, and "03/2024") and the reservation export over a year of
// generated reservations, beside a raw read of the same file in the same run. The finds are
// measured against the raw read, the export against the raw read plus a raw write of as many
// bytes as the spreadsheet holds; target under 1.5 for both.
#include "BenchSupport.h"
#include "archive/ExportDialog.h"
#include "archive/ListScan.h"
#include "archive/RecordFile.h"
#include "archive/RecordListPanel.h"
#include "reservations/ReservationLists.h"
#include "reservations/ReservationRecord.h"
#include "reservations/TrovaPrenotazioni.h"
#include "shell/Messages.h"
#include "shell/ProgramFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// Reservations as a restaurant takes them: every field a card usually holds, dates across the
// year.
void writeYear(const QString &path, int count)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return;
    using namespace reservations;
    Record r(reservationLayout());
    const char *meals[] = {"Colazione", "Pranzo", "Cena"};
    r.setText("AnnoRit", QStringLiteral("2024"));
    r.setText("AnnoRic", QStringLiteral("2024"));
    r.setText("Segnalazioni", QStringLiteral("Tavolo vicino alla finestra, lontano dall'ingresso"));
    r.setText("Intolleranze", QStringLiteral("Glutine, lattosio"));
    r.setText("Preferenze", QStringLiteral("Vino rosso della casa"));
    r.setText("Cameriere", QStringLiteral("Giorgio"));
    r.setText("Note", QStringLiteral("Compleanno: torta <al cioccolato> & candeline"));
    QByteArray block;
    for (int i = 0; i < count; ++i) {
        r.setText("GiornoRit", QStringLiteral("%1").arg(1 + i % 28, 2, 10, QLatin1Char('0')));
        r.setText("MeseRit", monthNames()[(i / 28) % 12]);
        r.setText("OreRit", QStringLiteral("%1").arg(12 + i % 10, 2, 10, QLatin1Char('0')));
        r.setText("MinutiRit", QStringLiteral("%1").arg(i % 60, 2, 10, QLatin1Char('0')));
        r.setText("OreRic", QStringLiteral("23"));
        r.setText("MinutiRic", QStringLiteral("15"));
        r.setText("Stato", states()[i % 3]);
        r.setText("Cliente", QStringLiteral("Cliente numero %1").arg(i));
        r.setText("Recapito", QStringLiteral("333 %1").arg(1000000 + i));
        r.setText("Persone", QString::number(1 + i % 12));
        r.setText("Pasto", QLatin1String(meals[i % 3]));
        r.setText("Email", QStringLiteral("cliente%1@esempio.it").arg(i));
        r.setText("Tavoli", QStringLiteral("%1 e %2").arg(1 + i % 20).arg(2 + i % 20));
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

// Answers every question Yes and shows nothing.
class Silent : public brisvola::MessageService
{
public:
    brisvola::MessageAnswer show(QWidget *, brisvola::MessageKind, const QString &,
                                 brisvola::MessageButtons buttons) override
    {
        return buttons == brisvola::MessageButtons::YesNo ? brisvola::MessageAnswer::Yes
                                                          : brisvola::MessageAnswer::Ok;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    using bench::bestOf;
    bench::offscreenUnlessAsked();
    QApplication app(argc, argv);
    Silent silent;
    brisvola::setMessageService(&silent);
    QTemporaryDir dir;
    brisvola::setProgramFolder(dir.path());
    const QString path = reservations::reservationArchivePath(QStringLiteral("2024"));
    const QString sheet = brisvola::programFile(QStringLiteral("Prenotazioni_Tavoli.xls"));
    constexpr int runs = 5;

    for (int count : {10000, 100000}) {
        QFile::remove(path);
        writeYear(path, count);
        qint64 bytes = 0;
        const double raw = bench::rawRead(path, runs, &bytes);

        // The searches, on a dialog already open (opening it is a user action of its own).
        const double opening = bestOf(runs, [&] { TfrmTrovaPrenotazioni find(path, {}); });
        int listed = 0;
        TfrmTrovaPrenotazioni findAllDialog(path, {});
        const double findAll = bestOf(runs, [&] {
            findAllDialog.btnCercaClick();
            listed = findAllDialog.results()->list()->count();
        });
        // The same scan keeping every line, without the dialog and the list.
        const double linesOnly = bestOf(runs, [&] {
            listline::Lines lines(reservations::reservationListLine());
            listscan::addLines(
                RecordFile(path, reservations::reservationLayout()),
                [](const RecordView &) { return true; }, lines);
        });
        int march = 0;
        TfrmTrovaPrenotazioni findDateDialog(path, {});
        findDateDialog.criterion(QStringLiteral("txtDataRit"))->setText(QStringLiteral("03/2024"));
        const double findDate = bestOf(runs, [&] {
            findDateDialog.btnCercaClick();
            march = findDateDialog.results()->list()->count();
        });

        // The export: the grid filled from the archive, then the file written.
        double grid = 1e30, file = 1e30;
        qint64 written = 0;
        for (int run = 0; run < runs; ++run) {
            ExportModel model(reservations::reservationExportColumns());
            QElapsedTimer t;
            t.start();
            model.load(path, reservations::reservationLayout());
            grid = std::min(grid, t.nsecsElapsed() / 1e6);
            t.restart();
            model.writeFile(sheet, QStringLiteral("Prenotazioni Tavoli"));
            file = std::min(file, t.nsecsElapsed() / 1e6);
            written = QFile(sheet).size();
        }
        const double write =
            bench::rawWrite(brisvola::programFile(QStringLiteral("raw.bin")), written, runs);
        const double durable =
            bench::rawWrite(brisvola::programFile(QStringLiteral("raw.bin")), written, runs, true);

        std::printf("%6d reservations (%lld bytes), raw read %.2f ms, raw write of %lld bytes "
                    "%.2f ms\n",
                    count, static_cast<long long>(bytes), raw, static_cast<long long>(written),
                    write);
        bench::printRatio("find, no criterion", findAll, raw,
                          QStringLiteral("%1 lines").arg(listed));
        bench::printRatio("  of which the scan", linesOnly, raw);
        std::printf("  (the find dialog opened and closed %.2f ms)\n", opening);
        bench::printRatio("find \"03/2024\"", findDate, raw, QStringLiteral("%1 lines").arg(march));
        bench::printRatio(
            "export: grid + file", grid + file, raw + durable,
            QStringLiteral("against the write synced, %1 ms").arg(durable, 0, 'f', 1));
        bench::printRatio(
            "  against the plain write", grid + file, raw + write,
            QStringLiteral("grid %1 ms, file %2 ms").arg(grid, 0, 'f', 1).arg(file, 0, 'f', 1));
    }
    brisvola::setMessageService(nullptr);
    return 0;
}
