#include "menus/ExpMenu.h"

#include "menus/MenuLists.h"
#include "menus/MenuRecord.h"

namespace {
ExportConfig menuExport()
{
    ExportConfig c;
    c.className = QStringLiteral("TfrmExpMenu");
    c.caption = QStringLiteral(" Esporta archivio menu in Excel");
    c.heading = QStringLiteral("Esporta archivio menu in Excel");
    c.layout = &menus::menuLayout();
    c.archivePath = [] { return menus::archivePath(); };
    c.columns = menus::exportColumns();
    c.sheetName = QStringLiteral("Riepilogo Menu");
    c.fileName = QStringLiteral("Menu.xls");
    c.helpTitle = QStringLiteral("Esportazione archivio menu in Excel");
    return c;
}
} // namespace

TfrmExpMenu::TfrmExpMenu(QWidget *parent) : ExportDialog(menuExport(), parent) {}
