#pragma once

#include "archive/FlaggedListDialog.h"

// The flagged menus: every menu whose "Segnalato" is "Sì", sorted by title; a double click brings
// the menu into the menu window.
class TfrmMenuSegnalati : public FlaggedListDialog
{
    Q_OBJECT
public:
    explicit TfrmMenuSegnalati(QWidget *parent = nullptr);
};
