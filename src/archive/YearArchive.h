#pragma once

#include <QString>

// The yearly archives (quotes ".pre", reservations ".tav"): one file a calendar year in the
// program folder, chosen when the app opens. Rules only: no widget here.
namespace yeararchive {

// A year as the opening windows take it: exactly four digits, nothing around them.
bool isValidYear(const QString &year);

// The archive of a year: program folder + year (trimmed) + suffix (".pre", ".tav").
QString archivePath(const QString &year, const QString &suffix);

// The year of a yearly archive from its path ("…/2024.pre" gives "2024"); empty when the file
// name is not four digits followed by the suffix.
QString yearOf(const QString &archivePath, const QString &suffix);

} // namespace yeararchive
