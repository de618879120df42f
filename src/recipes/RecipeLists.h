#pragma once

#include "archive/FindCriterion.h"
#include "archive/ListLine.h"
#include "archive/SpreadsheetWriter.h"

#include <QList>

// The recipe archive as the find, flagged-list, import and export dialogs see it: its line, its
// criteria and its export columns.
namespace recipes {

// The recipe line: name to 40, "  Portata: " course to 24, "  Nazione: " cuisine to 24,
// "  kcal: " calories to 10, " Prezzo: € " and the price.
const listline::Builder &listLine();

// The ten criteria of a recipe find, in their Enter order.
QList<FindCriterion> findCriteria();

// The thirteen columns of the recipe export.
const QList<spreadsheet::Column> &exportColumns();

} // namespace recipes
