#include "checks/Carta.h"

#include "archive/FieldChrome.h"
#include "checks/CheckRules.h"

#include <QLineEdit>

using brisvola::MessageKind;
using brisvola::checks::CardType;
using brisvola::checks::Verdict;

TfrmCarta::TfrmCarta(QWidget *parent)
    : CheckWindow({"TfrmCarta", QStringLiteral(" Controllo carta di credito"),
                   QStringLiteral("Immettere il numero di carta di credito e premere il pulsante "
                                  "di controllo."),
                   QStringLiteral(":/checks/carta.svg"), QSize(519, 254), QColor(0x76, 0xA3, 0xC8),
                   "txtNumero", 30},
                  parent),
      txtNumero(edit())
{
    brisvola::discardNonDigitKeys(txtNumero);
    keepTrimmed(true);
}

void TfrmCarta::check()
{
    const QString number = txtNumero->text().trimmed();
    const brisvola::checks::CardVerdict verdict = brisvola::checks::checkCard(number);
    const QString valid = QStringLiteral("Il numero di carta di credito ") + number +
                          QStringLiteral(" risulta valido.");
    switch (verdict.verdict) {
    case Verdict::Empty:
        warnAndStay(QStringLiteral("Attenzione: immettere il numero di carta di credito prima di "
                                   "premere il pulsante di controllo."));
        break;
    case Verdict::Valid:
        if (verdict.type == CardType::Unrecognised) {
            // 32 and 39 pass the check but name no card.
            tell(MessageKind::Information,
                 valid + QStringLiteral("\r\n\r\nNon è però possibile riconoscere il tipo di "
                                        "carta di credito."));
        } else {
            tell(MessageKind::Information,
                 valid + QStringLiteral("\r\n\r\nLa carta di credito è del tipo ") +
                     brisvola::checks::cardTypeName(verdict.type) + QLatin1Char('.'));
        }
        break;
    case Verdict::Wrong:
    case Verdict::WrongLength:
        tell(MessageKind::Warning,
             QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi "
                            "possibile fornire informazioni relative al tipo di carta di "
                            "credito."));
        break;
    }
}
