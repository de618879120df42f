#pragma once

#include "archive/FindDialog.h"

// The recipe find: ten criteria, the recipe lines sorted by name, the targets "ricette" (the recipe
// window) and "menu_01" to "menu_10" (one dish slot of the menu window).
class TfrmTrovaRicette : public FindDialog
{
    Q_OBJECT
public:
    explicit TfrmTrovaRicette(QWidget *parent = nullptr);
    QLabel *lblMemory;
};
