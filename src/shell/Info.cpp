#include "shell/Info.h"

#include "shell/OpenURL.h"
#include "shell/Picture.h"
#include "shell/Version.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

using namespace brisvola;

TfrmInfo::TfrmInfo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmInfo"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral(" Informazioni su Brisvola"));
    setFixedSize(473, 579);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setStyleSheet(shellStyleSheet());

    auto *imgInfo = new Picture(QStringLiteral(":/shell/info_intestazione.svg"), this);
    imgInfo->setObjectName(QStringLiteral("imgLogo"));
    imgInfo->setGeometry(0, 0, 473, 250);

    auto *lblDescrizione = new QLabel(
        QStringLiteral(
            "Il software per ristoranti, trattorie, pizzerie e mense: preventivi per eventi e "
            "cerimonie, archivio ricette, stampa menu, prenotazione dei tavoli e clienti "
            "abituali.\n\nVersione %1")
            .arg(programVersion()),
        this);
    lblDescrizione->setObjectName(QStringLiteral("lblDescrizione"));
    lblDescrizione->setWordWrap(true);
    lblDescrizione->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont df = lblDescrizione->font();
    df.setPointSize(11);
    lblDescrizione->setFont(df);
    lblDescrizione->setStyleSheet(QStringLiteral("color: #1B3A5C;"));
    lblDescrizione->setGeometry(36, 262, 401, 120);

    auto *lblContatti =
        new QLabel(QStringLiteral("Per informazioni, suggerimenti e assistenza scrivete a:"), this);
    lblContatti->setObjectName(QStringLiteral("lblContatti"));
    lblContatti->setAlignment(Qt::AlignCenter);
    lblContatti->setGeometry(20, 396, 433, 24);

    auto *imgEmail = new Picture(QStringLiteral(":/shell/email.svg"), this);
    imgEmail->setObjectName(QStringLiteral("imgEmail"));
    imgEmail->setClickable(true);
    imgEmail->setGeometry(96, 430, 44, 34);

    lnkWeb = new LinkLabel(makerAddress(), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->setGeometry(150, 432, 250, 30);

    auto *btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setGeometry(176, 510, 120, 38);

    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmInfo::lnkWebClick);
    connect(imgEmail, &Picture::clicked, this, &TfrmInfo::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

QString TfrmInfo::makerAddress()
{
    return QStringLiteral("info@brisvola.it");
}

QString TfrmInfo::mailCommand()
{
    return QLatin1Char('"') +
           mailtoLink(makerAddress(), QStringLiteral("Software Brisvola"),
                      QStringLiteral("Salve, desidererei avere le seguenti informazioni sul "
                                     "software in oggetto:")) +
           QLatin1Char('"');
}

void TfrmInfo::showEvent(QShowEvent *event)
{
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TfrmInfo::lnkWebClick()
{
    TMisc::Open(mailCommand());
}
