#pragma once

#include "archive/FindDialog.h"

class TfrmPreventivi;

// The dish import of a quote line: a find over the recipe archive; a double click copies the
// dish's course, name and portion price into the quote line named by lblMemory ("pre_art_01" to
// "pre_art_30") and touches nothing else of the quote.
class TfrmImportaMagazzino : public FindDialog
{
    Q_OBJECT
public:
    explicit TfrmImportaMagazzino(TfrmPreventivi *quoteWindow, QWidget *parent = nullptr);

    // "pre_art_" and the two digits of the line.
    static QString keyword(int line);
};
