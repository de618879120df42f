#include "shell/WindowSet.h"

#include <QCloseEvent>
#include <QHash>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace brisvola {

namespace {
struct Entry
{
    WindowFactory factory;
    QPointer<QWidget> instance;
};

QHash<QString, Entry> &entries()
{
    static QHash<QString, Entry> table;
    return table;
}
} // namespace

void registerWindow(const QString &className, WindowFactory factory)
{
    entries()[className].factory = std::move(factory);
}

bool hasWindow(const QString &className)
{
    return entries().contains(className);
}

QWidget *window(const QString &className)
{
    auto it = entries().find(className);
    if (it == entries().end())
        return nullptr;
    if (!it->instance) {
        QWidget *w = it->factory();
        w->setObjectName(className);
        it->instance = w;
    }
    return it->instance;
}

QWidget *existingWindow(const QString &className)
{
    auto it = entries().find(className);
    return it == entries().end() ? nullptr : it->instance.data();
}

void fitToScreenIfMaximised(QWidget *window)
{
    if (const QScreen *s = window->screen();
        s && window->windowState().testFlag(Qt::WindowMaximized))
        window->setGeometry(s->availableGeometry());
}

void showInstead(QWidget *shown, QWidget *hidden)
{
    if (shown) {
        fitToScreenIfMaximised(shown);
        shown->show();
    }
    if (hidden && hidden != shown)
        hidden->hide();
}

namespace {
class LauncherReturn : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close) {
            auto *w = static_cast<QWidget *>(watched);
            showInstead(window(QStringLiteral("TfrmAvvio")), w);
        }
        return false;
    }
};
} // namespace

void returnToLauncherOnClose(QWidget *appWindow)
{
    appWindow->installEventFilter(new LauncherReturn(appWindow));
}

void destroyWindows()
{
    for (auto &e : entries()) {
        delete e.instance.data();
        e.instance = nullptr;
    }
}

} // namespace brisvola
