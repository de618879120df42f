#pragma once

#include "archive/FindDialog.h"

#include <optional>

// What a dish slot of the menu window receives from a recipe: name, description and price.
struct MenuDish
{
    QString name;
    QString description;
    QString price;
};

// The recipe find: ten criteria, the recipe lines sorted by name. Opened with "ricette" in
// lblMemory it brings the recipe into the recipe window; opened with "menu_01" to "menu_10" (by
// the menu window, for one dish slot) it gives the dish back (menuDish()) for the menu window to
// put into that slot.
class TfrmTrovaRicette : public FindDialog
{
    Q_OBJECT
public:
    explicit TfrmTrovaRicette(QWidget *parent = nullptr);
    QLabel *lblMemory;

    // The dish of the recipe chosen; nothing when the dialog was closed without one.
    std::optional<MenuDish> menuDish() const;

    // Opens the find for dish slot 1..10 of the menu window (keyword "menu_" and two digits)
    // and gives back the dish chosen.
    static std::optional<MenuDish> findDish(QWidget *menuWindow, int slot);
};
