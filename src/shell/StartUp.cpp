#include "shell/StartUp.h"

#include "shell/WindowSet.h"

#include <QLocale>
#include <QWidget>

namespace brisvola {

void startUp()
{
    // Dates and numbers are the program's own ("dd/mm/yyyy", decimal comma), never the
    // machine's: Qt's own widgets follow this locale too.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    registerAppWindows();
    // The password window is the first the user sees; it puts the focus in its field when shown.
    // The launcher and the apps are made when first shown.
    if (QWidget *password = window(QStringLiteral("TfrmPassword"))) {
        password->show();
        password->activateWindow();
    }
}

} // namespace brisvola
