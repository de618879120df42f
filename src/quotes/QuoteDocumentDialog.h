#pragma once

#include "documents/Report.h"
#include "quotes/QuoteDocument.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TfrmPreventivi;

// What the three document windows of the quote window share: the explanation, "Annulla" and the
// button that fills the quote document from the quote window and hands it on (preview, printer,
// PDF file). Each window holds the logo to print (imgLogo, loaded from "Logo.bmp" when shown),
// the default picture (imgTemp) and its own copy of the template.
class QuoteDocumentDialog : public QDialog
{
    Q_OBJECT
public:
    QLabel *imgLogo;
    QLabel *imgTemp;
    QPushButton *btnAnnulla;
    QPushButton *btnStampa;

    brisvola::documents::Report &report() { return m_report; }
    // Fills the template from the quote window as it is now; false when the template is damaged.
    bool fillDocument();

    // btnStampa: fill, then produce.
    void btnStampaClick();

    // The texts of the quote on screen, by record field name.
    static quotes::QuoteTexts quoteTexts(const TfrmPreventivi &quoteWindow);

protected:
    struct Look
    {
        QString className;
        QString caption;
        QString button;
        QString icon;
        QString title;
        QString explanation;
    };
    QuoteDocumentDialog(const Look &look, TfrmPreventivi *quoteWindow, QWidget *parent);

    // What the window does with the filled document.
    virtual void produce() = 0;

    void showEvent(QShowEvent *event) override;

    TfrmPreventivi *m_quoteWindow;

private:
    void loadLogo();

    brisvola::documents::Report m_report;
    bool m_templateRead = false;
};
