#pragma once

#include "archive/ArchiveSession.h"
#include "archive/RecordLayout.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The reservation record (Prenotazione) and the yearly reservation archives "<year>.tav", with
// the rules the reservation window applies to its texts: the derived fields, the defaults, the
// amount normalisation, the save checks and the e-mail confirmation.
namespace reservations {

// 27 length-prefixed fields, 1935 bytes: the reservation's date and time, the end-of-meal date
// and time, state, customer, contacts, persons, meal, requests, tables, waiter, note, amount.
const RecordLayout &reservationLayout();

// The archive of a year: program folder + year + ".tav" (for 2024, 2024.tav).
inline const QString archiveSuffix = QStringLiteral(".tav");
QString reservationArchivePath(const QString &year);

// "Gennaio" ... "Dicembre".
const QStringList &monthNames();
// The values of the state list: "Da confermare", "Confermata", "Annullata".
const QStringList &states();
// The values of the meal list: "Colazione", "Pranzo", "Cena".
const QStringList &meals();
// "00" ... "NN-1" (hours: 24, minutes: 60), "01" ... "31" for days.
QStringList twoDigitValues(int from, int to);

// The month's number "01" ... "12" for its name, compared trimmed and without regard to case;
// empty for a text that names no month.
QString monthNumber(const QString &month);
// "dd/mm/yyyy" from the day, the month's name and the year; empty when the month names none.
QString reservationDate(const QString &day, const QString &month, const QString &year);
// Whether a "dd/mm/yyyy" text is a date of the calendar (31/04 and 29/02 of a common year are
// not).
bool isCalendarDate(const QString &date);
// hh + ":" + mm.
QString timeText(const QString &hours, const QString &minutes);

// The amount as it is stored: empty or unreadable ("1,2,3") gives "0,00"; otherwise rounded to
// two decimals and written with the decimal comma and two decimals ("12,3456" gives "12,35").
QString normaliseAmount(const QString &text);

// The fields worked out as a record is stored: the times, the date, the end-of-meal day, month
// and date copied from the reservation's, and the amount normalised (so that an amount typed and
// saved without leaving its field is stored readable all the same).
void deriveFields(Record &record);

// What a new card holds instead of empty texts, and what Save puts into empty fields.
const QHash<QString, QString> &newCardDefaults();
const QHash<QString, QString> &saveDefaults();

// The fifteen save checks, in the order they run.
QList<ArchiveSession::Check> saveChecks();

// The reservation window's session: the archive, the defaults, the fields New keeps (the year),
// the fields Duplicate empties (the dates), the checks, the derived fields, the notices and the
// failure kinds.
ArchiveSession::Config sessionConfig(std::function<QString()> archivePath);

// The e-mail confirmation of a reservation, from the texts on screen.
struct Confirmation
{
    QString subject;
    QString body;
};
Confirmation confirmation(const QString &customer, const QString &persons, const QString &day,
                          const QString &month, const QString &year, const QString &hours,
                          const QString &minutes);

// A reservation's texts by field name, as the window holds them (saved or not).
using ReservationTexts = QHash<QString, QString>;

// The fifteen rows of the reservation card: label and value.
struct CardRow
{
    QString label;
    QString value;
};
QList<CardRow> cardRows(const ReservationTexts &texts);
// The line under the rows: "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss".
QString cardFooter(const QDateTime &printed);

} // namespace reservations
