#pragma once

#include <QString>

// The two file-system operations of the copies that Qt does not offer, one function each for
// every platform.
namespace backup {

// Makes link a second name of the existing file (a hard link); false where the file system does
// not allow it (FAT, some network shares) or on any other failure, and nothing is made then.
bool hardLink(const QString &existing, const QString &link);

// Renames from over to in one step, replacing to when it exists; false on failure, and to is
// then as it was.
bool replaceFile(const QString &from, const QString &to);

} // namespace backup
