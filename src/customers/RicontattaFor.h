#pragma once

#include "archive/FlaggedListDialog.h"

// The customers to contact again: every customer whose "Ricontatta" is "Sì", with the pending
// issues as the last column, sorted by name; a double click brings the customer into the
// customer window.
class TfrmRicontattaFor : public FlaggedListDialog
{
    Q_OBJECT
public:
    explicit TfrmRicontattaFor(QWidget *parent = nullptr);
};
