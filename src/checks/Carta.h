#pragma once

#include "checks/CheckWindow.h"

// Checks a payment card number by its Luhn check digit and names the card type.
class TfrmCarta : public CheckWindow
{
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget *parent = nullptr);

    QLineEdit *txtNumero;

protected:
    void check() override;
};
