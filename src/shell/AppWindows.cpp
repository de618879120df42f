#include "shell/WindowSet.h"

#include "recipes/Ricette.h"
#include "shell/Avvio.h"
#include "shell/CambiaPassword.h"
#include "shell/Password.h"

// Each app declares its windows here, in the order the program has always created them.
namespace brisvola {

void registerAppWindows()
{
    // Application shell: the access windows and the launcher.
    registerWindow(QStringLiteral("TfrmPassword"), [] { return new TfrmPassword; });
    registerWindow(QStringLiteral("TfrmAvvio"), [] { return new TfrmAvvio; });
    registerWindow(QStringLiteral("TfrmCambiaPassword"), [] { return new TfrmCambiaPassword; });

    // Recipe archive.
    registerWindow(QStringLiteral("TfrmRicette"), [] {
        auto *w = new TfrmRicette;
        returnToLauncherOnClose(w);
        return w;
    });
}

} // namespace brisvola
