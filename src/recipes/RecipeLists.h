#pragma once

#include "archive/FindDialog.h"
#include "archive/ListLine.h"
#include "archive/SpreadsheetWriter.h"
#include "recipes/RecipeCard.h"

#include <QList>

class TfrmRicette;

// The recipe archive as the find, flagged-list, import and export dialogs see it.
namespace recipes {

// The recipe line: name to 40, "  Portata: " course to 24, "  Nazione: " cuisine to 24,
// "  kcal: " calories to 10, " Prezzo: € " and the price.
const listline::Builder &listLine();

// The ten criteria of a recipe find, in their Enter order.
QList<FindCriterion> findCriteria();

// The thirteen columns of the recipe export.
const QList<spreadsheet::Column> &exportColumns();

// Where a chosen recipe goes: "ricette" (every field into the recipe window, on that stored
// record): the window that opened the dialog when it is the recipe window, otherwise the
// program's recipe window.
QHash<QString, RecordTarget> recordTargets(QWidget *opener);

// The values of a recipe window's controls as they stand now, trimmed, by field name (empty
// texts when there is no window).
recipecard::Values screenValues(TfrmRicette *window);

} // namespace recipes
