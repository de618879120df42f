#pragma once

class QWidget;

namespace quotes {

// Connects the quote window's check buttons: btnIvaDitta and btnIvaCliente open the partita IVA
// check with txtIvaDitta and txtIvaCliente, btnCodFiscDitta and btnCodFiscCliente the tax-code
// check (the partita IVA one for a code of digits) with txtCodFiscDitta and txtCodFiscCliente.
void connectQuoteChecks(QWidget *window);

} // namespace quotes
