#include "recipes/TrovaRicette.h"

#include "recipes/RecipeLists.h"
#include "recipes/RecipeRecord.h"
#include "recipes/RecipeTargets.h"

#include <QLabel>

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

std::optional<MenuDish> TfrmTrovaRicette::menuDish() const
{
    if (!chosen())
        return std::nullopt;
    const Record &recipe = chosen()->record;
    return MenuDish{recipe.text("Nome"), recipe.text("Descrizione"), recipe.text("Prezzo")};
}

std::optional<MenuDish> TfrmTrovaRicette::findDish(QWidget *menuWindow, int slot)
{
    TfrmTrovaRicette find(menuWindow);
    find.lblMemory->setText(QStringLiteral("menu_%1").arg(slot, 2, 10, QLatin1Char('0')));
    find.exec();
    return find.menuDish();
}
