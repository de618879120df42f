#include "recipes/StampaRicette.h"

#include "archive/DialogParts.h"
#include "documents/Report.h"
#include "documents/ReportOutput.h"
#include "recipes/PhotoFiles.h"
#include "recipes/RecipeLists.h"
#include "recipes/Ricette.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace brisvola::documents;

const QString TfrmStampaRicette::withPhotoTemplate =
    QStringLiteral(":/templates/scheda_ricetta_foto.json");
const QString TfrmStampaRicette::withoutPhotoTemplate =
    QStringLiteral(":/templates/scheda_ricetta.json");

TfrmStampaRicette::TfrmStampaRicette(QWidget *parent)
    : QDialog(parent), m_recipes(recipes::recipeWindow(parent))
{
    setObjectName(QStringLiteral("TfrmStampaRicette"));
    setWindowTitle(QStringLiteral(" Stampa scheda"));
    dialogparts::fixDialog(this, 364, 361);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(dialogparts::banner(
        QStringLiteral("Stampa scheda"),
        QStringLiteral("La scheda corrente verrà stampata su carta con i dati inseriti. Scegliere "
                       "se stampare anche la foto, quindi premere Stampa per avviare la stampa o "
                       "Annulla per rinunciare."),
        this));

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
    layout->addWidget(choice);
    layout->addStretch(1);

    auto *buttons = new QHBoxLayout;
    auto *cancel =
        dialogparts::button(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    auto *print = dialogparts::button(QStringLiteral("btnStampa"), QStringLiteral("Stampa"), this);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    buttons->addWidget(print);
    print->setDefault(true);
    layout->addLayout(buttons);

    lblMemory = new QLabel(QStringLiteral("con"), this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->hide();

    connect(optUno, &QRadioButton::clicked, this, &TfrmStampaRicette::optUnoClick);
    connect(optDue, &QRadioButton::clicked, this, &TfrmStampaRicette::optDueClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(print, &QPushButton::clicked, this, &TfrmStampaRicette::btnStampaClick);
}

void TfrmStampaRicette::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_photo = m_recipes ? m_recipes->photo() : QImage();
    if (m_photo.isNull())
        m_photo = recipes::placeholderPhoto();
    imgLogo->setPixmap(QPixmap::fromImage(m_photo));
}

void TfrmStampaRicette::optUnoClick()
{
    lblMemory->setText(QStringLiteral("con"));
}

void TfrmStampaRicette::optDueClick()
{
    lblMemory->setText(QStringLiteral("senza"));
}

bool TfrmStampaRicette::fillCard(Report &report, bool withPhoto, const recipecard::Values &values,
                                 const QImage &photo)
{
    if (!report.load(withPhoto ? withPhotoTemplate : withoutPhotoTemplate))
        return false;
    report.setOrientation(QPageLayout::Portrait);
    bool ok = true;
    if (withPhoto)
        ok &= report.setPicture(QStringLiteral("imgFoto"), photo);
    ok &= report.setText(QStringLiteral("txtTitolo"), QStringLiteral("SCHEDA RICETTA DI CUCINA"));
    const QList<recipecard::Row> &rows = recipecard::printedRows();
    for (int i = 0; i < rows.size(); ++i) {
        const QString n = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        ok &= report.setText(QStringLiteral("titCampo") + n, rows[i].label);
        ok &= report.setText(QStringLiteral("txtCampo") + n, values(rows[i].field));
    }
    ok &= report.setText(QStringLiteral("txtCalce"), recipecard::footText());
    return ok;
}

void TfrmStampaRicette::btnStampaClick()
{
    Report report;
    if (fillCard(report, lblMemory->text() == QLatin1String("con"),
                 recipes::screenValues(m_recipes), m_photo)) {
        report.prepare();
        print(report, this, PrintMode::AskPrinter);
    }
    accept();
}
