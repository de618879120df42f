#pragma once

#include "archive/FlaggedListDialog.h"

// The flagged recipes: every recipe whose "Segnalata" is "Sì", sorted by name; a double click
// brings the recipe into the recipe window.
class TfrmRicetteSegnalate : public FlaggedListDialog
{
    Q_OBJECT
public:
    explicit TfrmRicetteSegnalate(QWidget *parent = nullptr);
};
