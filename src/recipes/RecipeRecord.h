#pragma once

#include "archive/RecordLayout.h"

#include <QString>
#include <QStringList>

// The recipe archive "Ricettario.pro": records of 21 zero-terminated fields, 12718 bytes.
namespace recipes {

const RecordLayout &recipeLayout();

// "Ricettario.pro" in the program folder.
QString archivePath();

// The attached files and their descriptions (File01..03, Desc01..03), emptied by Duplicate.
QStringList attachmentFields();

// The photo of the recipe at a position: "<position>.jpg" in the program folder.
QString photoPath(qint64 position);

// The price as the recipe window leaves it: digits, a comma and two decimals. Empty or unreadable
// texts give "0,00"; the number is rounded to two decimals with R(x, 2).
QString normalisePrice(const QString &typed);

// The fifteen courses of the course picker, in their order.
const QStringList &courseNames();

} // namespace recipes
