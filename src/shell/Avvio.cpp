#include "shell/Avvio.h"

#include "backup/Copie.h"
#include "shell/Help.h"
#include "shell/HelpTopics.h"
#include "shell/Info.h"
#include "shell/OpenURL.h"
#include "shell/Picture.h"
#include "shell/Splash.h"
#include "shell/WindowSet.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>

using namespace brisvola;

namespace {
constexpr int panelWidth = 995;
constexpr int panelHeight = 692;
constexpr int tileWidth = 320;
constexpr int tileHeight = 228;
constexpr int headerHeight = 118;
constexpr int footerHeight = 70;

QWidget *whiteStrip(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *strip = new QWidget(parent);
    strip->setObjectName(name);
    strip->setAttribute(Qt::WA_StyledBackground);
    strip->setStyleSheet(
        QStringLiteral("#%1 { background: white; border-radius: 6px; }").arg(name));
    strip->setGeometry(geometry);
    return strip;
}

Picture *picture(QWidget *parent, const QString &name, const QString &artwork,
                 const QRect &geometry, bool clickable)
{
    auto *p = new Picture(QStringLiteral(":/shell/") + artwork, parent);
    p->setObjectName(name);
    p->setGeometry(geometry);
    p->setClickable(clickable);
    return p;
}
} // namespace

TfrmAvvio::TfrmAvvio(QWidget *parent) : QWidget(parent)
{
    // The program's date and number formats are set once, at start-up, for every window.
    setWindowTitle(QStringLiteral("Brisvola"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/brisvola.svg")));
    setWindowState(Qt::WindowMaximized);
    setMinimumSize(640, 480);

    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->resize(panelWidth, panelHeight);

    // Header: information icon, program icon and title (the two centred as one block), help icon.
    QWidget *header = whiteStrip(panContainer, QStringLiteral("panIntestazione"),
                                 QRect(0, 0, panelWidth, headerHeight));
    Picture *imgInfo = picture(header, QStringLiteral("imgInfo"), QStringLiteral("info.svg"),
                               QRect(18, 16, 40, 40), true);
    imgInfo->setToolTip(QStringLiteral("Informazioni su Brisvola"));
    picture(header, QStringLiteral("imgIcona"), QStringLiteral("logo.svg"), QRect(296, 12, 94, 94),
            false);
    picture(header, QStringLiteral("imgTitolo"), QStringLiteral("titolo.svg"),
            QRect(402, 14, 400, 90), false);
    Picture *imgGuida = picture(header, QStringLiteral("imgGuida"), QStringLiteral("guida.svg"),
                                QRect(panelWidth - 58, 16, 40, 40), true);
    imgGuida->setToolTip(QStringLiteral("Guida all'utilizzo del software"));
    connect(imgInfo, &Picture::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(imgGuida, &Picture::clicked, this, &TfrmAvvio::imgGuidaClick);

    // The six tiles, in two rows of three.
    addTile(QStringLiteral("04"), QStringLiteral("TfrmFornitori"), QStringLiteral("app_clienti"), 0,
            0);
    addTile(QStringLiteral("02"), QStringLiteral("TfrmRicette"), QStringLiteral("app_ricette"), 1,
            0);
    addTile(QStringLiteral("03"), QStringLiteral("TfrmMenu"), QStringLiteral("app_menu"), 2, 0);
    addTile(QStringLiteral("07"), QStringLiteral("TfrmMenuPreventivi"),
            QStringLiteral("app_preventivi"), 0, 1);
    addTile(QStringLiteral("06"), QStringLiteral("TfrmPrenotazioni"),
            QStringLiteral("app_prenotazioni"), 1, 1);
    addTile(QStringLiteral("08"), QStringLiteral("TfrmCalendarioServizi"),
            QStringLiteral("app_calendario"), 2, 1);

    // Footer: credits, the web site banner across the width, exit.
    QWidget *footer = whiteStrip(panContainer, QStringLiteral("panPiede"),
                                 QRect(0, panelHeight - footerHeight, panelWidth, footerHeight));
    Picture *imgCopyright = picture(footer, QStringLiteral("imgCopyright"),
                                    QStringLiteral("crediti.svg"), QRect(18, 13, 44, 44), true);
    imgCopyright->setToolTip(QStringLiteral("Riconoscimenti"));
    Picture *imgSito = picture(footer, QStringLiteral("imgSito"), QStringLiteral("sito.svg"),
                               QRect(90, 9, panelWidth - 236, 52), true);
    imgSito->setToolTip(webSite());
    Picture *imgEsci = picture(footer, QStringLiteral("imgEsci"), QStringLiteral("esci.svg"),
                               QRect(panelWidth - 62, 13, 44, 44), true);
    imgEsci->setToolTip(QStringLiteral("Esci dal programma"));
    Picture *imgCopie = picture(footer, QStringLiteral("imgCopie"), QStringLiteral("copie.svg"),
                                QRect(panelWidth - 118, 13, 44, 44), true);
    imgCopie->setToolTip(QStringLiteral("Copie di sicurezza dei dati"));
    connect(imgCopie, &Picture::clicked, this, [this] {
        TfrmCopie copies(this);
        copies.exec();
    });
    connect(imgCopyright, &Picture::clicked, this, &TfrmAvvio::imgCopyrightClick);
    connect(imgSito, &Picture::clicked, this, &TfrmAvvio::imgSitoClick);
    connect(imgEsci, &Picture::clicked, this, &TfrmAvvio::imgEsciClick);

    updateTiles();
}

QString TfrmAvvio::webSite()
{
    return QStringLiteral("https://www.brisvola.it");
}

void TfrmAvvio::addTile(const QString &number, const QString &windowName, const QString &artwork,
                        int column, int row)
{
    // Three tiles of 320 centred across the panel; the two rows evenly between the strips.
    constexpr int gapX = 10;
    constexpr int left = (panelWidth - 3 * tileWidth - 2 * gapX) / 2;
    const int gapY = (panelHeight - headerHeight - footerHeight - 2 * tileHeight) / 3;
    const QRect geometry(left + column * (tileWidth + gapX),
                         headerHeight + gapY + row * (tileHeight + gapY), tileWidth, tileHeight);
    QWidget *tile = whiteStrip(panContainer, QStringLiteral("panApp") + number, geometry);
    Tile t{number, windowName,
           picture(tile, QStringLiteral("imgApp") + number, artwork + QStringLiteral(".svg"),
                   QRect(31, 9, 258, 164), true),
           picture(tile, QStringLiteral("btnApp") + number, QStringLiteral("pulsante_apri.svg"),
                   QRect(31, 176, 258, 45), true)};
    connect(t.image, &Picture::clicked, this, [this, windowName] { openApp(windowName); });
    connect(t.button, &Picture::clicked, this, [this, windowName] { openApp(windowName); });
    m_tiles.append(t);
}

void TfrmAvvio::updateTiles()
{
    for (const Tile &t : std::as_const(m_tiles)) {
        const bool available = hasWindow(t.windowName);
        const QString tip =
            available ? QString() : QStringLiteral("Funzione non disponibile in questa versione.");
        for (Picture *p : {t.image, t.button}) {
            p->setEnabled(available);
            p->setToolTip(tip);
        }
    }
}

void TfrmAvvio::openApp(const QString &windowName)
{
    if (QWidget *app = brisvola::window(windowName))
        showInstead(app, this);
}

void TfrmAvvio::paintEvent(QPaintEvent *)
{
    paintGradient(this, QColor(launcherBlue));
}

void TfrmAvvio::resizeEvent(QResizeEvent *event)
{
    panContainer->move(qMax(0, (width() - panelWidth) / 2), qMax(0, (height() - panelHeight) / 2));
    QWidget::resizeEvent(event);
}

void TfrmAvvio::showEvent(QShowEvent *event)
{
    updateTiles();
    // Maximised also where no window manager honours the state.
    fitToScreenIfMaximised(this);
    QWidget::showEvent(event);
}

void TfrmAvvio::closeEvent(QCloseEvent *event)
{
    event->accept();
    QApplication::quit();
}

void TfrmAvvio::imgInfoClick()
{
    TfrmInfo info(this);
    info.exec();
}

void TfrmAvvio::imgGuidaClick()
{
    showHelp(this, generalTopicTitle);
}

void TfrmAvvio::imgCopyrightClick()
{
    TfrmSplash splash(this);
    splash.exec();
}

void TfrmAvvio::imgSitoClick()
{
    TMisc::Open(webSite());
}

void TfrmAvvio::imgEsciClick()
{
    close();
}
