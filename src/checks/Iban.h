#pragma once

#include "checks/CheckWindow.h"

// Checks an Italian IBAN (27 characters) by its ISO 13616 remainder.
class TfrmIban : public CheckWindow
{
    Q_OBJECT
public:
    explicit TfrmIban(QWidget *parent = nullptr);

    QLineEdit *txtIban;

protected:
    void check() override;
};
