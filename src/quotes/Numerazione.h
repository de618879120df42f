#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The numbering window: the number given to the first quote of a year ("Inizio").
class TfrmNumerazione : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmNumerazione(QWidget *parent = nullptr);

    QLabel *lblMemory; // "preventivi" when opened by the quote window
    QLabel *imgLogo;
    QGroupBox *grpNumerazione;
    QLineEdit *txtInizio;
    QPushButton *btnApplica;
    QPushButton *btnAnnulla;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void txtInizioExit();
    void btnApplicaClick();
};
