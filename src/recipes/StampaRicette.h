#pragma once

#include "recipes/RecipeCard.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QRadioButton;
class TfrmRicette;

namespace brisvola::documents {
class Report;
}

// The print dialog of the recipe card: with the photo ("con", repFoto) or without ("senza",
// repScheda); the card shows the recipe window's values as they stand, saved or not.
class TfrmStampaRicette : public QDialog
{
    Q_OBJECT
public:
    static const QString withPhotoTemplate;    // repFoto
    static const QString withoutPhotoTemplate; // repScheda

    explicit TfrmStampaRicette(QWidget *parent = nullptr);

    QRadioButton *optUno;
    QRadioButton *optDue;
    QLabel *lblMemory;
    QLabel *imgLogo;

    // The copy of the recipe photo the card prints (the placeholder when there is none).
    QImage photo() const { return m_photo; }

    // Loads the chosen template and fills it: photo, title, the twelve rows and the foot.
    static bool fillCard(brisvola::documents::Report &report, bool withPhoto,
                         const recipecard::Values &values, const QImage &photo);

public slots:
    void optUnoClick();
    void optDueClick();
    void btnStampaClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    TfrmRicette *m_recipes;
    QImage m_photo;
};
