#pragma once

#include "archive/ListLine.h"
#include "archive/SpreadsheetWriter.h"

#include <QList>

// What the reservation find, the reservation summaries and the reservation export show of each
// reservation.
namespace reservations {

// One reservation as the find and the summaries list it, each value trimmed and fitted:
// "Data: " + date (10) + "  Ora: " + arrival time (5) + "  Cliente: " + customer (30) +
// "  Tel. " + telephone (18) + "  Persone: " + persons (3) + "  Stato: " + state (15) +
// "  Tot. € " + amount (whole). Decodes only these seven fields of the record.
const listline::Builder &reservationListLine();

// The 16 columns of "Prenotazioni_Tavoli.xls".
const QList<spreadsheet::Column> &reservationExportColumns();

} // namespace reservations
