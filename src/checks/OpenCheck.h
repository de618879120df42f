#pragma once

#include <QString>

class QWidget;

// How the windows with tax codes, VAT numbers, IBANs and card numbers open the check tools: each
// call makes the check window, puts the value in trimmed, shows it modally over parent and
// destroys it when it closes. Nothing comes back: the verdict is told to the user.
namespace brisvola::checks {

// A tax code made only of digits is a company's, that is a VAT number: it opens the partita IVA
// check; any other value, or none, the codice fiscale check.
void openTaxCodeCheck(QWidget *parent, const QString &value);
void openVatCheck(QWidget *parent, const QString &value);
void openIbanCheck(QWidget *parent, const QString &value);
void openCardCheck(QWidget *parent, const QString &value);

} // namespace brisvola::checks
