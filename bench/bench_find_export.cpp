// A recipe find and a recipe export over generated archives of 10 000 and 100 000 recipes, each
// beside a raw read of the same file in the same run (the ratio is the figure; target under 1.5),
// and the result list filled with 100 000 sorted lines (target under 0.5 s).
#include "BenchSupport.h"
#include "archive/CriteriaMatcher.h"
#include "archive/ExportDialog.h"
#include "archive/ListScan.h"
#include "archive/RecordFile.h"
#include "archive/RecordListPanel.h"
#include "archive/SpreadsheetWriter.h"
#include "recipes/RecipeLists.h"
#include "recipes/RecipeRecord.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

void generate(const QString &path, int count)
{
    const RecordLayout &layout = recipes::recipeLayout();
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    const char *dishes[] = {"Pasta al forno",     "Risotto ai funghi", "Tiramisù",
                            "Arrosto di vitello", "Zuppa di pesce",    "Pasta e fagioli",
                            "Gnocchi al pomodoro"};
    const char *courses[] = {"Primo piatto", "Secondo piatto", "Dessert", "Antipasto"};
    Record r(layout);
    r.setText("Nazionalita", QStringLiteral("Italiana"));
    r.setText("Difficolta", QStringLiteral("Media"));
    r.setText("Vino", QStringLiteral("Chianti classico"));
    r.setText("Tempo", QStringLiteral("45 minuti"));
    r.setText("Ingredienti", QString(QStringLiteral("farina, uova, burro, sale\r\n")).repeated(12));
    r.setText("Preparazione",
              QString(QStringLiteral("Mescolare e cuocere in forno. ")).repeated(20));
    r.setText("Descrizione", QStringLiteral("Piatto della tradizione, servito caldo"));
    r.setText("Fonte", QStringLiteral("Ricettario di casa"));
    r.setText("Servizio", QStringLiteral("Piatto piano"));
    QByteArray block;
    for (int i = 0; i < count; ++i) {
        r.setText("Nome", QStringLiteral("%1 n. %2").arg(QLatin1String(dishes[i % 7])).arg(i));
        r.setText("Portata", QLatin1String(courses[i % 4]));
        r.setText("Calorie", QString::number(200 + i % 500));
        r.setText("Prezzo", QStringLiteral("%1,50").arg(5 + i % 20));
        r.setText("Segnalata", i % 10 ? QStringLiteral("No") : QStringLiteral("Sì"));
        block += r.bytes();
        if (block.size() > (8 << 20)) {
            out.write(block);
            block.clear();
        }
    }
    out.write(block);
}

// The find's scan as the dialog runs it: the matcher, the line of each match, sorted.
listline::Lines find(const RecordFile &file, const QList<CriteriaMatcher::Criterion> &c)
{
    const CriteriaMatcher matcher(file.layout(), c);
    listline::Lines lines(recipes::listLine());
    listscan::addLines(
        file, [&](const RecordView &record) { return matcher.matches(record); }, lines);
    lines.sort();
    return lines;
}

// The rows of a loaded grid written through a spreadsheet writer into a device; its size.
qint64 writeInto(QIODevice &device, const ExportModel &model, const QString &sheet,
                 const QList<spreadsheet::Column> &columns)
{
    spreadsheet::Writer writer(device, sheet, columns);
    writer.begin();
    model.writeRows(writer);
    writer.end();
    return device.size();
}

} // namespace

int main(int argc, char *argv[])
{
    using bench::bestOf;
    bench::offscreenUnlessAsked();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    listline::Lines everything;
    const QString sheet = QStringLiteral("Archivio Ricette");
    const QList<spreadsheet::Column> &columns = recipes::exportColumns();
    for (int count : {10000, 100000}) {
        const QString path = dir.filePath(QStringLiteral("Ricettario_%1.pro").arg(count));
        generate(path, count);
        RecordFile file(path, recipes::recipeLayout());
        qint64 bytes = 0;
        const double raw = bench::rawRead(path, 5, &bytes);
        const double scanOnly =
            bestOf(3, [&] { file.scan([](qint64, const RecordView &) { return true; }); });
        listline::Lines unsorted;
        const double linesOnly = bestOf(3, [&] {
            unsorted = listline::Lines(recipes::listLine());
            listscan::addLines(
                file, [](const RecordView &) { return true; }, unsorted);
        });
        const double sortOnly = bestOf(3, [&] {
            listline::Lines copy = unsorted;
            copy.sort();
        });
        size_t listed = 0;
        const double selective = bestOf(5, [&] {
            listed = find(file, {{"Nome", QStringLiteral("pasta")},
                                 {"Ingredienti", QStringLiteral("BURRO")}})
                         .size();
        });
        const double all = bestOf(5, [&] { everything = find(file, {}); });
        // The export as the dialog makes it: the grid loaded, then the file written whole.
        const QString xls = dir.filePath(QStringLiteral("Ricettario.xls"));
        const double exported = bestOf(3, [&] {
            ExportModel model(columns);
            model.load(path, recipes::recipeLayout());
            model.writeFile(xls, sheet);
        });
        const qint64 xlsBytes = QFile(xls).size();
        ExportModel model(columns);
        const double gridOnly = bestOf(3, [&] { model.load(path, recipes::recipeLayout()); });
        const double memoryOnly = bestOf(3, [&] {
            QByteArray out;
            QBuffer buffer(&out);
            buffer.open(QIODevice::WriteOnly);
            writeInto(buffer, model, sheet, columns);
        });
        const double fileOnly = bestOf(3, [&] { model.writeFile(xls, sheet); });
        // The same bytes into a plain file: the file step without the sync to disk and the
        // rename that keep the old file whole on a failure.
        const double unsynced = bestOf(3, [&] {
            QFile plain(dir.filePath(QStringLiteral("plain.xls")));
            plain.open(QIODevice::WriteOnly | QIODevice::Truncate);
            writeInto(plain, model, sheet, columns);
        });
        std::printf("%6d recipes (%lld MB): raw read %7.1f ms\n", count,
                    static_cast<long long>(bytes >> 20), raw);
        std::printf("  parts: scan %.1f, lines %.1f, sort %.1f ms\n", scanOnly, linesOnly,
                    sortOnly);
        std::printf(
            "  export parts: grid %.1f, rows in memory %.1f, file %.1f (unsynced %.1f) ms\n",
            gridOnly, memoryOnly, fileOnly, unsynced);
        bench::printRatio("find name+ingredients", selective, raw,
                          QStringLiteral("%1 lines").arg(listed));
        bench::printRatio("find everything", all, raw,
                          QStringLiteral("%1 lines, sorted").arg(everything.size()));
        const double write = bench::rawWrite(dir.filePath(QStringLiteral("raw.bin")), xlsBytes, 3);
        const double durable =
            bench::rawWrite(dir.filePath(QStringLiteral("raw.bin")), xlsBytes, 3, true);
        std::printf("  raw write of the export's %lld bytes %.1f ms (synced %.1f ms)\n",
                    static_cast<long long>(xlsBytes), write, durable);
        bench::printRatio("export grid + file", exported, raw + durable,
                          QStringLiteral("%1 KB, against the synced write").arg(xlsBytes >> 10));
        bench::printRatio("export, file unsynced", gridOnly + unsynced, raw + write);
        QFile::remove(path);
    }

    // The result list: 100 000 lines already found, sorted and shown.
    RecordListPanel panel(QString(), nullptr);
    panel.resize(830, 400);
    panel.show();
    const double fill = bestOf(3, [&] {
        listline::Lines lines = everything;
        lines.sort();
        panel.setLines(std::move(lines));
        QApplication::processEvents();
        panel.list()->scrollToBottom();
        QApplication::processEvents();
    });
    std::printf("list of %d lines: sorted, filled and shown in %.1f ms\n", panel.list()->count(),
                fill);
    return 0;
}
