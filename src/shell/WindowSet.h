#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The program's windows, one instance per class, reachable by class name. Each is made the first
// time it is asked for and then kept until the process ends: app windows are shown and hidden,
// never destroyed. Dialogs are not here: their openers make them per use.
namespace brisvola {

using WindowFactory = std::function<QWidget *()>;

// Declares how to make a window. Each app declares its windows in registerAppWindows()
// (WindowSet.cpp); a launcher tile whose window is not declared is shown disabled.
void registerWindow(const QString &className, WindowFactory factory);
bool hasWindow(const QString &className);

// The one instance of a class, made on first use; nullptr for an undeclared class.
QWidget *window(const QString &className);
template <class T> T *window(const QString &className)
{
    return static_cast<T *>(window(className));
}
// The instance if it has been made already, else nullptr.
QWidget *existingWindow(const QString &className);

// Shows a window in place of another (an app window over the launcher, and back). A window that
// asks to be maximised fills the screen's available area, also where no window manager honours
// the state.
void showInstead(QWidget *shown, QWidget *hidden);
void fitToScreenIfMaximised(QWidget *window);

// Makes an app window bring the launcher ("TfrmAvvio") back whenever it is closed, whichever way:
// its exit button or the window's own close box. The window is hidden, never destroyed.
void returnToLauncherOnClose(QWidget *appWindow);

// Every declared window is made in this order; used by start-up and by tests.
void registerAppWindows();
// Destroys every instance (tests only: the program keeps its windows until it ends).
void destroyWindows();

} // namespace brisvola
