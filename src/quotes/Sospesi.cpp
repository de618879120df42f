#include "quotes/Sospesi.h"

#include "quotes/QuoteLists.h"
#include "quotes/QuoteRecord.h"

namespace {

FlaggedConfig pendingQuotes(const QString &archivePath, RecordTarget showQuote)
{
    FlaggedConfig c;
    c.className = QStringLiteral("TfrmSospesi");
    c.caption = QStringLiteral(" Riepilogo preventivi in sospeso");
    c.heading = QStringLiteral("Riepilogo preventivi in sospeso");
    c.printTitle = QStringLiteral("Riepilogo preventivi in sospeso");
    c.layout = &quotes::quoteLayout();
    c.archivePath = [archivePath] { return archivePath; };
    c.flagField = "InSospeso";
    c.line = quotes::quoteListLine();
    c.sorted = false; // the order of the file
    c.target = std::move(showQuote);
    return c;
}

} // namespace

TfrmSospesi::TfrmSospesi(const QString &archivePath, RecordTarget showQuote, QWidget *parent)
    : FlaggedListDialog(pendingQuotes(archivePath, std::move(showQuote)), parent)
{
}
