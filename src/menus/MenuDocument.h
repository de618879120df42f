#pragma once

#include "documents/DocumentDialog.h"
#include "menus/MenuPage.h"

// The printed menu: the "Scheda Menu" page (one A4 page in an ornamental frame) filled from the
// menu window's values. The preview and the print dialogs show the same page.
namespace menus {

extern const QString pageTemplate; // ":/templates/scheda_menu.json"

brisvola::documents::Document menuDocument(MenuValues menu);

} // namespace menus
