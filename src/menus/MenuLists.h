#pragma once

#include "archive/ListLine.h"
#include "archive/SpreadsheetWriter.h"

#include <QList>

// The menu archive as the find, flagged-list and export dialogs see it.
namespace menus {

// The menu line: the title to 40, "  Stagione: " and the season to 30, " Avvertenze: " and the
// warnings whole.
const listline::Builder &listLine();

// The name of a dish slot's field: slotField("Nome", 3) is "Nome03", owned by the layout.
const char *slotField(const char *base, int slot);

// The 25 columns of the menu export.
const QList<spreadsheet::Column> &exportColumns();

} // namespace menus
