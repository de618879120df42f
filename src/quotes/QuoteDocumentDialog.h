#pragma once

#include "documents/DocumentDialog.h"
#include "quotes/QuoteDocument.h"

class QLabel;

// The quote document as the three document dialogs of the quote window produce it (preview,
// printer, PDF file): the quote's texts come in as values, the logo to print is loaded into the
// hidden image imgLogo when the dialog shows ("Logo.bmp", or the default picture of imgTemp).
class QuoteDocumentDialog : public brisvola::documents::DocumentDialog
{
    Q_OBJECT
public:
    QLabel *imgLogo;
    QLabel *imgTemp;

protected:
    QuoteDocumentDialog(brisvola::documents::DocumentDialogConfig config, quotes::QuoteTexts quote,
                        QWidget *parent);

    void showEvent(QShowEvent *event) override;

private:
    void loadLogo();

    quotes::QuoteTexts m_quote;
};
