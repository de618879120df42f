// Renders the program's picture (an SVG) as the PNG application icons of a desktop icon theme:
// FOLDER/<n>x<n>/apps/brisvola.png for each size n given.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: brisvola_make_icons PICTURE.svg FOLDER SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "brisvola_make_icons: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size <= 0 || size > 1024) {
            std::fprintf(stderr, "brisvola_make_icons: bad size %s\n", argv[i]);
            return 2;
        }
        const QString dir = folder + QStringLiteral("/%1x%1/apps").arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter, QRectF(0, 0, size, size));
        }
        const QString path = dir + QStringLiteral("/brisvola.png");
        if (!QDir().mkpath(dir) || !image.save(path, "PNG")) {
            std::fprintf(stderr, "brisvola_make_icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
