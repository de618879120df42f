#pragma once

#include "quotes/QuoteDocumentDialog.h"

// Prints the quote on screen on the default printer.
class TfrmStampaPrev : public QuoteDocumentDialog
{
    Q_OBJECT
public:
    explicit TfrmStampaPrev(TfrmPreventivi *quoteWindow, QWidget *parent = nullptr);

protected:
    void produce() override;
};
