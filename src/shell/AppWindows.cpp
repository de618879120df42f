#include "shell/WindowSet.h"

#include "calendar/CalendarioServizi.h"
#include "calendar/RiepPrenotazioni.h"
#include "customers/Fornitori.h"
#include "menus/Menu.h"
#include "quotes/MenuPreventivi.h"
#include "quotes/Preventivi.h"
#include "recipes/Ricette.h"
#include "reservations/Prenotazioni.h"
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

    // Quotes: the opening window asks for the year, then the quote window.
    registerWindow(QStringLiteral("TfrmMenuPreventivi"), [] { return new TfrmMenuPreventivi; });
    registerWindow(QStringLiteral("TfrmPreventivi"), [] { return new TfrmPreventivi; });

    // Recipe archive.
    registerWindow(QStringLiteral("TfrmRicette"), [] {
        auto *w = new TfrmRicette;
        returnToLauncherOnClose(w);
        return w;
    });

    // Regular customers.
    registerWindow(QStringLiteral("TfrmFornitori"), [] {
        auto *w = new TfrmFornitori;
        returnToLauncherOnClose(w);
        return w;
    });

    // Menu app.
    registerWindow(QStringLiteral("TfrmMenu"), [] {
        auto *w = new TfrmMenu;
        returnToLauncherOnClose(w);
        return w;
    });

    // Table reservations: the window asks for the year itself.
    registerWindow(QStringLiteral("TfrmPrenotazioni"), [] {
        auto *w = new TfrmPrenotazioni;
        returnToLauncherOnClose(w);
        return w;
    });

    // Services calendar: its closing shows the chosen summary (or the launcher); closing a
    // summary brings the launcher back.
    registerWindow(QStringLiteral("TfrmCalendarioServizi"),
                   [] { return new TfrmCalendarioServizi; });
    registerWindow(QStringLiteral("TfrmRiepAnnuale"), [] {
        auto *w = new TfrmRiepAnnuale;
        returnToLauncherOnClose(w);
        return w;
    });
    registerWindow(QStringLiteral("TfrmRiepGiornaliero"), [] {
        auto *w = new TfrmRiepGiornaliero;
        returnToLauncherOnClose(w);
        return w;
    });
    registerWindow(QStringLiteral("TfrmRiepMensile"), [] {
        auto *w = new TfrmRiepMensile;
        returnToLauncherOnClose(w);
        return w;
    });
    registerWindow(QStringLiteral("TfrmRiepIntervallo"), [] {
        auto *w = new TfrmRiepIntervallo;
        returnToLauncherOnClose(w);
        return w;
    });
}

} // namespace brisvola
