#pragma once

#include "archive/FindDialog.h"

// The menu find: ten criteria (title, season, the names and descriptions of slots 1 to 3, each
// looked for in its own slot, warnings, allergens), the menu lines sorted by title. Opened with
// "menu" in lblMemory, a double click brings the menu into the menu window.
class TfrmTrovaMenu : public FindDialog
{
    Q_OBJECT
public:
    explicit TfrmTrovaMenu(QWidget *parent = nullptr);
    QLabel *lblMemory;

    // The ten criteria in their Enter order.
    static QList<FindCriterion> criteria();
};
