#include "recipes/WebCam.h"

#include "recipes/PhotoFiles.h"

#include <QCamera>
#include <QCameraDevice>
#include <QGridLayout>
#include <QLabel>
#include <QMediaDevices>
#include <QPainter>
#include <QPushButton>
#include <QVideoFrame>
#include <QVideoSink>

namespace {
const QSize pictureSize(366, 274);

QLabel *pictureFrame(QWidget *parent, const char *name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setFixedSize(pictureSize + QSize(8, 8));
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QStringLiteral("QLabel { background: white; border: 1px solid #9db8d6; }"));
    return l;
}
} // namespace

TfrmWebCam::TfrmWebCam(QWidget *parent) : QDialog(parent), m_sink(new QVideoSink(this))
{
    setObjectName(QStringLiteral("TfrmWebCam"));
    setWindowTitle(QStringLiteral(" Cattura foto con webcam"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(807, 405);
    setStyleSheet(QStringLiteral("TfrmWebCam { background: #eef4fa; } QPushButton { font-family: "
                                 "Verdana; font-size: 12px; min-height: 28px; }"));

    imgCamera = pictureFrame(this, "imgCamera");
    imgTarget = pictureFrame(this, "imgTarget");
    auto button = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    btnAccendi = button("btnAccendi", QStringLiteral("Accendi webcam"));
    btnSpegni = button("btnSpegni", QStringLiteral("Spegni webcam"));
    btnCattura = button("btnCattura", QStringLiteral("Cattura foto"));
    btnSalvaFotogramma = button("btnSalvaFotogramma", QStringLiteral("Salva foto su disco"));
    btnImportaFoto = button("btnImportaFoto", QStringLiteral("Importa foto in scheda"));
    btnClose = button("btnClose", QStringLiteral("Annulla"));

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(18, 14, 18, 14);
    grid->setHorizontalSpacing(24);
    grid->addWidget(imgCamera, 0, 0, 1, 2, Qt::AlignCenter);
    grid->addWidget(imgTarget, 0, 2, 1, 2, Qt::AlignCenter);
    grid->addWidget(btnAccendi, 1, 0);
    grid->addWidget(btnSpegni, 1, 1);
    grid->addWidget(btnCattura, 1, 2);
    grid->addWidget(btnSalvaFotogramma, 1, 3);
    grid->addWidget(btnImportaFoto, 2, 2);
    grid->addWidget(btnClose, 2, 3);

    m_live = recipes::placeholderPhoto();
    m_target = recipes::placeholderPhoto();
    showLive();
    showTarget();

    m_session.setVideoSink(m_sink);
    // Queued to this object's (the user-interface) thread when the frame comes from elsewhere.
    connect(m_sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame &frame) {
        if (cameraActive())
            camCameraSampleBufferReady(frame.toImage());
    });
    connect(btnAccendi, &QPushButton::clicked, this, [this] { btnAccendiClick(); });
    connect(btnSpegni, &QPushButton::clicked, this, [this] { btnSpegniClick(); });
    connect(btnCattura, &QPushButton::clicked, this, [this] { btnCatturaClick(); });
    connect(btnSalvaFotogramma, &QPushButton::clicked, this, [this] { btnSalvaFotogrammaClick(); });
    connect(btnImportaFoto, &QPushButton::clicked, this, [this] { btnImportaFotoClick(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmWebCam::~TfrmWebCam()
{
    btnSpegniClick();
}

bool TfrmWebCam::cameraActive() const
{
    return camCamera && camCamera->isActive();
}

void TfrmWebCam::camCameraSampleBufferReady(const QImage &frame)
{
    if (frame.isNull())
        return;
    m_live = frame;
    showLive();
}

void TfrmWebCam::btnAccendiClick()
{
    if (cameraActive())
        return;
    const QCameraDevice device = QMediaDevices::defaultVideoInput();
    if (device.isNull() || QMediaDevices::videoInputs().isEmpty()) {
        // Nothing to start: the live panel says so instead of staying silently blank.
        QImage notice = recipes::placeholderPhoto();
        QPainter p(&notice);
        p.fillRect(QRect(0, notice.height() - 40, notice.width(), 40), QColor(0, 0, 0, 150));
        p.setPen(Qt::white);
        p.setFont(QFont(QStringLiteral("Verdana"), 11, QFont::Bold));
        p.drawText(QRect(0, notice.height() - 40, notice.width(), 40), Qt::AlignCenter,
                   QStringLiteral("Nessuna webcam collegata"));
        p.end();
        m_live = notice;
        showLive();
        return;
    }
    delete camCamera;
    camCamera = new QCamera(device, this);
    camCamera->setObjectName(QStringLiteral("camCamera"));
    m_session.setCamera(camCamera);
    camCamera->start();
}

void TfrmWebCam::btnSpegniClick()
{
    if (camCamera)
        camCamera->stop();
}

void TfrmWebCam::btnCatturaClick()
{
    m_target = m_live;
    showTarget();
}

void TfrmWebCam::btnSalvaFotogrammaClick()
{
    const QString path = recipes::askJpegSaveName(this);
    if (path.isEmpty())
        return;
    if (!recipes::writeJpeg(m_target, path)) {
        m_target = recipes::placeholderPhoto();
        showTarget();
    }
}

void TfrmWebCam::btnImportaFotoClick()
{
    btnSpegniClick();
    accept();
}

void TfrmWebCam::done(int result)
{
    btnSpegniClick();
    QDialog::done(result);
}

void TfrmWebCam::showLive()
{
    imgCamera->setPixmap(recipes::fitted(m_live, pictureSize));
}

void TfrmWebCam::showTarget()
{
    imgTarget->setPixmap(recipes::fitted(m_target, pictureSize));
}
