#include "menus/StampaMenu.h"

#include "menus/MenuDocument.h"

using namespace brisvola::documents;

TfrmStampaMenu::TfrmStampaMenu(menus::MenuValues menu, QWidget *parent)
    : DocumentDialog(
          {.className = QStringLiteral("TfrmStampaMenu"),
           .caption = QStringLiteral(" Stampa scheda menu"),
           .button = QStringLiteral("Stampa"),
           .icon = QStringLiteral(":/archive/stampa.svg"),
           .title = QStringLiteral("Stampa scheda menu"),
           .explanation = QStringLiteral(
               "Il menu corrente verrà stampato su un foglio A4 con i dati inseriti, nella sua "
               "cornice decorativa.\n\nPremere Stampa per avviare la stampa oppure Annulla per "
               "annullare l'operazione."),
           .output = DocumentOutput::Print,
           .printMode = PrintMode::AskPrinter,
           .fixedSize = QSize(380, 330)},
          parent)
{
    setDocument(menus::menuDocument(std::move(menu)));
}
