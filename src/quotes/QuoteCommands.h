#pragma once

class TfrmPreventivi;

namespace quotes {

// Connects the quote window's buttons that open the windows working on the quote or the year:
// cmdTrova (quote find, mode "preventivi"), cmdSospese (pending quotes), cmdAnteprima, cmdStampa
// and cmdPDF (the quote document), cmdEsporta (the spreadsheet export) and impMag01 to impMag30
// (the dish import into that line). Each window is modal and lives for one use.
void connectQuoteCommands(TfrmPreventivi *window);

} // namespace quotes
