#pragma once

#include <QDialog>

class QLabel;
class TfrmRicette;

// The recipe card as a rich-text document "Scheda_Ricetta.rtf" in the program folder, with the
// ingredients and the preparation, to open and print with a word processor.
class TfrmCreaRTF : public QDialog
{
    Q_OBJECT
public:
    static const QString question;
    static const QString doneQuestion;
    static const QString failureMessage;

    explicit TfrmCreaRTF(QWidget *parent = nullptr);

    QLabel *lblMemory;

public slots:
    void btnStampaClick();

private:
    void exportCard();

    TfrmRicette *m_recipes;
};
