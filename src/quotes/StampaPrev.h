#pragma once

#include "quotes/QuoteDocumentDialog.h"

// Prints the quote on the default printer.
class TfrmStampaPrev : public QuoteDocumentDialog
{
    Q_OBJECT
public:
    explicit TfrmStampaPrev(quotes::QuoteTexts quote, QWidget *parent = nullptr);
};
