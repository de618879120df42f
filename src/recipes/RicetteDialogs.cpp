// The recipe window's buttons that open the dialogs reading the archive or the card on screen.
#include "recipes/CreaRTF.h"
#include "recipes/ExpRicette.h"
#include "recipes/RecipeTargets.h"
#include "recipes/Ricette.h"
#include "recipes/RicetteSegnalate.h"
#include "recipes/StampaRicette.h"
#include "recipes/TrovaRicette.h"

#include <QAbstractButton>
#include <QLabel>

void TfrmRicette::connectDialogs()
{
    const std::pair<const char *, void (TfrmRicette::*)()> buttons[] = {
        {"cmdTrova", &TfrmRicette::cmdTrovaClick},
        {"cmdStampa", &TfrmRicette::cmdStampaClick},
        {"cmdWord", &TfrmRicette::cmdWordClick},
        {"cmdEsporta", &TfrmRicette::cmdEsportaClick},
        {"cmdSegnalate", &TfrmRicette::cmdSegnalateClick},
    };
    for (const auto &[name, handler] : buttons)
        if (auto *b = findChild<QAbstractButton *>(QLatin1String(name)))
            connect(b, &QAbstractButton::clicked, this, handler);
}

void TfrmRicette::cmdTrovaClick()
{
    TfrmTrovaRicette find(this);
    find.lblMemory->setText(QStringLiteral("ricette"));
    find.exec();
}

void TfrmRicette::cmdStampaClick()
{
    TfrmStampaRicette print(recipes::screenValues(this), photo(), this);
    print.exec();
}

void TfrmRicette::cmdWordClick()
{
    TfrmCreaRTF rtf(recipes::screenValues(this), this);
    rtf.lblMemory->setText(QStringLiteral("ricette"));
    rtf.exec();
}

void TfrmRicette::cmdEsportaClick()
{
    TfrmExpRicette exportDialog(this);
    exportDialog.exec();
}

void TfrmRicette::cmdSegnalateClick()
{
    TfrmRicetteSegnalate flagged(this);
    flagged.exec();
}
