#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;

// The event details of a quote: type, date, deposit, guests, balance, tables. The dialog takes
// the values on opening and gives them back, trimmed, when the user applies them.
class TfrmDatiVeicolo : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmDatiVeicolo(QWidget *parent = nullptr);

    // The six values in the order of the edits below.
    void setValues(const QStringList &values);
    QStringList values() const;

    QLabel *lblMemory; // "preventivi" when opened by the quote window
    QLabel *lblIstruzioni;
    QLineEdit *txtVeicolo;          // "Tipo evento:"
    QLineEdit *txtMarca;            // "Data evento:"
    QLineEdit *txtColore;           // "Acconto:"
    QLineEdit *txtImmatricolazione; // "Totale persone:"
    QLineEdit *txtAlimentazione;    // "Saldo:"
    QLineEdit *txtTarga;            // "Totale tavoli:"
    QPushButton *btnAnnulla;
    QPushButton *btnApplica;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QList<QLineEdit *> edits() const;
};
