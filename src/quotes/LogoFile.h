#pragma once

#include <QImage>
#include <QString>

// The issuer logo "Logo.bmp" that the quote documents print, with its built-in default: a blue
// euro sign on a white ground, 297 x 184 pixels.
namespace quotes {

inline constexpr int logoWidth = 297;
inline constexpr int logoHeight = 184;

// program folder + "Logo.bmp"
QString logoPath();
QImage defaultLogo();
// The image of a file, or the default picture when it is missing or cannot be read.
QImage logoFrom(const QString &path);
inline QImage currentLogo()
{
    return logoFrom(logoPath());
}
// Writes the picture as a bitmap in place of the previous file; false when it cannot be written
// (the previous file is then left whole).
bool saveLogo(const QImage &image);

} // namespace quotes
