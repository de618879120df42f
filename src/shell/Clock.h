#pragma once

#include <QDate>
#include <QDateTime>

namespace brisvola {

// The program's one clock. Every "today" and "now" comes from here so that tests can fix it.
QDateTime now();
QDate today();

// Fixes the clock at the given moment; an invalid QDateTime gives the real clock back.
void setNow(const QDateTime &moment);

// The program's own formats, whatever the machine's regional settings are.
inline constexpr const char *dateFormat = "dd/MM/yyyy";
QString dateText(const QDate &date);
// Parses "dd/mm/yyyy" strictly (two-digit day and month, four-digit year); invalid on failure.
QDate parseDate(const QString &text);

} // namespace brisvola
