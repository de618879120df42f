#include "shell/StartUp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brisvola"));
    brisvola::startUp();
    return app.exec();
}
