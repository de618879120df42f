#pragma once

#include "checks/CheckWindow.h"

// Checks a partita IVA (11 digits) by its check digit and, for a valid one, names the VAT office
// that issued it.
class TfrmPartitaIva : public CheckWindow
{
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget *parent = nullptr);

    QLineEdit *txtPartitaIva;

protected:
    void check() override;
};
