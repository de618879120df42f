#pragma once

#include "recipes/RecipeCard.h"

#include <QDialog>

class QLabel;

// The recipe card as a rich-text document "Scheda_Ricetta.rtf" in the program folder, with the
// ingredients and the preparation, to open and print with a word processor. The card shows the
// values the recipe window hands in.
class TfrmCreaRTF : public QDialog
{
    Q_OBJECT
public:
    static const QString question;
    static const QString doneQuestion;
    static const QString failureMessage;

    explicit TfrmCreaRTF(recipecard::Values values, QWidget *parent = nullptr);

    QLabel *lblMemory;

public slots:
    void btnStampaClick();

private:
    void exportCard();

    recipecard::Values m_values;
};
