#pragma once

#include "archive/FindDialog.h"
#include "recipes/RecipeCard.h"

#include <QHash>

class TfrmRicette;
class QWidget;

// What the recipe dialogs take from the recipe window and give back to it.
namespace recipes {

// Where a chosen recipe goes: "ricette" (every field into the recipe window, on that stored
// record): the window that opened the dialog when it is the recipe window, otherwise the
// program's recipe window.
QHash<QString, RecordTarget> recordTargets(QWidget *opener);

// The values of a recipe window's controls as they stand now, trimmed, by field name (empty
// texts when there is no window).
recipecard::Values screenValues(TfrmRicette *window);

} // namespace recipes
