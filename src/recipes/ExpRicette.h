#pragma once

#include "archive/ExportDialog.h"

// The recipe archive as a spreadsheet: "Ricettario.xls", sheet "Archivio Ricette", 13 columns.
class TfrmExpRicette : public ExportDialog
{
    Q_OBJECT
public:
    explicit TfrmExpRicette(QWidget *parent = nullptr);
};
