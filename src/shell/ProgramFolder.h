#pragma once

#include <QString>

namespace brisvola {

// The folder that holds the program and all its data: archives, settings, photos, attachments,
// exports. It is the executable's folder; tests may point it elsewhere.
QString programFolder();
void setProgramFolder(const QString &folder);

// programFolder() joined with a file name: every data path is built through this.
QString programFile(const QString &fileName);

} // namespace brisvola
