#pragma once

#include "archive/ExportDialog.h"

// The reservations of the open year's archive (archivePath) in a grid, exported as
// "Prenotazioni_Tavoli.xls".
class TfrmExpPrenotazioni : public ExportDialog
{
    Q_OBJECT
public:
    explicit TfrmExpPrenotazioni(const QString &archivePath, QWidget *parent = nullptr);
};
