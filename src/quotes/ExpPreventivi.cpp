#include "quotes/ExpPreventivi.h"

#include "quotes/QuoteLists.h"
#include "quotes/QuoteRecord.h"

namespace {

ExportConfig quoteExport(const QString &archivePath)
{
    ExportConfig c;
    c.className = QStringLiteral("TfrmExpPreventivi");
    c.caption = QStringLiteral(" Esporta archivio preventivi in Excel");
    c.heading = QStringLiteral("Esporta archivio preventivi in Excel");
    c.layout = &quotes::quoteLayout();
    c.archivePath = [archivePath] { return archivePath; };
    c.columns = quotes::quoteExportColumns();
    c.sheetName = QStringLiteral("Riepilogo annuale preventivi");
    c.fileName = QStringLiteral("Preventivi.xls");
    c.helpTitle = QStringLiteral("Esportazione archivio preventivi in Excel");
    return c;
}

} // namespace

TfrmExpPreventivi::TfrmExpPreventivi(const QString &archivePath, QWidget *parent)
    : ExportDialog(quoteExport(archivePath), parent)
{
}
