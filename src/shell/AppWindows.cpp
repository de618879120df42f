#include "shell/WindowSet.h"

#include "recipes/Ricette.h"

// Each app declares its windows here, in the order the program has always created them.
namespace brisvola {

void registerAppWindows()
{
    registerWindow(QStringLiteral("TfrmRicette"), [] {
        auto *w = new TfrmRicette;
        returnToLauncherOnClose(w);
        return w;
    });
}

} // namespace brisvola
