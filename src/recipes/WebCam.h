#pragma once

#include <QDialog>
#include <QImage>
#include <QMediaCaptureSession>

class QCamera;
class QLabel;
class QPushButton;
class QVideoFrame;
class QVideoSink;

// The camera window: the live picture of the default camera on the left, the captured frame on
// the right. "Importa foto in scheda" closes it accepted; photo() is then the picture for the card.
// Frames arrive from the capture service's thread and are handed to the user-interface thread,
// which alone touches the pictures. A machine without a camera gets the dialog all the same:
// "Accendi webcam" then has nothing to start.
class TfrmWebCam : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmWebCam(QWidget *parent = nullptr);
    ~TfrmWebCam() override;

    QImage photo() const { return m_target; }
    bool cameraActive() const;

    // The picture handling of a frame, reachable by tests without a device.
    void camCameraSampleBufferReady(const QImage &frame);

protected:
    void done(int result) override;

private:
    void btnAccendiClick();
    void btnSpegniClick();
    void btnCatturaClick();
    void btnSalvaFotogrammaClick();
    void btnImportaFotoClick();
    void showLive();
    void showTarget();

    QImage m_live;
    QImage m_target;
    QCamera *camCamera = nullptr;
    QMediaCaptureSession m_session;
    QVideoSink *m_sink;
    QLabel *imgCamera;
    QLabel *imgTarget;
    QPushButton *btnAccendi, *btnSpegni, *btnCattura, *btnSalvaFotogramma, *btnImportaFoto,
        *btnClose;
};
