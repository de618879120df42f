#pragma once

#include <QString>

// The access password: one password for the whole installation, kept scrambled in the INI file
// "unins000.dll" of the program folder (section "Accesso", key "Valore"). Passwords are compared
// and stored upper-cased (letters a to z only) and without surrounding blanks.
namespace brisvola::password {

inline const QString storeFileName = QStringLiteral("unins000.dll");
inline const QString storeSection = QStringLiteral("Accesso");
inline const QString storeKey = QStringLiteral("Valore");

// Messages of the login and of the change of password (plain message boxes).
inline const QString wrongPasswordMessage = QStringLiteral("Attenzione: password errata.");
inline const QString readErrorMessage = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. Si "
    "consiglia di reinstallare il software.");
inline const QString wrongOldPasswordMessage =
    QStringLiteral("Attenzione: vecchia password errata.");
inline const QString notConfirmedMessage =
    QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. E' "
                   "necessario reinserire entrambi i valori.");
inline const QString unsupportedPasswordMessage = QStringLiteral(
    "Attenzione: la nuova password non può superare 255 caratteri e può contenere soltanto "
    "lettere, cifre e simboli dell'alfabeto latino.");
inline const QString changedMessage =
    QStringLiteral("Modifica della password completata con successo.");
inline const QString changeErrorMessage = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. Si "
    "consiglia di reinstallare il software.");

// Blanks and control characters removed from both ends.
QString trimmed(const QString &text);
// The form in which a typed password is compared and stored: trimmed, a to z upper-cased
// (accented letters stay as typed).
QString normalised(const QString &typed);

enum class LoginResult
{
    Accepted,
    Wrong,    // wrongPasswordMessage (also when the store or its key is missing)
    ReadError // readErrorMessage: the store cannot be read or is not hexadecimal
};

LoginResult checkLogin(const QString &typed);

enum class ChangeResult
{
    Changed,      // changedMessage
    WrongOld,     // wrongOldPasswordMessage
    NotConfirmed, // notConfirmedMessage (new and confirmation differ, letter case included)
    Unsupported,  // unsupportedPasswordMessage: the store holds 1 to 255 Latin-1 characters
    Failed        // changeErrorMessage: reading or writing the store failed; nothing changed
};

ChangeResult changePassword(const QString &oldTyped, const QString &newTyped,
                            const QString &confirmTyped);

// The message that goes with each result (empty for Accepted).
QString messageFor(LoginResult result);
QString messageFor(ChangeResult result);

} // namespace brisvola::password
