#include "checks/CodFisc.h"

#include "checks/CheckRules.h"

#include <QLineEdit>

using brisvola::MessageKind;
using brisvola::checks::Verdict;

TfrmCodFisc::TfrmCodFisc(QWidget *parent)
    : CheckWindow(
          {"TfrmCodFisc", QStringLiteral(" Controllo codice fiscale"),
           QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
           QStringLiteral(":/checks/codfisc.svg"), QSize(478, 254), QColor(0x46, 0x82, 0xB4),
           "txtCodFisc", 16},
          parent),
      txtCodFisc(edit())
{
    keepTrimmed(true);
}

void TfrmCodFisc::check()
{
    switch (brisvola::checks::checkTaxCode(txtCodFisc->text())) {
    case Verdict::Valid:
        tell(MessageKind::Information, QStringLiteral("Il codice fiscale digitato è VALIDO."));
        break;
    case Verdict::WrongLength:
    case Verdict::Empty:
        warnAndStay(QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 "
                                   "caratteri alfanumerici."));
        break;
    case Verdict::Wrong:
        tell(MessageKind::Warning,
             QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
        break;
    }
}
