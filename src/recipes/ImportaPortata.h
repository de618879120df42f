#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The course picker: the fifteen courses in a list; "Importa dati" puts the chosen one into the
// course field of the window that opened it (lblMemory "ricette": the recipe window's txtPortata).
class TfrmImportaPortata : public QDialog
{
    Q_OBJECT
public:
    // target: the window whose txtPortata receives the course.
    explicit TfrmImportaPortata(QWidget *target, QWidget *parent = nullptr);

    static const QString emptyListMessage;
    static const QString noSelectionMessage;

    QLabel *lblMemory;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void lstRecordsClick();
    void btnImportaClick();

    QWidget *m_target;
    QListWidget *lstRecords;
    QLineEdit *txtNome;
    QLabel *icoMano;
    QPushButton *btnChiudi;
    QPushButton *btnImporta;
};
