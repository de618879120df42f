#pragma once

#include "archive/ExportDialog.h"

// The customer archive as a spreadsheet: "Clienti.xls", sheet "Riepilogo Clienti", 22 columns.
class TfrmExpFornitori : public ExportDialog
{
    Q_OBJECT
public:
    explicit TfrmExpFornitori(QWidget *parent = nullptr);
};
