#pragma once

#include "quotes/QuoteDocumentDialog.h"

// Writes the quote as "Preventivo.pdf" in the program folder and offers to open it.
class TfrmCrea_PDF_Prev : public QuoteDocumentDialog
{
    Q_OBJECT
public:
    static const QString doneQuestion;
    static const QString failureMessage;

    explicit TfrmCrea_PDF_Prev(quotes::QuoteTexts quote, QWidget *parent = nullptr);
};
