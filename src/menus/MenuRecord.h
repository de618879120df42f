#pragma once

#include "archive/ArchiveSession.h"
#include "archive/RecordLayout.h"

#include <QString>

// The menu archive "Menu.pro": records of 4824 bytes, every field a length byte and its
// characters. The three texts of a dish slot are not together: the ten names come first, then the
// ten descriptions, then the ten prices.
namespace menus {

constexpr int dishCount = 10;

const RecordLayout &menuLayout();

// "Menu.pro" in the program folder.
QString archivePath();

// The menu window's archive sequence: the title is the one field a menu needs; Duplicate clears
// the flag and makes sure the archive can be reached; archive failures of Duplicate are warnings.
ArchiveSession::Config sessionConfig();

// The message of a save without a title.
extern const QString titleRequiredMessage;

} // namespace menus
