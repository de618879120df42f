#include "checks/PartitaIVA.h"

#include "archive/FieldChrome.h"
#include "checks/CheckRules.h"

#include <QLineEdit>

using brisvola::MessageKind;
using brisvola::checks::Verdict;

TfrmPartitaIva::TfrmPartitaIva(QWidget *parent)
    : CheckWindow(
          {"TfrmPartitaIva", QStringLiteral(" Controllo partita IVA"),
           QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
           QStringLiteral(":/checks/partitaiva.svg"), QSize(480, 254), QColor(0x46, 0x82, 0xB4),
           "txtPartitaIva", 11},
          parent),
      txtPartitaIva(edit())
{
    brisvola::discardNonDigitKeys(txtPartitaIva);
}

void TfrmPartitaIva::check()
{
    const brisvola::checks::VatVerdict verdict =
        brisvola::checks::checkVatNumber(brisvola::checks::asciiUpper(txtPartitaIva->text()));
    switch (verdict.verdict) {
    case Verdict::Valid:
        if (verdict.office.isEmpty()) {
            // An office code that no table row names: the number is still valid.
            tell(MessageKind::Information,
                 QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nIl "
                                "codice ") +
                     verdict.officeCode +
                     QStringLiteral(" dell'Ufficio IVA che lo ha rilasciato non corrisponde a "
                                    "nessun ufficio conosciuto."));
        } else {
            tell(MessageKind::Information,
                 QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' "
                                "stato rilasciato dall'Ufficio IVA del Comune di ") +
                     verdict.office + QLatin1Char('.'));
        }
        break;
    case Verdict::WrongLength:
    case Verdict::Empty:
        warnAndStay(QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 "
                                   "caratteri numerici."));
        break;
    case Verdict::Wrong:
        tell(MessageKind::Warning,
             QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                            "Non è quindi possibile fornire informazioni relative all'Ufficio "
                            "IVA che lo ha rilasciato."));
        break;
    }
}
