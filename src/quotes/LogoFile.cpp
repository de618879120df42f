#include "quotes/LogoFile.h"

#include "archive/DiskSync.h"
#include "shell/ProgramFolder.h"

#include <QImageReader>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

namespace quotes {

QString logoPath()
{
    return brisvola::programFile(QStringLiteral("Logo.bmp"));
}

QImage defaultLogo()
{
    QImage image(logoWidth, logoHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer svg(QStringLiteral(":/quotes/euro.svg"));
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

QImage logoFrom(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    return image.isNull() ? defaultLogo() : image;
}

bool saveLogo(const QImage &image)
{
    if (image.isNull())
        return false;
    QSaveFile file(logoPath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!image.convertToFormat(QImage::Format_RGB32).save(&file, "BMP"))
        return false;
    return commitWhole(file);
}

} // namespace quotes
