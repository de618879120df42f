#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The course picker: the fifteen courses in a list; "Importa dati" closes it with the chosen one
// (course()), which the window that opened it (lblMemory "ricette": the recipe window) puts into
// its course field.
class TfrmImportaPortata : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmImportaPortata(QWidget *parent = nullptr);

    // The course imported; nothing when the picker was closed without one.
    std::optional<QString> course() const { return m_course; }

    static const QString emptyListMessage;
    static const QString noSelectionMessage;

    QLabel *lblMemory;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void lstRecordsClick();
    void btnImportaClick();

    std::optional<QString> m_course;
    QListWidget *lstRecords;
    QLineEdit *txtNome;
    QLabel *icoMano;
    QPushButton *btnChiudi;
    QPushButton *btnImporta;
};
