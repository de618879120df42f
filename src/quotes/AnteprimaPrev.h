#pragma once

#include "quotes/QuoteDocumentDialog.h"

// Shows the quote in the print preview.
class TfrmAnteprimaPrev : public QuoteDocumentDialog
{
    Q_OBJECT
public:
    explicit TfrmAnteprimaPrev(quotes::QuoteTexts quote, QWidget *parent = nullptr);
};
