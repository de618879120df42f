#include "checks/Iban.h"

#include "checks/CheckRules.h"

#include <QLineEdit>

using brisvola::MessageKind;
using brisvola::checks::Verdict;

TfrmIban::TfrmIban(QWidget *parent)
    : CheckWindow({"TfrmIban", QStringLiteral(" Controllo IBAN"),
                   QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
                   QStringLiteral(":/checks/iban.svg"), QSize(608, 270), QColor(0x46, 0x82, 0xB4),
                   "txtIban", 27},
                  parent),
      txtIban(edit())
{
    keepTrimmed(true);
}

void TfrmIban::check()
{
    switch (brisvola::checks::checkIban(txtIban->text())) {
    case Verdict::Valid:
        tell(MessageKind::Information, QStringLiteral("L'IBAN digitato è VALIDO."));
        break;
    case Verdict::WrongLength:
    case Verdict::Empty:
        warnAndStay(QStringLiteral(
            "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."));
        break;
    case Verdict::Wrong:
        tell(MessageKind::Warning, QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!"));
        break;
    }
}
