#include "shell/StartUp.h"
#include "shell/Version.h"
#include "shell/WindowSet.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QLoggingCategory>
#include <QWidget>

namespace {

// "password window on screen" on this category when the password window is first painted; it is
// silent unless asked for (QT_LOGGING_RULES="brisvola.startup.info=true"), and a script that
// starts the program waits for it.
Q_LOGGING_CATEGORY(lcStartUp, "brisvola.startup", QtWarningMsg)

class FirstPaintReport : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            qCInfo(lcStartUp, "password window on screen");
            watched->removeEventFilter(this);
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brisvola"));
    QApplication::setApplicationVersion(brisvola::programVersion());
    // Every window shows the program's picture; the desktop entry has the same name.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/brisvola.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("brisvola"));
    brisvola::startUp();
    if (QWidget *password = brisvola::existingWindow(QStringLiteral("TfrmPassword")))
        password->installEventFilter(new FirstPaintReport(&app));
    return app.exec();
}
