// Writes the manual "Guida.pdf" from the program's help topics.
#include "documents/Guide.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: brisvola_make_guide PATH\n");
        return 2;
    }
    QString error;
    if (!brisvola::documents::writeGuide(QString::fromLocal8Bit(argv[1]), brisvola::helpTopics(),
                                         &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
