#include "recipes/Zoom.h"

#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TfrmZoom::TfrmZoom(const QImage &photo, QWidget *parent) : QDialog(parent), m_photo(photo)
{
    setObjectName(QStringLiteral("TfrmZoom"));
    setWindowTitle(QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    setStyleSheet(QStringLiteral("TfrmZoom { background: #202020; }"));
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    panContainer = new QLabel(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setAlignment(Qt::AlignCenter);
    box->addWidget(panContainer, 0, Qt::AlignCenter);
    imgFoto = new QLabel(panContainer);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setAlignment(Qt::AlignCenter);
    imgFoto->setCursor(Qt::PointingHandCursor);
    panContainer->installEventFilter(this);
    imgFoto->installEventFilter(this);
    setWindowState(Qt::WindowMaximized);
}

void TfrmZoom::showEvent(QShowEvent *event)
{
    const QRect screen =
        (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const QSize area(qMax(100, screen.width() - 60), qMax(100, screen.height() - 90));
    panContainer->setFixedSize(area);
    imgFoto->setGeometry(QRect(QPoint(0, 0), area));
    QImage shown = m_photo;
    if (shown.width() > area.width() || shown.height() > area.height())
        shown = shown.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    imgFoto->setPixmap(QPixmap::fromImage(shown));
    QDialog::showEvent(event);
}

bool TfrmZoom::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == imgFoto || watched == panContainer)) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmZoom::mousePressEvent(QMouseEvent *)
{
    accept();
}
