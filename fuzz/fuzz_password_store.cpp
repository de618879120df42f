// The password store from arbitrary bytes: the login and the change of password never fail in
// other ways than their results say.
#include "FuzzInput.h"

#include "shell/PasswordStore.h"
#include "shell/ProgramFolder.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace brisvola::password;
    using fuzzinput::require;
    static QTemporaryDir dir;
    brisvola::setProgramFolder(dir.path());
    const QByteArray input = fuzzinput::bytes(data, size);
    {
        QFile file(brisvola::programFile(storeFileName));
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input is written");
        file.write(input);
    }
    const QStringList texts = fuzzinput::texts(input);
    const QString typed = texts.value(texts.size() - 1);
    (void)checkLogin(typed);
    const QString newPassword = texts.value(texts.size() - 2);
    const ChangeResult changed = changePassword(typed, newPassword, newPassword);
    (void)messageFor(changed);
    if (changed == ChangeResult::Changed)
        require(checkLogin(newPassword) == LoginResult::Accepted, "the new password is accepted");
    return 0;
}
