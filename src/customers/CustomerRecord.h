#pragma once

#include "archive/ArchiveSession.h"
#include "archive/RecordLayout.h"

#include <QString>
#include <QStringList>

// The customer archive "Clienti.pro" (TSchedaCliente): records of 31 length-prefixed fields,
// 3643 bytes, with no header. The rules of the customer window's fields are here as functions
// over texts, so that the window and the tests share them.
namespace customers {

const RecordLayout &customerLayout();

// "Clienti.pro" in the program folder.
QString archivePath();

// The attached files, then their descriptions (File01..03, Desc01..03), emptied by Duplicate.
QStringList attachmentFields();

// The 112 province codes of the province box, in their order (the quote window's list).
const QStringList &provinceCodes();

// How a field of the customer window treats what is typed into it.
enum class InputRule
{
    Free,          // as typed
    NoOuterBlanks, // trimmed of outer blanks after every keystroke
    Capitals,      // trimmed and in capital letters after every keystroke
    DigitsOnly     // only digit keys (and the editing keys) are let in
};
// The rule of a field by name ("CodFisc", "Carta", ...); Free for the others.
InputRule inputRule(const QString &field);
// The text a field shows after a keystroke under its rule (DigitsOnly and Free: unchanged).
QString applyRule(InputRule rule, const QString &text);

// The warnings and notices of the customer window.
inline const QString nameRequiredMessage =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del Cliente.");

// The session of the customer window: the required name, the flag, the attachment slots.
ArchiveSession::Config sessionConfig();

} // namespace customers
