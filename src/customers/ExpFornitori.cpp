#include "customers/ExpFornitori.h"

#include "customers/CustomerLists.h"
#include "customers/CustomerRecord.h"

namespace {
ExportConfig customerExport()
{
    ExportConfig c;
    c.className = QStringLiteral("TfrmExpFornitori");
    c.caption = QStringLiteral(" Esporta archivio clienti abituali in Excel");
    c.heading = QStringLiteral("Esporta archivio clienti abituali in Excel");
    c.layout = &customers::customerLayout();
    c.archivePath = [] { return customers::archivePath(); };
    c.columns = customers::exportColumns();
    c.sheetName = QStringLiteral("Riepilogo Clienti");
    c.fileName = QStringLiteral("Clienti.xls");
    c.helpTitle = QStringLiteral("Esportazione archivio clienti abituali in Excel");
    return c;
}
} // namespace

TfrmExpFornitori::TfrmExpFornitori(QWidget *parent) : ExportDialog(customerExport(), parent) {}
