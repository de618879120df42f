// The quote find, the pending list and the quote export over a year of generated quotes, each
// beside a raw read of the same file in the same run. The figure is the ratio to the raw read;
// target under 1.5.
#include "BenchSupport.h"
#include "archive/CriteriaMatcher.h"
#include "archive/ExportDialog.h"
#include "archive/ListLine.h"
#include "archive/RecordFile.h"
#include "archive/RecordListPanel.h"
#include "archive/SpreadsheetWriter.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteCommands.h"
#include "quotes/QuoteLists.h"
#include "quotes/QuoteRecord.h"
#include "quotes/Sospesi.h"
#include "quotes/TrovaPreventivi.h"
#include "shell/Messages.h"
#include "shell/ProgramFolder.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Quotes as a restaurant writes them: full heading and parties, twelve used lines, totals.
void writeYear(const QString &path, int count)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return;
    Record r(quotes::quoteLayout());
    const char *towns[] = {"Roma", "Milano", "Firenze", "Napoli", "Torino", "Bologna"};
    r.setText("Ditta", QStringLiteral("Trattoria Da Gino"));
    r.setText("ViaDitta", QStringLiteral("Via Roma 1"));
    r.setText("CittaDitta", QStringLiteral("Firenze"));
    r.setText("IvaDitta", QStringLiteral("01234567890"));
    r.setText("Pagamento", QStringLiteral("Bonifico a 30 giorni"));
    r.setText("Banca", QStringLiteral("Banca di Firenze"));
    r.setText("Iban", QStringLiteral("IT60X0542811101000000123456"));
    r.setText("PercIva", QStringLiteral("10"));
    for (int line = 1; line <= quotes::lineCount; ++line) {
        const bool used = line <= 12;
        r.setText(qPrintable(quotes::lineField("Quant", line)),
                  used ? QStringLiteral("100") : QString());
        r.setText(qPrintable(quotes::lineField("Codice", line)),
                  used ? QStringLiteral("Primo piatto") : QString());
        r.setText(qPrintable(quotes::lineField("Desc", line)),
                  used ? QStringLiteral("Risotto ai funghi porcini e tartufo") : QString());
        r.setText(qPrintable(quotes::lineField("Prezzo", line)),
                  used ? QStringLiteral("12,50") : QString());
        r.setText(qPrintable(quotes::lineField("Importo", line)),
                  used ? QStringLiteral("1250,00") : QString());
        r.setText(qPrintable(quotes::lineField("Es", line)), quotes::no);
    }
    for (int i = 0; i < count; ++i) {
        r.setText("NumFatt", QStringLiteral("%1/2024").arg(i + 1));
        r.setText("Data", QStringLiteral("%1/%2/2024")
                              .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                              .arg(1 + (i / 28) % 12, 2, 10, QLatin1Char('0')));
        r.setText("Cliente", QStringLiteral("Cliente numero %1").arg(i));
        r.setText("CittaCliente", QLatin1String(towns[i % 6]));
        r.setText("Riferimenti", QStringLiteral("Tel. 333 %1").arg(1000000 + i));
        r.setText("TotFattura", QStringLiteral("%1,00").arg(15000 + i));
        r.setText("Note", QStringLiteral("Matrimonio con servizio al tavolo & torta <nuziale>"));
        r.setText("InSospeso", i % 10 == 0 ? quotes::yes : quotes::no);
        out.write(r.bytes());
    }
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
    const QString path = quotes::quoteArchivePath(QStringLiteral("2024"));

    TfrmPreventivi window;
    window.lblFile->setText(path);

    for (int count : {1000, 10000}) {
        QFile::remove(path);
        writeYear(path, count);
        qint64 bytes = 0;
        const double raw = bench::rawRead(path, 9, &bytes);

        // The find with no criterion lists the whole year: every line built, listed and sorted.
        int listed = 0;
        // The searches on a dialog already open: opening it is a user action of its own.
        TfrmTrovaPreventivi findAllDialog(window.lblFile->text(), quotes::showOn(&window), &window);
        const double findAll = bestOf(9, [&] {
            findAllDialog.btnCercaClick();
            listed = findAllDialog.results()->list()->count();
        });
        // The dialog alone, without a search: what every find costs before reading.
        const double dialogOnly = bestOf(9, [&] {
            TfrmTrovaPreventivi find(window.lblFile->text(), quotes::showOn(&window), &window);
        });
        // A find by part of a date ("03/2024").
        int march = 0;
        TfrmTrovaPreventivi findDateDialog(window.lblFile->text(), quotes::showOn(&window),
                                           &window);
        findDateDialog.criterion(QStringLiteral("txtData"))->setText(QStringLiteral("03/2024"));
        const double findDate = bestOf(9, [&] {
            findDateDialog.btnCercaClick();
            march = findDateDialog.results()->list()->count();
        });
        // The pending list, filled when it shows.
        int pending = 0;
        const double pendingList = bestOf(9, [&] {
            TfrmSospesi list(window.lblFile->text(), quotes::showOn(&window), &window);
            list.show();
            pending = list.results()->list()->count();
            list.close();
        });
        // The export: the grid filled from the archive, then the file written.
        double grid = 1e30, file = 1e30, memory = 1e30, unsynced = 1e30;
        qint64 written = 0;
        for (int run = 0; run < 9; ++run) {
            ExportModel model(quotes::quoteExportColumns());
            QElapsedTimer t;
            t.start();
            model.load(path, quotes::quoteLayout());
            grid = std::min(grid, t.nsecsElapsed() / 1e6);
            t.restart();
            model.writeFile(brisvola::programFile(QStringLiteral("Preventivi.xls")),
                            QStringLiteral("Riepilogo annuale preventivi"));
            file = std::min(file, t.nsecsElapsed() / 1e6);
            written = QFile(brisvola::programFile(QStringLiteral("Preventivi.xls"))).size();
            QByteArray bytesOut;
            QBuffer buffer(&bytesOut);
            buffer.open(QIODevice::WriteOnly);
            t.restart();
            spreadsheet::Writer writer(buffer, QStringLiteral("Riepilogo annuale preventivi"),
                                       quotes::quoteExportColumns());
            writer.begin();
            model.writeRows(writer);
            writer.end();
            memory = std::min(memory, t.nsecsElapsed() / 1e6);
            // The same into a plain file: without the sync to disk and the rename that keep the
            // old file whole on a failure.
            QFile plain(brisvola::programFile(QStringLiteral("plain.xls")));
            plain.open(QIODevice::WriteOnly | QIODevice::Truncate);
            t.restart();
            spreadsheet::Writer plainWriter(plain, QStringLiteral("Riepilogo annuale preventivi"),
                                            quotes::quoteExportColumns());
            plainWriter.begin();
            model.writeRows(plainWriter);
            plainWriter.end();
            plain.close();
            unsynced = std::min(unsynced, t.nsecsElapsed() / 1e6);
        }

        std::printf("%6d quotes (%lld bytes), raw read %.2f ms\n", count,
                    static_cast<long long>(bytes), raw);
        bench::printRatio("find, no criterion", findAll, raw,
                          QStringLiteral("%1 lines").arg(listed));
        bench::printRatio("find \"03/2024\"", findDate, raw, QStringLiteral("%1 lines").arg(march));
        std::printf("  (the find dialog alone %.2f ms)\n", dialogOnly);
        bench::printRatio("pending list", pendingList, raw,
                          QStringLiteral("%1 lines").arg(pending));
        bench::printRatio("export: grid", grid, raw);
        bench::printRatio("export: rows in memory", memory, raw);
        const double write =
            bench::rawWrite(brisvola::programFile(QStringLiteral("raw.bin")), written, 9);
        const double durable =
            bench::rawWrite(brisvola::programFile(QStringLiteral("raw.bin")), written, 9, true);
        std::printf("  (raw write of the same bytes %.2f ms, synced %.2f ms)\n", write, durable);
        bench::printRatio("export: grid + file", grid + file, raw + durable,
                          QStringLiteral("%1 bytes written").arg(written));
        bench::printRatio("export: file unsynced", grid + unsynced, raw + write);
    }
    brisvola::setMessageService(nullptr);
    return 0;
}
