#pragma once

#include "checks/CheckWindow.h"

// Checks a codice fiscale (16 characters) by its check letter and tells the user the verdict.
class TfrmCodFisc : public CheckWindow
{
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget *parent = nullptr);

    QLineEdit *txtCodFisc;

protected:
    void check() override;
};
