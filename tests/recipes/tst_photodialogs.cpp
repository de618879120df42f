#include "recipes/PhotoFiles.h"
#include "recipes/Ricette.h"
#include "recipes/WebCam.h"
#include "recipes/Zoom.h"

#include "TestSupport.h"

#include <QApplication>
#include <QCameraDevice>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMediaDevices>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

void click(QWidget *dialog, const char *name)
{
    QTest::mouseClick(dialog->findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
}

QImage frame(QColor colour)
{
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestPhotoDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cameraWithoutDevice();
    void captureSaveAndImport();
    void importWithoutCaptureGivesPlaceholder();
    void zoomClosesOnClick();
};

void TestPhotoDialogs::cameraWithoutDevice()
{
    if (!QMediaDevices::videoInputs().isEmpty())
        QSKIP("this machine has a camera");
    TfrmWebCam dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" Cattura foto con webcam"));
    QCOMPARE(dialog.size(), QSize(807, 405));
    click(&dialog, "btnAccendi");
    QVERIFY(!dialog.cameraActive());
    click(&dialog, "btnSpegni");
    click(&dialog, "btnCattura"); // copies the live panel (the placeholder) without harm
    QVERIFY(!dialog.photo().isNull());
}

void TestPhotoDialogs::captureSaveAndImport()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    TfrmRicette recipes;
    const auto capture = onNextModal([&](QWidget *w) {
        auto *camera = qobject_cast<TfrmWebCam *>(w);
        QVERIFY(camera);
        camera->camCameraSampleBufferReady(frame(Qt::red)); // a frame as the camera sends it
        click(camera, "btnCattura");
        camera->camCameraSampleBufferReady(frame(Qt::blue)); // the live picture moves on
        QCOMPARE(camera->photo().pixelColor(5, 5), QColor(Qt::red));
        // "Salva foto su disco": a name without extension gets ".jpg".
        const auto saving = onNextModal([&](QWidget *chooser) {
            auto *d = qobject_cast<QFileDialog *>(chooser);
            QVERIFY(d);
            QCOMPARE(
                d->windowTitle(),
                QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
            d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
                ->setText(folder.file(QStringLiteral("scatto")));
            static_cast<QDialog *>(d)->accept();
        });
        click(camera, "btnSalvaFotogramma");
        QCOMPARE(recipes::readPicture(folder.file(QStringLiteral("scatto.jpg"))).size(),
                 QSize(320, 240));
        click(camera, "btnImportaFoto");
    });
    QTest::mouseClick(recipes.findChild<QPushButton *>(QStringLiteral("btnAcquisisciFoto")),
                      Qt::LeftButton);
    QCOMPARE(recipes.photo().size(), QSize(320, 240));
    QVERIFY(qRed(recipes.photo().pixel(5, 5)) > 240);

    // "Annulla" leaves the recipe's photo as it was.
    const auto cancelled = onNextModal([](QWidget *w) {
        static_cast<TfrmWebCam *>(w)->camCameraSampleBufferReady(frame(Qt::green));
        click(w, "btnCattura");
        click(w, "btnClose");
    });
    QTest::mouseClick(recipes.findChild<QPushButton *>(QStringLiteral("btnAcquisisciFoto")),
                      Qt::LeftButton);
    QVERIFY(qRed(recipes.photo().pixel(5, 5)) > 240);
    QVERIFY(messages.shown.isEmpty());
}

void TestPhotoDialogs::importWithoutCaptureGivesPlaceholder()
{
    TfrmRicette recipes;
    recipes.setPhoto(frame(Qt::red));
    const auto placeholder = onNextModal([](QWidget *w) { click(w, "btnImportaFoto"); });
    QTest::mouseClick(recipes.findChild<QPushButton *>(QStringLiteral("btnAcquisisciFoto")),
                      Qt::LeftButton);
    QVERIFY(recipes.photoIsPlaceholder());
}

void TestPhotoDialogs::zoomClosesOnClick()
{
    QImage big(300, 200, QImage::Format_RGB32);
    big.fill(Qt::darkGreen);
    for (const char *target : {"imgFoto", "panContainer"}) {
        TfrmZoom zoom(big);
        QCOMPARE(zoom.windowTitle(),
                 QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
        zoom.show();
        QVERIFY(QTest::qWaitForWindowExposed(&zoom));
        auto *picture = zoom.findChild<QLabel *>(QStringLiteral("imgFoto"));
        QCOMPARE(picture->pixmap().size(), QSize(300, 200)); // its real size when it fits
        QTest::mouseClick(zoom.findChild<QWidget *>(QLatin1String(target)), Qt::LeftButton);
        QVERIFY(!zoom.isVisible());
        QCOMPARE(zoom.result(), int(QDialog::Accepted));
    }
}

QTEST_MAIN(TestPhotoDialogs)
#include "tst_photodialogs.moc"
