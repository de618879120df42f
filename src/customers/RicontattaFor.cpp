#include "customers/RicontattaFor.h"

#include "customers/CustomerLists.h"
#include "customers/CustomerRecord.h"
#include "customers/TrovaFornitori.h"

namespace {
FlaggedConfig recontactList(QWidget *opener)
{
    FlaggedConfig c;
    c.className = QStringLiteral("TfrmRicontattaFor");
    c.caption = QStringLiteral(" Riepilogo clienti da ricontattare");
    c.heading = QStringLiteral("Riepilogo clienti da ricontattare");
    c.printTitle = QStringLiteral("Riepilogo clienti da ricontattare");
    c.layout = &customers::customerLayout();
    c.archivePath = [] { return customers::archivePath(); };
    c.flagField = "Ricontatta";
    c.line = customers::recontactLine();
    c.target = customers::recordTargets(opener).value(QStringLiteral("fornitori"));
    return c;
}
} // namespace

TfrmRicontattaFor::TfrmRicontattaFor(QWidget *parent)
    : FlaggedListDialog(recontactList(parent), parent)
{
}
