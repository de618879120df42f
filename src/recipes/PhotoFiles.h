#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

class QWidget;

// Pictures of the recipe app: the placeholder, fitting a photo into its frame, the file dialogs
// of the photo buttons and JPEG writing that never leaves a half-written file.
namespace recipes {

// The placeholder dish picture (366 x 274).
QImage placeholderPhoto();

// The picture scaled to fit the area with its proportions (never enlarged beyond the area).
QPixmap fitted(const QImage &picture, const QSize &area);

// Writes a JPEG through a temporary file renamed over the old one; false on any failure.
bool writeJpeg(const QImage &picture, const QString &path);

// Reads a picture file; a null image when it is missing or cannot be decoded.
QImage readPicture(const QString &path);

// "Salva foto": the save dialog (title, filter "File Jpeg (*.jpg)", proposed "Foto.jpg", default
// extension jpg, confirmation before overwriting). Empty when cancelled.
QString askJpegSaveName(QWidget *parent);

// "Carica foto": the open dialog for JPEG and bitmap pictures. Empty when cancelled.
QString askPictureOpenName(QWidget *parent);

} // namespace recipes
