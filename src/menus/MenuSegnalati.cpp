#include "menus/MenuSegnalati.h"

#include "menus/Menu.h"
#include "menus/MenuLists.h"
#include "menus/MenuRecord.h"

namespace {
FlaggedConfig flaggedMenus(QWidget *opener)
{
    FlaggedConfig c;
    c.className = QStringLiteral("TfrmMenuSegnalati");
    c.caption = QStringLiteral(" Riepilogo menu segnalati");
    c.heading = QStringLiteral("Riepilogo menu segnalati");
    c.printTitle = QStringLiteral("Riepilogo menu segnalati");
    c.layout = &menus::menuLayout();
    c.archivePath = [] { return menus::archivePath(); };
    c.flagField = "Segnalato";
    c.line = menus::listLine();
    c.target = TfrmMenu::target(opener);
    return c;
}
} // namespace

TfrmMenuSegnalati::TfrmMenuSegnalati(QWidget *parent)
    : FlaggedListDialog(flaggedMenus(parent), parent)
{
}
