// The menu find and the flagged-menus list over generated archives of 10 000 and 100 000 menus,
// each beside a raw read of the same file in the same run (the ratio is the figure; target under
// 1.5): the scan with its lines as the dialogs run it, and the real dialogs end to end (search,
// list filled).
#include "BenchSupport.h"
#include "archive/Cp1252.h"
#include "archive/CriteriaMatcher.h"
#include "archive/ListScan.h"
#include "archive/RecordFile.h"
#include "archive/RecordListPanel.h"
#include "archive/SpreadsheetWriter.h"
#include "menus/MenuLists.h"
#include "menus/MenuRecord.h"
#include "menus/MenuSegnalati.h"
#include "menus/TrovaMenu.h"
#include "shell/ProgramFolder.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void generate(const QString &path, int count)
{
    const RecordLayout &layout = menus::menuLayout();
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    const char *titles[] = {"Menu di Natale", "Menu della domenica", "Pranzo di lavoro",
                            "Cena di pesce",  "Menu vegetariano",    "Menu degustazione"};
    const char *seasons[] = {"Inverno", "Primavera", "Estate", "Autunno"};
    const char *dishes[] = {"Tagliatelle al ragù", "Risotto ai funghi", "Tiramisù",
                            "Arrosto di vitello",  "Zuppa di pesce",    "Gnocchi al pomodoro",
                            "Panna cotta"};
    Record r(layout);
    r.setText("Coperto", QStringLiteral("2,50"));
    r.setText("Allergeni", QStringLiteral("Alcuni piatti contengono glutine, latte e uova."));
    r.setText("Note", QStringLiteral("Il pane è fatto in casa."));
    QByteArray block;
    for (int i = 0; i < count; ++i) {
        r.setText("Titolo", QStringLiteral("%1 n. %2").arg(QLatin1String(titles[i % 6])).arg(i));
        r.setText("Stagione", QLatin1String(seasons[i % 4]));
        r.setText("Avvertenze", i % 3 ? QString() : QStringLiteral("Su prenotazione"));
        for (int k = 1; k <= 10; ++k) {
            const QByteArray n = QByteArray::number(k).rightJustified(2, '0');
            r.setText(("Nome" + n).constData(), QString::fromUtf8(dishes[(i + k) % 7]));
            r.setText(("Descrizione" + n).constData(),
                      QStringLiteral("Preparato con ingredienti di stagione, porzione %1").arg(k));
            r.setText(("Prezzo" + n).constData(), QStringLiteral("%1,00").arg(5 + (i + k) % 15));
        }
        r.setText("Segnalato", i % 10 ? QStringLiteral("No") : QStringLiteral("Sì"));
        block += r.bytes();
        if (block.size() > (8 << 20)) {
            out.write(block);
            block.clear();
        }
    }
    out.write(block);
}

// The find's scan as the dialog runs it: the matcher, the line of each match, sorted.
size_t find(const RecordFile &file, const QList<CriteriaMatcher::Criterion> &criteria)
{
    const CriteriaMatcher matcher(file.layout(), criteria);
    listline::Lines lines(menus::listLine());
    listscan::addLines(
        file, [&](const RecordView &record) { return matcher.matches(record); }, lines);
    lines.sort();
    return lines.size();
}

// The flagged list's scan: the line of every record flagged "Sì", sorted.
size_t flagged(const RecordFile &file)
{
    const int flag = file.layout().field("Segnalato");
    const QByteArray yes = cp1252::encode(QStringLiteral("Sì"));
    listline::Lines lines(menus::listLine());
    listscan::addLines(
        file,
        [&](const RecordView &record) {
            return spreadsheet::trimmedBytes(record.rawBytes(flag)) == yes;
        },
        lines);
    lines.sort();
    return lines.size();
}

} // namespace

int main(int argc, char *argv[])
{
    using bench::bestOf;
    bench::offscreenUnlessAsked();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    brisvola::setProgramFolder(dir.path());
    const QString path = menus::archivePath();
    for (int count : {10000, 100000}) {
        generate(path, count);
        RecordFile file(path, menus::menuLayout());
        qint64 bytes = 0;
        const double raw = bench::rawRead(path, 5, &bytes);
        std::printf("%6d menus (%lld MB): raw read %7.1f ms\n", count,
                    static_cast<long long>(bytes >> 20), raw);

        const double scanOnly =
            bestOf(3, [&] { file.scan([](qint64, const RecordView &) { return true; }); });
        std::printf("  parts: scan %.1f ms\n", scanOnly);
        size_t listed = 0;
        const double slot = bestOf(5, [&] {
            listed = find(file, {{"Nome01", QStringLiteral("RISOTTO")},
                                 {"Stagione", QStringLiteral("inverno")}});
        });
        bench::printRatio("find slot 1 + season", slot, raw,
                          QStringLiteral("%1 lines").arg(listed));
        const double all = bestOf(5, [&] { listed = find(file, {}); });
        bench::printRatio("find everything", all, raw,
                          QStringLiteral("%1 lines, sorted").arg(listed));
        const double marked = bestOf(5, [&] { listed = flagged(file); });
        bench::printRatio("flagged list", marked, raw,
                          QStringLiteral("%1 lines, sorted").arg(listed));

        // The dialogs themselves: the search, or the showing, up to the filled list.
        int shown = 0;
        const double findDialog = bestOf(3, [&] {
            TfrmTrovaMenu d;
            d.criterion(QStringLiteral("txtNome01"))->setText(QStringLiteral("RISOTTO"));
            d.criterion(QStringLiteral("txtStagione"))->setText(QStringLiteral("inverno"));
            d.btnCercaClick();
            shown = d.results()->list()->count();
        });
        bench::printRatio("TfrmTrovaMenu search", findDialog, raw,
                          QStringLiteral("%1 lines shown").arg(shown));
        const double flaggedDialog = bestOf(3, [&] {
            TfrmMenuSegnalati d;
            d.show();
            shown = d.results()->list()->count();
        });
        bench::printRatio("TfrmMenuSegnalati shown", flaggedDialog, raw,
                          QStringLiteral("%1 lines shown").arg(shown));
        QFile::remove(path);
    }
    brisvola::setProgramFolder(QString());
    return 0;
}
