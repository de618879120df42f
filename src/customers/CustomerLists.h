#pragma once

#include "archive/ListLine.h"
#include "archive/RecordLayout.h"
#include "archive/SpreadsheetWriter.h"

#include <QList>
#include <QPair>
#include <QString>

// What the customer find, the re-contact list, the quote's customer import and the customer
// export take of each customer.
namespace customers {

// The find line: name (30), "  " company (30), "  Tel. " preferred contact (20), "  " notes.
const listline::Builder &findLine();
// The re-contact line: the same three columns, then "  " and the pending issues.
const listline::Builder &recontactLine();

// The 22 columns of "Clienti.xls" (the town column joins town and province).
const QList<spreadsheet::Column> &exportColumns();

// What a customer picked for a quote puts into the quote window: control name and value, for the
// seven customer controls. The customer line is the name, one blank and the company (the blank
// stays when there is no company).
QList<QPair<QString, QString>> quoteCustomer(const Record &customer);

} // namespace customers
