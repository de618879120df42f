#include "menus/AnteprimaMenu.h"

#include "menus/MenuDocument.h"

using namespace brisvola::documents;

TfrmAnteprimaMenu::TfrmAnteprimaMenu(menus::MenuValues menu, QWidget *parent)
    : DocumentDialog({.className = QStringLiteral("TfrmAnteprimaMenu"),
                      .caption = QStringLiteral(" Anteprima di stampa"),
                      .button = QStringLiteral("Mostra anteprima"),
                      .icon = QStringLiteral(":/quotes/anteprima.svg"),
                      .title = QStringLiteral("Anteprima di stampa"),
                      .explanation = QStringLiteral(
                          "Il menu corrente verrà mostrato a video così come apparirà in stampa, "
                          "con i dati inseriti. Dall'anteprima è possibile ingrandire la pagina e "
                          "stamparla.\n\nPremere Mostra anteprima per procedere oppure Annulla "
                          "per annullare l'operazione."),
                      .output = DocumentOutput::Preview,
                      .fixedSize = QSize(380, 330)},
                     parent)
{
    setDocument(menus::menuDocument(std::move(menu)));
}
