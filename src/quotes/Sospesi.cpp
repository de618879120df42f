#include "quotes/Sospesi.h"

#include "archive/ArchiveWindow.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteLists.h"
#include "quotes/QuoteRecord.h"

#include <QLabel>

namespace {

FlaggedConfig pendingQuotes(TfrmPreventivi *quoteWindow)
{
    FlaggedConfig c;
    c.className = QStringLiteral("TfrmSospesi");
    c.caption = QStringLiteral(" Riepilogo preventivi in sospeso");
    c.heading = QStringLiteral("Riepilogo preventivi in sospeso");
    c.printTitle = QStringLiteral("Riepilogo preventivi in sospeso");
    c.layout = &quotes::quoteLayout();
    c.archivePath = [quoteWindow] { return quoteWindow->lblFile->text(); };
    c.flagField = "InSospeso";
    c.line = quotes::quoteListLine;
    c.sorted = false; // the order of the file
    c.target = [quoteWindow](const Record &r, qint64 p) {
        quoteWindow->archive()->showRecord(r, p);
    };
    return c;
}

} // namespace

TfrmSospesi::TfrmSospesi(TfrmPreventivi *quoteWindow, QWidget *parent)
    : FlaggedListDialog(pendingQuotes(quoteWindow), parent ? parent : quoteWindow)
{
}
