#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// Changes the access password; reached only from the password window, before login. Closing it
// in any way brings the password window back, empty and focused.
class TfrmCambiaPassword : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLineEdit *addPasswordEdit(const QString &caption, const QString &name, int y, QWidget **eff);
    void updateOK();
    void cmdOKClick();

    QLineEdit *txtPasswordOld;
    QLineEdit *txtPasswordNew;
    QLineEdit *txtConferma;
    QWidget *effPasswordOld;
    QWidget *effPasswordNew;
    QWidget *effConferma;
    QPushButton *cmdOK;
    QPushButton *cmdEsci;
    QLabel *lblMemory;
};
