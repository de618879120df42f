#include "shell/PasswordStore.h"

#include "archive/IniFile.h"
#include "shell/Crypt.h"
#include "shell/ProgramFolder.h"

#include <optional>
#include <stdexcept>

namespace brisvola::password {

namespace {

// The stored password, unscrambled and trimmed; empty when the file or the key is missing;
// nullopt when the file cannot be read or its value is not hexadecimal.
std::optional<QString> storedPassword()
{
    IniFile store(programFile(storeFileName));
    if (store.status() == IniFile::Status::Unreadable)
        return std::nullopt;
    try {
        return trimmed(Crypt::Unscramble(store.value(storeSection, storeKey)));
    } catch (const std::invalid_argument &) {
        return std::nullopt;
    }
}

// Scrambling keeps only the low byte of each character and counts characters in 8 bits. A blank
// password would lock everyone out: no typed password matches an empty store.
bool storable(const QString &password)
{
    if (password.isEmpty() || password.size() > 255)
        return false;
    for (QChar c : password)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

} // namespace

QString trimmed(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= u' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

QString normalised(const QString &typed)
{
    QString out = trimmed(typed);
    for (QChar &c : out)
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(static_cast<char16_t>(c.unicode() - u'a' + u'A'));
    return out;
}

LoginResult checkLogin(const QString &typed)
{
    const std::optional<QString> stored = storedPassword();
    if (!stored)
        return LoginResult::ReadError;
    // A missing store reads as empty: no typed password (never blank) matches it.
    if (stored->isEmpty() || *stored != normalised(typed))
        return LoginResult::Wrong;
    return LoginResult::Accepted;
}

ChangeResult changePassword(const QString &oldTyped, const QString &newTyped,
                            const QString &confirmTyped)
{
    const std::optional<QString> stored = storedPassword();
    if (!stored)
        return ChangeResult::Failed;
    if (stored->isEmpty() || *stored != normalised(oldTyped))
        return ChangeResult::WrongOld;
    if (trimmed(newTyped) != trimmed(confirmTyped))
        return ChangeResult::NotConfirmed;
    const QString newPassword = normalised(newTyped);
    if (!storable(newPassword))
        return ChangeResult::Unsupported;

    IniFile store(programFile(storeFileName));
    if (store.status() == IniFile::Status::Unreadable)
        return ChangeResult::Failed;
    store.setValue(storeSection, storeKey, Crypt::Scramble(newPassword));
    return store.save() ? ChangeResult::Changed : ChangeResult::Failed;
}

QString messageFor(LoginResult result)
{
    switch (result) {
    case LoginResult::Accepted:
        break;
    case LoginResult::Wrong:
        return wrongPasswordMessage;
    case LoginResult::ReadError:
        return readErrorMessage;
    }
    return {};
}

QString messageFor(ChangeResult result)
{
    switch (result) {
    case ChangeResult::Changed:
        return changedMessage;
    case ChangeResult::WrongOld:
        return wrongOldPasswordMessage;
    case ChangeResult::NotConfirmed:
        return notConfirmedMessage;
    case ChangeResult::Unsupported:
        return unsupportedPasswordMessage;
    case ChangeResult::Failed:
        return changeErrorMessage;
    }
    return {};
}

} // namespace brisvola::password
