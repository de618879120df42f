#pragma once

#include "archive/FindDialog.h"
#include "quotes/QuoteDocument.h"

class TfrmPreventivi;
struct QuoteDish;

namespace quotes {

// Connects the quote window's buttons that open the windows working on the quote or the year:
// cmdTrova (quote find, mode "preventivi"), cmdSospese (pending quotes), cmdAnteprima, cmdStampa
// and cmdPDF (the quote document), cmdEsporta (the spreadsheet export) and impMag01 to impMag30
// (the dish import into that line). Each window is modal and lives for one use; it gets the
// quote window's values (the year's archive, the quote on screen) and what it gives back is
// applied here.
void connectQuoteCommands(TfrmPreventivi *window);

// The texts of the quote on screen, by record field name.
QuoteTexts screenTexts(const TfrmPreventivi &window);

// Brings a filed quote onto the window, as navigation does.
RecordTarget showOn(TfrmPreventivi *window);

// Puts a dish into quote line 1..30: its course, name and price as the recipe holds them; the
// quantity, discount, exempt flag and amount stay, and nothing is computed.
void applyDish(TfrmPreventivi &window, int line, const QuoteDish &dish);

} // namespace quotes
