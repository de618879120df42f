#include "checks/OpenCheck.h"

#include "checks/Carta.h"
#include "checks/CheckRules.h"
#include "checks/CodFisc.h"
#include "checks/Iban.h"
#include "checks/PartitaIVA.h"

namespace brisvola::checks {

namespace {
template <class Window> void openCheck(QWidget *parent, const QString &value)
{
    Window check(parent);
    check.setValue(value.trimmed());
    check.exec();
}
} // namespace

void openTaxCodeCheck(QWidget *parent, const QString &value)
{
    if (isVatNumberLike(value.trimmed()))
        openCheck<TfrmPartitaIva>(parent, value);
    else
        openCheck<TfrmCodFisc>(parent, value);
}

void openVatCheck(QWidget *parent, const QString &value)
{
    openCheck<TfrmPartitaIva>(parent, value);
}

void openIbanCheck(QWidget *parent, const QString &value)
{
    openCheck<TfrmIban>(parent, value);
}

void openCardCheck(QWidget *parent, const QString &value)
{
    openCheck<TfrmCarta>(parent, value);
}

} // namespace brisvola::checks
