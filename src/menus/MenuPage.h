#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <utility>

// What the printed menu page shows: the texts of the "Scheda Menu" page objects, filled from the
// menu window's values as they stand (saved or not).
namespace menus {

// The menu window's texts by field name ("Titolo", "Nome03", ...).
using MenuValues = QHash<QString, QString>;

// The page's text objects and their texts, in page order: the title; the cover charge line
// ("Coperto:  € " and the charge, nothing without one); the allergen indications and the
// footnote; for each slot its name, description and price ("€ ", the price as typed and a blank;
// nothing without a price). Every value is trimmed. The season, the warnings and the flag are not
// printed.
QList<std::pair<QString, QString>> pageTexts(const MenuValues &menu);

} // namespace menus
