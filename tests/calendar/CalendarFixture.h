#pragma once

#include "archive/RecordFile.h"
#include "reservations/ReservationRecord.h"

#include <QString>

// Reservations written straight into a year archive, as the reservation window stores them.
struct StoredReservation
{
    QString day;   // "05"
    QString month; // "Marzo"
    QString year;  // "2026"
    QString time = QStringLiteral("20:00");
    QString customer = QStringLiteral("Rossi Mario");
    QString phone = QStringLiteral("333 1234567");
    QString persons = QStringLiteral("4");
    QString state = QStringLiteral("Confermata");
    QString amount = QStringLiteral("0,00");
    QString date = {}; // the stored DataRit when it differs from the derived one
};

inline qint64 storeReservation(const QString &archive, const StoredReservation &r)
{
    Record record(reservations::reservationLayout());
    record.setText("GiornoRit", r.day);
    record.setText("MeseRit", r.month);
    record.setText("AnnoRit", r.year);
    record.setText("OreRit", r.time.left(2));
    record.setText("MinutiRit", r.time.mid(3, 2));
    record.setText("Cliente", r.customer);
    record.setText("Recapito", r.phone);
    record.setText("Persone", r.persons);
    record.setText("Stato", r.state);
    record.setText("Totale", r.amount);
    reservations::deriveFields(record);
    // An amount as stored by hand (the reservation window never stores an unreadable one).
    record.setText("Totale", r.amount);
    if (!r.date.isEmpty())
        record.setText("DataRit", r.date);
    return RecordFile(archive, reservations::reservationLayout()).append(record);
}
