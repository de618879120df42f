#include "quotes/QuoteDocumentDialog.h"

#include "archive/ArchiveWindow.h"
#include "quotes/LogoFile.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteRecord.h"
#include "shell/Messages.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString damagedTemplate =
    QStringLiteral("Attenzione: il modello di stampa del preventivo non è leggibile.\r\n\r\n"
                   "Reinstallare il programma per ripristinarlo.");

QLabel *hiddenImage(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

} // namespace

QuoteDocumentDialog::QuoteDocumentDialog(const Look &look, TfrmPreventivi *quoteWindow,
                                         QWidget *parent)
    : QDialog(parent ? parent : quoteWindow), m_quoteWindow(quoteWindow)
{
    setObjectName(look.className);
    setWindowTitle(look.caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    imgLogo = hiddenImage(this, QStringLiteral("imgLogo"));
    imgTemp = hiddenImage(this, QStringLiteral("imgTemp"));
    imgTemp->setPixmap(QPixmap::fromImage(quotes::defaultLogo()));

    // The explanation: a picture, the title and what the button does.
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panSpiegazione"));
    panel->setStyleSheet(
        QStringLiteral("#panSpiegazione { background: #1f4e9c; border-radius: 10px; }"
                       "QLabel { color: #ffffff; }"));
    auto *icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("imgIcona"));
    icon->setPixmap(QIcon(look.icon).pixmap(56, 56));
    icon->setAlignment(Qt::AlignTop);
    auto *title = new QLabel(look.title, panel);
    title->setObjectName(QStringLiteral("imgTitolo"));
    QFont titleFont = title->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto *explanation = new QLabel(look.explanation, panel);
    explanation->setObjectName(QStringLiteral("imgSpiegazione"));
    explanation->setWordWrap(true);
    explanation->setStyleSheet(QStringLiteral("color: #dfe9f7;"));
    auto *texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(title);
    texts->addWidget(explanation);
    texts->addStretch();
    auto *panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(16, 14, 18, 16);
    panelLayout->setSpacing(14);
    panelLayout->addWidget(icon);
    panelLayout->addLayout(texts, 1);
    panel->setFixedWidth(440);

    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnStampa = new QPushButton(look.button, this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnAnnulla->setAutoDefault(false);
    btnStampa->setDefault(true);
    for (QPushButton *b : {btnAnnulla, btnStampa})
        b->setMinimumSize(130, 30);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addStretch();
    buttons->addWidget(btnStampa);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(14);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnStampa, &QPushButton::clicked, this, &QuoteDocumentDialog::btnStampaClick);
}

void QuoteDocumentDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        loadLogo();
}

void QuoteDocumentDialog::loadLogo()
{
    // "Logo.bmp", or the default picture when it is missing or unreadable.
    QImage logo(quotes::logoPath());
    if (logo.isNull())
        logo = imgTemp->pixmap().toImage();
    imgLogo->setPixmap(QPixmap::fromImage(logo));
}

quotes::QuoteTexts QuoteDocumentDialog::quoteTexts(const TfrmPreventivi &quoteWindow)
{
    quotes::QuoteTexts texts;
    const ArchiveWindow *archive = quoteWindow.archive();
    const RecordLayout &layout = quotes::quoteLayout();
    for (int i = 0; i < layout.fieldCount(); ++i)
        if (const QWidget *control = archive->control(layout.name(i)))
            texts.insert(QLatin1StringView(layout.name(i)), ArchiveWindow::fieldText(control));
    return texts;
}

bool QuoteDocumentDialog::fillDocument()
{
    if (!m_templateRead) {
        m_templateRead = m_report.load(quotes::quoteTemplate);
        if (!m_templateRead)
            return false;
    }
    if (imgLogo->pixmap().isNull())
        loadLogo();
    return quotes::fillQuoteDocument(m_report, quoteTexts(*m_quoteWindow),
                                     imgLogo->pixmap().toImage());
}

void QuoteDocumentDialog::btnStampaClick()
{
    if (!fillDocument()) {
        brisvola::showMessage(this, brisvola::MessageKind::Warning, damagedTemplate,
                              brisvola::MessageButtons::Ok);
        return;
    }
    produce();
}
