#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The access window, the first the user sees: the launcher opens only once the password is right.
class TfrmPassword : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget *parent = nullptr);

    // Back from the change of password: the field emptied, the window shown, the focus in it.
    void showForLogin();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateOK();
    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();

    QLineEdit *txtPassword;
    QPushButton *cmdOK;
    QPushButton *cmdEsci;
    QPushButton *btnCambiaPassword;
    QLabel *lblMemory;
};
