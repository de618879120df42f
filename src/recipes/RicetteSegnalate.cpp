#include "recipes/RicetteSegnalate.h"

#include "recipes/RecipeLists.h"
#include "recipes/RecipeRecord.h"
#include "recipes/RecipeTargets.h"

namespace {
FlaggedConfig flaggedRecipes(QWidget *opener)
{
    FlaggedConfig c;
    c.className = QStringLiteral("TfrmRicetteSegnalate");
    c.caption = QStringLiteral(" Riepilogo ricette segnalate");
    c.heading = QStringLiteral("Riepilogo ricette segnalate");
    c.printTitle = QStringLiteral("Riepilogo ricette segnalate");
    c.layout = &recipes::recipeLayout();
    c.archivePath = [] { return recipes::archivePath(); };
    c.flagField = "Segnalata";
    c.line = recipes::listLine();
    c.target = recipes::recordTargets(opener).value(QStringLiteral("ricette"));
    return c;
}
} // namespace

TfrmRicetteSegnalate::TfrmRicetteSegnalate(QWidget *parent)
    : FlaggedListDialog(flaggedRecipes(parent), parent)
{
}
