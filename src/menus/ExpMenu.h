#pragma once

#include "archive/ExportDialog.h"

// The menu archive as a spreadsheet: "Menu.xls", sheet "Riepilogo Menu", 25 columns.
class TfrmExpMenu : public ExportDialog
{
    Q_OBJECT
public:
    explicit TfrmExpMenu(QWidget *parent = nullptr);
};
