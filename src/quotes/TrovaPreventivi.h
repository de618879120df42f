#pragma once

#include "archive/FindDialog.h"

class TfrmPreventivi;

// The quote find: quotes of the open year matching every criterion typed, sorted by their line; a
// double click loads the quote into the quote window (keyword "preventivi" in lblMemory).
class TfrmTrovaPreventivi : public FindDialog
{
    Q_OBJECT
public:
    explicit TfrmTrovaPreventivi(TfrmPreventivi *quoteWindow, QWidget *parent = nullptr);
};
