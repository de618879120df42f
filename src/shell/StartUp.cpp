#include "shell/StartUp.h"

#include "shell/WindowSet.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <QWidget>

namespace brisvola {

bool installQtTranslations()
{
    // Qt's own dialogs (file chooser, print dialog, message box buttons) speak Italian through
    // Qt's translations, installed beside Qt; the program's own texts are Italian already.
    static QPointer<QTranslator> qtbase;
    if (qtbase)
        return true;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    qtbase = translator;
    return true;
}

void startUp()
{
    // Dates and numbers are the program's own ("dd/mm/yyyy", decimal comma), never the
    // machine's: Qt's own widgets follow this locale too.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    installQtTranslations();
    registerAppWindows();
    // The password window is the first the user sees; it puts the focus in its field when shown.
    // The launcher and the apps are made when first shown.
    if (QWidget *password = window(QStringLiteral("TfrmPassword"))) {
        password->show();
        password->activateWindow();
    }
}

} // namespace brisvola
