#pragma once

#include "documents/DocumentDialog.h"
#include "recipes/RecipeCard.h"

#include <QImage>

class QLabel;
class QRadioButton;

// The print dialog of the recipe card: with the photo ("con", repFoto) or without ("senza",
// repScheda). The card shows the values the recipe window hands in, as they stand, saved or not.
class TfrmStampaRicette : public brisvola::documents::DocumentDialog
{
    Q_OBJECT
public:
    static const QString withPhotoTemplate;    // repFoto
    static const QString withoutPhotoTemplate; // repScheda

    // values: the recipe window's fields; photo: the recipe photo (the placeholder when null).
    TfrmStampaRicette(recipecard::Values values, const QImage &photo, QWidget *parent = nullptr);

    QRadioButton *optUno;
    QRadioButton *optDue;
    QLabel *lblMemory;
    QLabel *imgLogo;

    // The card: the chosen template, filled with the photo, the title, the twelve rows and the
    // foot.
    static brisvola::documents::Document card(bool withPhoto, recipecard::Values values,
                                              const QImage &photo);
    // Loads the chosen template and fills it.
    static bool fillCard(brisvola::documents::Report &report, bool withPhoto,
                         const recipecard::Values &values, const QImage &photo);

public slots:
    void optUnoClick();
    void optDueClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void chooseCard();

    recipecard::Values m_values;
    QImage m_photo; // the copy the card prints (the placeholder when there is none)
};
