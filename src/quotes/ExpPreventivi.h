#pragma once

#include "archive/ExportDialog.h"

class TfrmPreventivi;

// The quotes of the open year in a grid, exported as "Preventivi.xls".
class TfrmExpPreventivi : public ExportDialog
{
    Q_OBJECT
public:
    explicit TfrmExpPreventivi(TfrmPreventivi *quoteWindow, QWidget *parent = nullptr);
};
