#include "quotes/Logo.h"

#include "archive/DialogParts.h"
#include "quotes/LogoFile.h"
#include "shell/FileChooser.h"
#include "shell/Messages.h"
#include "shell/Picture.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString saveFailedMessage = QStringLiteral(
    "Attenzione: non è stato possibile salvare il logo nel file Logo.bmp.\r\n\r\nAccertarsi di "
    "possedere i privilegi di scrittura nella cartella di installazione del programma.");
}

TfrmLogo::TfrmLogo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmLogo"));
    setWindowTitle(QStringLiteral(" Impostazione logo"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    imgTitolo = new QLabel(this);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));
    imgTitolo->setPixmap(QIcon(QStringLiteral(":/quotes/banner_logo.svg")).pixmap(420, 86));

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setFixedSize(quotes::logoWidth + 2, quotes::logoHeight + 2);
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setStyleSheet(QStringLiteral("background: white; border: 1px solid #9fb6d6;"));

    imgEuro = brisvola::pictureButton(this, QStringLiteral("imgEuro"),
                                      QStringLiteral(":/quotes/euro_icon.svg"), 22);
    imgEuro->setToolTip(QStringLiteral("Logo predefinito"));
    btnCancLogo = brisvola::pictureButton(this, QStringLiteral("btnCancLogo"),
                                          QStringLiteral(":/quotes/delete.svg"), 22);
    btnCancLogo->setToolTip(QStringLiteral("Nessun logo"));

    btnSfoglia =
        dialogparts::button(QStringLiteral("btnSfoglia"), QStringLiteral("Sfoglia..."), this);
    btnApplica =
        dialogparts::button(QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"), this);
    btnAnnulla = dialogparts::button(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    for (QPushButton *b : {btnSfoglia, btnApplica, btnAnnulla})
        b->setAutoDefault(false);

    auto *pictureTools = new QHBoxLayout;
    pictureTools->addWidget(imgEuro);
    pictureTools->addStretch();
    pictureTools->addWidget(btnCancLogo);
    auto *picture = new QVBoxLayout;
    picture->setSpacing(2);
    picture->addWidget(imgLogo);
    picture->addLayout(pictureTools);

    auto *side = new QVBoxLayout;
    side->addWidget(btnSfoglia);
    side->addStretch();
    side->addWidget(btnApplica);
    side->addWidget(btnAnnulla);

    auto *body = new QHBoxLayout;
    body->addLayout(picture);
    body->addSpacing(10);
    body->addLayout(side);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addWidget(imgTitolo);
    layout->addLayout(body);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(imgEuro, &QToolButton::clicked, this, [this] { setPicture(quotes::defaultLogo()); });
    connect(btnCancLogo, &QToolButton::clicked, this, [this] {
        QImage blank(2, 2, QImage::Format_RGB32);
        blank.fill(Qt::white);
        setPicture(blank);
    });
    connect(btnSfoglia, &QPushButton::clicked, this, &TfrmLogo::btnSfogliaClick);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmLogo::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    setPicture(quotes::currentLogo());
}

void TfrmLogo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        setPicture(quotes::currentLogo());
}

void TfrmLogo::setPicture(const QImage &image)
{
    m_picture = image;
    const QSize area(quotes::logoWidth, quotes::logoHeight);
    QPixmap shown = QPixmap::fromImage(image);
    if (shown.width() > area.width() || shown.height() > area.height())
        shown = shown.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    imgLogo->setPixmap(shown);
}

void TfrmLogo::loadPicture(const QString &path)
{
    setPicture(quotes::logoFrom(path));
}

void TfrmLogo::btnSfogliaClick()
{
    QFileDialog dialog(this, QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o "
                                            "Bitmap."));
    brisvola::prepareFileChooser(dialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Immagine JPEG (*.jpg *.jpeg)"),
                           QStringLiteral("Immagine Bitmap (*.bmp)")});
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        loadPicture(dialog.selectedFiles().constFirst());
}

void TfrmLogo::btnApplicaClick()
{
    if (!quotes::saveLogo(m_picture)) {
        // Reported, and the picture stays on screen: the user may try again or cancel.
        brisvola::showMessage(this, brisvola::MessageKind::Warning, saveFailedMessage);
        return;
    }
    accept();
}
