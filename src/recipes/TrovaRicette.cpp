#include "recipes/TrovaRicette.h"

#include "recipes/RecipeLists.h"
#include "recipes/RecipeRecord.h"

namespace {
FindConfig recipeFind(QWidget *opener)
{
    FindConfig c;
    c.className = QStringLiteral("TfrmTrovaRicette");
    c.caption = QStringLiteral(" Trova ricette in archivio");
    c.heading = QStringLiteral("Trova ricette in archivio");
    c.printTitle = QStringLiteral("Riepilogo ricette in archivio");
    c.layout = &recipes::recipeLayout();
    c.archivePath = [] { return recipes::archivePath(); };
    c.criteria = recipes::findCriteria();
    c.line = recipes::listLine();
    c.targets = recipes::recordTargets(opener);
    return c;
}
} // namespace

TfrmTrovaRicette::TfrmTrovaRicette(QWidget *parent)
    : FindDialog(recipeFind(parent), parent), lblMemory(memoryLabel())
{
}
