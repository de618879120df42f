#include "recipes/StampaRicette.h"

#include "documents/Report.h"
#include "recipes/PhotoFiles.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace brisvola::documents;

const QString TfrmStampaRicette::withPhotoTemplate =
    QStringLiteral(":/templates/scheda_ricetta_foto.json");
const QString TfrmStampaRicette::withoutPhotoTemplate =
    QStringLiteral(":/templates/scheda_ricetta.json");

TfrmStampaRicette::TfrmStampaRicette(recipecard::Values values, const QImage &photo,
                                     QWidget *parent)
    : DocumentDialog(
          {.className = QStringLiteral("TfrmStampaRicette"),
           .caption = QStringLiteral(" Stampa scheda"),
           .button = QStringLiteral("Stampa"),
           .icon = QStringLiteral(":/archive/stampa.svg"),
           .title = QStringLiteral("Stampa scheda"),
           .explanation = QStringLiteral(
               "La scheda corrente verrà stampata su carta con i dati inseriti. Scegliere se "
               "stampare anche la foto, quindi premere Stampa per avviare la stampa o Annulla "
               "per rinunciare."),
           .output = DocumentOutput::Print,
           .printMode = PrintMode::AskPrinter,
           .fixedSize = QSize(364, 361)},
          parent),
      m_values(std::move(values)), m_photo(photo)
{
    auto *choice = new QFrame(this);
    choice->setObjectName(QStringLiteral("panScelta"));
    choice->setStyleSheet(QStringLiteral(
        "#panScelta { background: white; border: 1px solid #87ceeb; border-radius: 6px; }"));
    auto *options = new QVBoxLayout(choice);
    options->setContentsMargins(16, 12, 16, 12);
    optUno = new QRadioButton(QStringLiteral("Stampa dati con foto."), choice);
    optUno->setObjectName(QStringLiteral("optUno"));
    optDue = new QRadioButton(QStringLiteral("Stampa dati senza foto."), choice);
    optDue->setObjectName(QStringLiteral("optDue"));
    for (QRadioButton *b : {optUno, optDue}) {
        b->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
        options->addWidget(b);
    }
    optUno->setChecked(true);
    optionsLayout()->insertWidget(0, choice);

    lblMemory = new QLabel(QStringLiteral("con"), this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->hide();
    chooseCard();

    connect(optUno, &QRadioButton::clicked, this, &TfrmStampaRicette::optUnoClick);
    connect(optDue, &QRadioButton::clicked, this, &TfrmStampaRicette::optDueClick);
}

void TfrmStampaRicette::showEvent(QShowEvent *event)
{
    DocumentDialog::showEvent(event);
    if (m_photo.isNull())
        m_photo = recipes::placeholderPhoto();
    imgLogo->setPixmap(QPixmap::fromImage(m_photo));
    chooseCard();
}

void TfrmStampaRicette::optUnoClick()
{
    lblMemory->setText(QStringLiteral("con"));
    chooseCard();
}

void TfrmStampaRicette::optDueClick()
{
    lblMemory->setText(QStringLiteral("senza"));
    chooseCard();
}

void TfrmStampaRicette::chooseCard()
{
    setDocument(card(lblMemory->text() == QLatin1String("con"), m_values, m_photo));
}

Document TfrmStampaRicette::card(bool withPhoto, recipecard::Values values, const QImage &photo)
{
    return {withPhoto ? withPhotoTemplate : withoutPhotoTemplate,
            [withPhoto, values = std::move(values), photo](Report &report) {
                report.setOrientation(QPageLayout::Portrait);
                bool ok = true;
                if (withPhoto)
                    ok &= report.setPicture(QStringLiteral("imgFoto"), photo);
                ok &= report.setText(QStringLiteral("txtTitolo"),
                                     QStringLiteral("SCHEDA RICETTA DI CUCINA"));
                const QList<recipecard::Row> &rows = recipecard::printedRows();
                for (int i = 0; i < rows.size(); ++i) {
                    const QString n = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
                    ok &= report.setText(QStringLiteral("titCampo") + n, rows[i].label);
                    ok &= report.setText(QStringLiteral("txtCampo") + n, values(rows[i].field));
                }
                ok &= report.setText(QStringLiteral("txtCalce"), recipecard::footText());
                return ok;
            }};
}

bool TfrmStampaRicette::fillCard(Report &report, bool withPhoto, const recipecard::Values &values,
                                 const QImage &photo)
{
    return brisvola::documents::fillDocument(report, card(withPhoto, values, photo));
}
