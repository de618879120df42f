#include "quotes/ExpPreventivi.h"

#include "quotes/Preventivi.h"
#include "quotes/QuoteLists.h"
#include "quotes/QuoteRecord.h"

#include <QLabel>

namespace {

ExportConfig quoteExport(TfrmPreventivi *quoteWindow)
{
    ExportConfig c;
    c.className = QStringLiteral("TfrmExpPreventivi");
    c.caption = QStringLiteral(" Esporta archivio preventivi in Excel");
    c.heading = QStringLiteral("Esporta archivio preventivi in Excel");
    c.layout = &quotes::quoteLayout();
    c.archivePath = [quoteWindow] { return quoteWindow->lblFile->text(); };
    c.columns = quotes::quoteExportColumns();
    c.sheetName = QStringLiteral("Riepilogo annuale preventivi");
    c.fileName = QStringLiteral("Preventivi.xls");
    c.helpTitle = QStringLiteral("Esportazione archivio preventivi in Excel");
    return c;
}

} // namespace

TfrmExpPreventivi::TfrmExpPreventivi(TfrmPreventivi *quoteWindow, QWidget *parent)
    : ExportDialog(quoteExport(quoteWindow), parent ? parent : quoteWindow)
{
}
