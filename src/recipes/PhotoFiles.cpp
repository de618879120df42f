#include "recipes/PhotoFiles.h"

#include "archive/DiskSync.h"
#include "shell/FileChooser.h"
#include <QFileDialog>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace recipes {

QImage placeholderPhoto()
{
    static const QImage picture(QStringLiteral(":/recipes/placeholder.jpg"));
    return picture;
}

QPixmap fitted(const QImage &picture, const QSize &area)
{
    if (picture.isNull())
        return {};
    return QPixmap::fromImage(picture.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool writeJpeg(const QImage &picture, const QString &path)
{
    if (picture.isNull())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "jpg");
    writer.setQuality(90);
    if (!writer.write(picture.convertToFormat(QImage::Format_RGB32))) {
        file.cancelWriting();
        return false;
    }
    return commitWhole(file);
}

QImage readPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}

QString askJpegSaveName(QWidget *parent)
{
    QFileDialog dialog(parent,
                       QStringLiteral("Selezionare la cartella in cui si desidera salvare il "
                                      "file Jpeg."));
    dialog.setObjectName(QStringLiteral("dlgSalvaFile"));
    brisvola::prepareFileChooser(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("File Jpeg (*.jpg)"));
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    dialog.selectFile(QStringLiteral("Foto.jpg"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString askPictureOpenName(QWidget *parent)
{
    QFileDialog dialog(parent,
                       QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
    dialog.setObjectName(QStringLiteral("dlgFile"));
    brisvola::prepareFileChooser(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Immagine JPEG (*.jpg *.jpeg)"),
                           QStringLiteral("Immagine Bitmap (*.bmp)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace recipes
