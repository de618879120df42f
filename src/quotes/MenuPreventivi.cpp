#include "quotes/MenuPreventivi.h"

#include "archive/ArchiveForm.h"
#include "archive/DialogParts.h"
#include "archive/FieldChrome.h"
#include "archive/YearOpening.h"
#include "quotes/Logo.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteRecord.h"
#include "shell/Help.h"
#include "shell/Picture.h"
#include "shell/WindowSet.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString helpTitle = QStringLiteral("App Emissione preventivi");
} // namespace

TfrmMenuPreventivi::TfrmMenuPreventivi(QWidget *parent) : GradientBackground(parent)
{
    setWindowTitle(QStringLiteral(" Brisvola - Emissione preventivi"));
    setWindowState(Qt::WindowMaximized);
    setWindowIcon(QIcon(QStringLiteral(":/icons/brisvola.svg")));

    lblMemory = new QLabel(QStringLiteral("avvio"), this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panCentro"));
    panel->setFixedSize(760, 400);
    panel->setAttribute(Qt::WA_StyledBackground);
    // The year box's heading sits on its frame, inside the panel.
    panel->setStyleSheet(QStringLiteral(
        "#panCentro { background: white; border: 1px solid #9fb6d6; border-radius: 10px; }"
        "QGroupBox { border: 1px solid #9fb6d6; border-radius: 6px; margin-top: 10px;"
        " padding-top: 10px; background: #f5f8fc; }"
        "QGroupBox::title { subcontrol-origin: border; subcontrol-position: top left;"
        " left: 14px; top: -9px; padding: 0 6px; color: #1f4e9c; font-weight: bold;"
        " background: white; }"));

    imgTitolo = new QLabel(panel);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));
    imgTitolo->setPixmap(QIcon(QStringLiteral(":/quotes/banner_preventivi.svg")).pixmap(700, 90));

    imgGuida = brisvola::pictureButton(panel, QStringLiteral("imgGuida"),
                                       QStringLiteral(":/quotes/help.svg"), 34);
    imgGuida->setToolTip(QStringLiteral("Guida"));
    imgEsci = brisvola::pictureButton(panel, QStringLiteral("imgEsci"),
                                      QStringLiteral(":/quotes/exit.svg"), 34);
    imgEsci->setToolTip(QStringLiteral("Esci"));

    lblInfo = new QLabel(QStringLiteral("In questo ambiente è possibile archiviare i preventivi "
                                        "emessi ai propri clienti."),
                         panel);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setStyleSheet(QStringLiteral("color: #1b2b40; font-size: 11pt;"));

    imgEmail = brisvola::pictureButton(panel, QStringLiteral("imgEmail"),
                                       QStringLiteral(":/quotes/logo_link.svg"), 22);
    lnkWeb = new QLabel(QStringLiteral("Imposta logo Ditta"), panel);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->setCursor(Qt::PointingHandCursor);
    lnkWeb->setStyleSheet(QStringLiteral("color: #0b2e6b; text-decoration: underline;"));
    lnkWeb->installEventFilter(this);

    intAnnoPreventivi = new QGroupBox(QStringLiteral("Emissione preventivi:"), panel);
    intAnnoPreventivi->setObjectName(QStringLiteral("intAnnoPreventivi"));
    titAnnoPreventivi = new QLabel(QStringLiteral("Anno:"), intAnnoPreventivi);
    titAnnoPreventivi->setObjectName(QStringLiteral("titAnnoPreventivi"));
    txtAnnoPreventivi = new QLineEdit(intAnnoPreventivi);
    txtAnnoPreventivi->setObjectName(QStringLiteral("txtAnnoPreventivi"));
    QFont yearFont = txtAnnoPreventivi->font();
    yearFont.setBold(true);
    yearFont.setPointSize(14);
    txtAnnoPreventivi->setFont(yearFont);
    txtAnnoPreventivi->setFixedWidth(90);
    txtAnnoPreventivi->setAlignment(Qt::AlignCenter);
    brisvola::addFocusHighlight(txtAnnoPreventivi, QStringLiteral("effAnnoPreventivi"));
    btnApriPreventivi = dialogparts::button(QStringLiteral("btnApriPreventivi"),
                                            QStringLiteral("Apri"), intAnnoPreventivi);
    auto *yearRow = new QHBoxLayout(intAnnoPreventivi);
    yearRow->setContentsMargins(18, 22, 18, 16);
    yearRow->setSpacing(12);
    yearRow->addWidget(titAnnoPreventivi);
    yearRow->addWidget(txtAnnoPreventivi);
    yearRow->addSpacing(8);
    yearRow->addWidget(btnApriPreventivi);
    yearRow->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(imgTitolo);
    top->addStretch();
    auto *link = new QHBoxLayout;
    link->setSpacing(4);
    link->addStretch();
    link->addWidget(imgEmail);
    link->addWidget(lnkWeb);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(imgGuida);
    bottom->addWidget(imgEsci);

    auto *inner = new QVBoxLayout(panel);
    inner->setContentsMargins(28, 24, 28, 20);
    inner->setSpacing(16);
    inner->addLayout(top);
    inner->addLayout(link);
    inner->addWidget(lblInfo);
    inner->addWidget(intAnnoPreventivi);
    inner->addStretch();
    inner->addLayout(bottom);

    auto *outer = new QGridLayout(this);
    outer->addWidget(panel, 0, 0, Qt::AlignCenter);

    yearopening::setUpYearEdit(txtAnnoPreventivi, btnApriPreventivi);
    connect(btnApriPreventivi, &QPushButton::clicked, this,
            &TfrmMenuPreventivi::btnApriPreventiviClick);
    connect(imgEmail, &QToolButton::clicked, this, &TfrmMenuPreventivi::openLogo);
    connect(imgGuida, &QToolButton::clicked, this, [this] { brisvola::showHelp(this, helpTitle); });
    connect(imgEsci, &QToolButton::clicked, this, &QWidget::close);
}

void TfrmMenuPreventivi::showEvent(QShowEvent *event)
{
    GradientBackground::showEvent(event);
    if (event->spontaneous())
        return;
    lblMemory->setText(QStringLiteral("avvio"));
    yearopening::startYear(txtAnnoPreventivi);
}

void TfrmMenuPreventivi::btnApriPreventiviClick()
{
    const std::optional<yearopening::OpenedYear> opened =
        yearopening::openYear(txtAnnoPreventivi, quotes::quoteArchiveSuffix);
    if (!opened)
        return;
    // The quote window works on the year's archive from now on.
    if (auto *quotesWindow = brisvola::window<TfrmPreventivi>(QStringLiteral("TfrmPreventivi")))
        quotesWindow->openYear(opened->year);
    lblMemory->setText(QStringLiteral("preventivi"));
    close();
}

void TfrmMenuPreventivi::closeEvent(QCloseEvent *event)
{
    event->accept();
    const bool opened = lblMemory->text() == QLatin1String("preventivi");
    QWidget *next =
        brisvola::window(opened ? QStringLiteral("TfrmPreventivi") : QStringLiteral("TfrmAvvio"));
    brisvola::showInstead(next, this);
}

void TfrmMenuPreventivi::openLogo()
{
    TfrmLogo logo(this);
    logo.exec();
}

bool TfrmMenuPreventivi::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lnkWeb) {
        if (event->type() == QEvent::MouseButtonPress) {
            lnkWeb->setStyleSheet(QStringLiteral("color: #e67e00; text-decoration: underline;"));
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            lnkWeb->setStyleSheet(QStringLiteral("color: #0b2e6b; text-decoration: underline;"));
            if (lnkWeb->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
                openLogo();
            return true;
        }
    }
    return GradientBackground::eventFilter(watched, event);
}
