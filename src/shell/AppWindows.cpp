#include "shell/WindowSet.h"

#include "quotes/MenuPreventivi.h"
#include "quotes/Preventivi.h"
#include "recipes/Ricette.h"

// Each app declares its windows here, in the order the program has always created them.
namespace brisvola {

void registerAppWindows()
{
    registerWindow(QStringLiteral("TfrmMenuPreventivi"), [] { return new TfrmMenuPreventivi; });
    registerWindow(QStringLiteral("TfrmPreventivi"), [] { return new TfrmPreventivi; });
    registerWindow(QStringLiteral("TfrmRicette"), [] {
        auto *w = new TfrmRicette;
        returnToLauncherOnClose(w);
        return w;
    });
}

} // namespace brisvola
