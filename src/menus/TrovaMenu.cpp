#include "menus/TrovaMenu.h"

#include "menus/Menu.h"
#include "menus/MenuLists.h"
#include "menus/MenuRecord.h"

namespace {
FindConfig menuFind(QWidget *opener)
{
    FindConfig c;
    c.className = QStringLiteral("TfrmTrovaMenu");
    c.caption = QStringLiteral(" Trova menu in archivio");
    c.heading = QStringLiteral("Trova menu in archivio");
    c.printTitle = QStringLiteral("Riepilogo menu in archivio");
    c.layout = &menus::menuLayout();
    c.archivePath = [] { return menus::archivePath(); };
    c.criteria = TfrmTrovaMenu::criteria();
    c.line = menus::listLine();
    c.targets = {{QStringLiteral("menu"), TfrmMenu::target(opener)}};
    return c;
}
} // namespace

TfrmTrovaMenu::TfrmTrovaMenu(QWidget *parent)
    : FindDialog(menuFind(parent), parent), lblMemory(memoryLabel())
{
}

QList<FindCriterion> TfrmTrovaMenu::criteria()
{
    using menus::slotField;
    QList<FindCriterion> criteria = {
        {QStringLiteral("txtTitolo"), QStringLiteral("Titolo menu:"), "Titolo"},
        {QStringLiteral("txtStagione"), QStringLiteral("Stagione:"), "Stagione"},
    };
    for (int k = 1; k <= 3; ++k) {
        const QString nn = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
        criteria.append({QStringLiteral("txtNome") + nn, QStringLiteral("Nome pietanza %1:").arg(k),
                         slotField("Nome", k)});
        criteria.append({QStringLiteral("txtDescrizione") + nn,
                         QStringLiteral("Descrizione pietanza %1:").arg(k),
                         slotField("Descrizione", k)});
    }
    criteria.append(
        {QStringLiteral("txtAvvertenze"), QStringLiteral("Avvertenze:"), "Avvertenze", {}, true});
    criteria.append({QStringLiteral("txtAllergeni"),
                     QStringLiteral("Indicazioni su allergeni:"),
                     "Allergeni",
                     {},
                     true});
    return criteria;
}
