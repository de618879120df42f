#pragma once

#include "documents/DocumentDialog.h"
#include "menus/MenuPage.h"

// The print of the menu page, filled from the menu window's values as they stand; the print
// dialog chooses the printer and the copies.
class TfrmStampaMenu : public brisvola::documents::DocumentDialog
{
    Q_OBJECT
public:
    explicit TfrmStampaMenu(menus::MenuValues menu, QWidget *parent = nullptr);
};
