#pragma once

#include "quotes/QuoteDocumentDialog.h"

// Shows the quote on screen in the print preview.
class TfrmAnteprimaPrev : public QuoteDocumentDialog
{
    Q_OBJECT
public:
    explicit TfrmAnteprimaPrev(TfrmPreventivi *quoteWindow, QWidget *parent = nullptr);

protected:
    void produce() override;
};
