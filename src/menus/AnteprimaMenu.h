#pragma once

#include "documents/DocumentDialog.h"
#include "menus/MenuPage.h"

// The preview of the menu page, filled from the menu window's values as they stand.
class TfrmAnteprimaMenu : public brisvola::documents::DocumentDialog
{
    Q_OBJECT
public:
    explicit TfrmAnteprimaMenu(menus::MenuValues menu, QWidget *parent = nullptr);
};
