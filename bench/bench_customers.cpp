// The customer find and the list of customers to contact again over generated archives of 10 000
// and 100 000 customers, each beside a raw read of the same file in the same run (the ratio is
// the figure; target under 1.5). Both are timed as the dialogs run them (scan, lines, sort, the
// list filled) and, for the find, as the scan alone with its lines.
#include "BenchSupport.h"
#include "archive/Cp1252.h"
#include "archive/CriteriaMatcher.h"
#include "archive/ListScan.h"
#include "archive/RecordFile.h"
#include "archive/RecordListPanel.h"
#include "archive/SpreadsheetWriter.h"
#include "customers/CustomerLists.h"
#include "customers/CustomerRecord.h"
#include "customers/RicontattaFor.h"
#include "customers/TrovaFornitori.h"
#include "shell/ProgramFolder.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

void generate(const QString &path, int count)
{
    const RecordLayout &layout = customers::customerLayout();
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    const char *surnames[] = {"Rossi", "Bianchi", "Verdi", "Neri", "Gialli", "Russo", "Ferrari"};
    const char *towns[] = {"Roma", "Milano", "Torino", "Napoli", "Firenze"};
    Record r(layout);
    r.setText("Recapito", QStringLiteral("333 1234567"));
    r.setText("IndirizzoRes", QStringLiteral("Via Garibaldi 12"));
    r.setText("Pagamento", QStringLiteral("Bonifico bancario a 30 giorni data fattura"));
    r.setText("Email", QStringLiteral("cliente@example.it"));
    r.setText("Articoli", QStringLiteral("Ricevuta fiscale; tavolo vicino alla finestra"));
    r.setText("Ordine", QStringLiteral("Pesce, verdure di stagione"));
    r.setText("Note", QString(QStringLiteral("Cliente affezionato. ")).repeated(8));
    QByteArray block;
    for (int i = 0; i < count; ++i) {
        r.setText("Ditta", QStringLiteral("%1 n. %2").arg(QLatin1String(surnames[i % 7])).arg(i));
        r.setText("Titolare", i % 3 ? QStringLiteral("Ditta %1 srl").arg(i % 97) : QString());
        r.setText("ComuneRes", QLatin1String(towns[i % 5]));
        r.setText("Offerte", i % 4 ? QString() : QStringLiteral("Glutine, lattosio"));
        r.setText("Questioni", i % 10 ? QString() : QStringLiteral("Conto da saldare"));
        r.setText("Ricontatta", i % 10 ? QStringLiteral("No") : QStringLiteral("Sì"));
        block += r.bytes();
        if (block.size() > (8 << 20)) {
            out.write(block);
            block.clear();
        }
    }
    out.write(block);
}

// The dialog shown, its work done by run, closed at once; the lines it lists.
int throughDialog(QDialog &dialog, const std::function<void()> &run)
{
    int lines = 0;
    QTimer::singleShot(0, &dialog, [&] {
        run();
        lines = dialog.findChild<RecordList *>(QStringLiteral("lstRecords"))->count();
        dialog.reject();
    });
    dialog.exec();
    return lines;
}

} // namespace

int main(int argc, char *argv[])
{
    using bench::bestOf;
    bench::offscreenUnlessAsked();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    brisvola::setProgramFolder(dir.path());
    for (int count : {10000, 100000}) {
        const QString path = customers::archivePath();
        QFile::remove(path);
        generate(path, count);
        RecordFile file(path, customers::customerLayout());
        qint64 bytes = 0;
        const double raw = bench::rawRead(path, 5, &bytes);

        size_t found = 0;
        const double findCore = bestOf(5, [&] {
            const CriteriaMatcher matcher(file.layout(), {{"Ditta", QStringLiteral("rossi")},
                                                          {"Offerte", QStringLiteral("GLUTINE")}});
            listline::Lines lines(customers::findLine());
            listscan::addLines(
                file, [&](const RecordView &r) { return matcher.matches(r); }, lines);
            lines.sort();
            found = lines.size();
        });
        size_t toRecontact = 0;
        const double recontactCore = bestOf(5, [&] {
            const int flag = file.layout().field("Ricontatta");
            const QByteArray yes = cp1252::encode(QStringLiteral("Sì"));
            listline::Lines lines(customers::recontactLine());
            listscan::addLines(
                file,
                [&](const RecordView &r) {
                    return spreadsheet::trimmedBytes(r.rawBytes(flag)) == yes;
                },
                lines);
            lines.sort();
            toRecontact = lines.size();
        });
        // What the dialogs cost before they read anything: made, shown and closed.
        const double emptyDialog = bestOf(3, [&] {
            TfrmTrovaFornitori find;
            throughDialog(find, [] {});
        });
        int listed = 0;
        const double findDialog = bestOf(3, [&] {
            TfrmTrovaFornitori find;
            listed = throughDialog(find, [&] {
                find.criterion(QStringLiteral("txtDitta"))->setText(QStringLiteral("rossi"));
                find.criterion(QStringLiteral("txtOfferte"))->setText(QStringLiteral("GLUTINE"));
                find.btnCercaClick();
            });
        });
        int everyone = 0;
        const double findAll = bestOf(3, [&] {
            TfrmTrovaFornitori find;
            everyone = throughDialog(find, [&] { find.btnCercaClick(); });
        });
        int flagged = 0;
        const double recontact = bestOf(3, [&] {
            TfrmRicontattaFor list;
            flagged = throughDialog(list, [] {});
        });

        std::printf("%6d customers (%lld MB): raw read %7.1f ms\n", count,
                    static_cast<long long>(bytes >> 20), raw);
        bench::printRatio("find, scan + lines", findCore, raw,
                          QStringLiteral("%1 lines").arg(found));
        bench::printRatio("re-contact, scan + lines", recontactCore, raw,
                          QStringLiteral("%1 lines").arg(toRecontact));
        std::printf("  a find dialog made, shown and closed: %.1f ms\n", emptyDialog);
        bench::printRatio("find dialog, 2 criteria", findDialog, raw,
                          QStringLiteral("%1 lines").arg(listed));
        bench::printRatio("find dialog, everyone", findAll, raw,
                          QStringLiteral("%1 lines").arg(everyone));
        bench::printRatio("re-contact list", recontact, raw,
                          QStringLiteral("%1 lines").arg(flagged));
    }
    return 0;
}
