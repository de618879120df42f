#include "quotes/QuoteDocumentDialog.h"

#include "quotes/LogoFile.h"

#include <QLabel>
#include <QShowEvent>

namespace {

QLabel *hiddenImage(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

} // namespace

QuoteDocumentDialog::QuoteDocumentDialog(brisvola::documents::DocumentDialogConfig config,
                                         quotes::QuoteTexts quote, QWidget *parent)
    : DocumentDialog(std::move(config), parent), m_quote(std::move(quote))
{
    imgLogo = hiddenImage(this, QStringLiteral("imgLogo"));
    imgTemp = hiddenImage(this, QStringLiteral("imgTemp"));
    imgTemp->setPixmap(QPixmap::fromImage(quotes::defaultLogo()));
    setDocument({quotes::quoteTemplate, [this](brisvola::documents::Report &report) {
                     if (imgLogo->pixmap().isNull())
                         loadLogo();
                     return quotes::fillQuoteDocument(report, m_quote, imgLogo->pixmap().toImage());
                 }});
}

void QuoteDocumentDialog::showEvent(QShowEvent *event)
{
    DocumentDialog::showEvent(event);
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
