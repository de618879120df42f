#include "shell/Splash.h"

#include "shell/Avvio.h"
#include "shell/OpenURL.h"
#include "shell/Picture.h"

#include <QLabel>
#include <QPushButton>

using namespace brisvola;

TfrmSplash::TfrmSplash(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmSplash"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral(" Brisvola - Progettazione e sviluppo: Brisvola Software"));
    setFixedSize(661, 467);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setStyleSheet(shellStyleSheet());

    auto *imgSplash = new Picture(QStringLiteral(":/shell/crediti_finestra.svg"), this);
    imgSplash->setObjectName(QStringLiteral("imgSplash"));
    imgSplash->setGeometry(0, 0, 661, 370);

    auto *imgWeb = new Picture(QStringLiteral(":/shell/web.svg"), this);
    imgWeb->setObjectName(QStringLiteral("imgWeb"));
    imgWeb->setClickable(true);
    imgWeb->setGeometry(28, 396, 40, 40);

    lnkWeb = new LinkLabel(QStringLiteral("www.brisvola.it"), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->setGeometry(78, 401, 300, 30);

    auto *btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setGeometry(513, 398, 120, 38);

    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmSplash::lnkWebClick);
    connect(imgWeb, &Picture::clicked, this, &TfrmSplash::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmSplash::lnkWebClick()
{
    TMisc::Open(TfrmAvvio::webSite());
}
