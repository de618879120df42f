#pragma once

#include "archive/FlaggedListDialog.h"

class TfrmPreventivi;

// The pending quotes of the open year ("In sospeso" ticked), in file order; a double click loads
// the quote into the quote window.
class TfrmSospesi : public FlaggedListDialog
{
    Q_OBJECT
public:
    explicit TfrmSospesi(TfrmPreventivi *quoteWindow, QWidget *parent = nullptr);
};
