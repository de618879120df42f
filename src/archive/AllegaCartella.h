#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The attachments of the card on screen: three slots, each a file name inside the shared folder
// "Documenti_Allegati" of the program folder and a description. "Sfoglia..." copies the chosen
// file into that folder; "Applica e chiudi" writes the slots into the hidden labels lblFile01..03
// and lblDesc01..03 of the archive window (the card reaches the archive at its next save).
//
// Opening it from an archive window (recipes: keyword "ricette"; customers: "fornitori"):
//     TfrmAllegaCartella::openFor(this, QStringLiteral("ricette"));
//
// A stored name is a bare file name; one holding a path separator or ".." is never opened or
// copied: "Apri" explains why instead.
class TfrmAllegaCartella : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget *parent = nullptr);

    // Creates the dialog, sets lblMemory, copies the window's six labels into it, shows it
    // modally and destroys it. Returns the dialog's result.
    static int openFor(QWidget *archiveWindow, const QString &keyword);

    // The window whose labels "Applica e chiudi" fills; without one, the window named by
    // lblMemory ("ricette": TfrmRicette, "fornitori": TfrmFornitori).
    void setTarget(QWidget *archiveWindow) { m_target = archiveWindow; }
    // Copies the window's six labels, trimmed, into the dialog's edits.
    void loadFrom(QWidget *archiveWindow);

    static QString folder();
    static bool isBareFileName(const QString &name);

    static const QString overwriteQuestion;
    static const QString invalidNameMessage;

    QLabel *lblMemory;

private:
    void btnSfogliaClick(int slot);
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    void txtFileChange(int slot);
    void btnApplicaClick();
    QWidget *target() const;

    QWidget *m_target = nullptr;
    QLineEdit *m_file[3];
    QLineEdit *m_desc[3];
    QPushButton *m_apri[3];
};
