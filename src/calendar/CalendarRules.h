#pragma once

#include "archive/ListLine.h"
#include "archive/Progress.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

// The services calendar: the checks of its four selection rows, and the reservation summaries
// they lead to (today, a day, a month, an interval of days in one year).
namespace calendar {

enum class Period
{
    Today,   // the "oggi" row
    Day,     // the "giorno" row
    Month,   // the "mese" row
    Interval // the "intervallo" row
};

// The texts of the calendar's fields by control name ("txtGiornoOG", "txtAnnoIN", ...).
using CalendarTexts = QHash<QString, QString>;

// The keyword lblMemory takes for a row: "oggi", "giorno", "mese", "intervallo".
QString keyword(Period period);
std::optional<Period> periodOf(const QString &keyword);

// A failing row check: its message, whether it is a plain message box (only OK) rather than the
// program's warning, and the control that takes the focus (empty: the focus stays).
struct CheckFailure
{
    QString message;
    bool plain = false;
    QString focus;
};

// One check of a row: the failure it gives, or nothing when it passes.
struct RowCheck
{
    std::optional<CheckFailure> (*check)(const CalendarTexts &texts);
};

// The checks of a row, in the order they run.
const QList<RowCheck> &rowChecks(Period period);
// The first failing check of the row, or nothing when the row may be shown.
std::optional<CheckFailure> checkRow(Period period, const CalendarTexts &texts);

// What a summary selects, read from the calendar's fields (trimmed).
struct Selection
{
    Period period = Period::Today;
    QString day;   // Today, Day: "01" ... "31"
    QString month; // Today, Day, Month: "Gennaio" ... "Dicembre"
    QString year;  // every period
    QString from;  // Interval: "dd/mm/yyyy"
    QString to;    // Interval: "dd/mm/yyyy"
};
Selection selectionFrom(Period period, const CalendarTexts &texts);

// The title a summary starts with: "Prenotazioni del giorno.", "Prenotazioni del mese." or
// "Prenotazioni per intervallo di tempo.".
QString initialTitle(Period period);

struct Summary
{
    QString title;            // the kind of summary as titTipologia shows it
    listline::Lines lines;    // the selected reservations' lines, in file order
    double total = 0;         // the sum of the amounts read
    QList<qint64> unreadable; // selected records whose date or amount did not convert
    bool stopped = false;     // the progress watcher stopped the scan
};

// Reads the archive (created empty when missing) from the first record to the last and selects
// the period's reservations, whatever their state. A record whose amount (or, for an interval,
// date) cannot be converted is left out of the lines and the total and named in unreadable.
// Throws ArchiveError when the archive cannot be opened or read.
Summary buildSummary(const QString &archivePath, const Selection &selection,
                     Progress *progress = nullptr);

// The total as the summary shows it: rounded to four decimals, decimal comma, at least two
// decimals, "€ " in front ("€ 0,00", "€ 125,50", "€ 1234,00").
QString totalText(double total);

// "Il presente riepilogo contiene N prenotazioni."
QString countText(qsizetype lines);

// The warning after a summary that left records out.
QString unreadableWarning(const QList<qint64> &positions);

} // namespace calendar
