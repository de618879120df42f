#include "recipes/CreaRTF.h"

#include "archive/DialogParts.h"
#include "shell/Messages.h"
#include "shell/OpenURL.h"
#include "shell/ProgramFolder.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const QString TfrmCreaRTF::question =
    QStringLiteral("Questa procedura esporterà la scheda corrente in un documento in formato "
                   "RTF.\r\n\r\nSi conferma la creazione del file?");
const QString TfrmCreaRTF::doneQuestion =
    QStringLiteral("Il file RTF è stato creato con successo.\r\n\r\nSi vuole aprire il documento?");
const QString TfrmCreaRTF::failureMessage =
    QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi "
                   "che il documento non sia già aperto.");

TfrmCreaRTF::TfrmCreaRTF(recipecard::Values values, QWidget *parent)
    : QDialog(parent), m_values(std::move(values))
{
    setObjectName(QStringLiteral("TfrmCreaRTF"));
    setWindowTitle(QStringLiteral(" Esporta scheda in RTF"));
    dialogparts::fixDialog(this, 377, 292);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(dialogparts::banner(
        QStringLiteral("Esporta scheda in RTF"),
        QStringLiteral("La scheda corrente, completa di ingredienti e preparazione, verrà "
                       "esportata nel documento Scheda_Ricetta.rtf, che si potrà aprire e "
                       "stampare con il proprio programma di videoscrittura. Premere Esporta e "
                       "stampa per proseguire o Annulla per rinunciare."),
        this));
    layout->addStretch(1);
    auto *buttons = new QHBoxLayout;
    auto *cancel =
        dialogparts::button(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    auto *go =
        dialogparts::button(QStringLiteral("btnStampa"), QStringLiteral("Esporta e stampa"), this);
    go->setMinimumWidth(170);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    buttons->addWidget(go);
    go->setDefault(true);
    layout->addLayout(buttons);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(go, &QPushButton::clicked, this, &TfrmCreaRTF::btnStampaClick);
}

void TfrmCreaRTF::btnStampaClick()
{
    if (lblMemory->text() == QLatin1String("ricette"))
        exportCard();
    accept();
}

void TfrmCreaRTF::exportCard()
{
    if (!brisvola::askYesNo(this, question))
        return;
    const QString path = brisvola::programFile(recipecard::rtfFileName());
    if (!recipecard::writeRtf(path, m_values)) {
        brisvola::plainMessage(this, failureMessage);
        return;
    }
    if (brisvola::askYesNo(this, doneQuestion))
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
}
