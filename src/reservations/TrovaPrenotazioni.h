#pragma once

#include "archive/FindDialog.h"

// The reservation find over the open year's archive (archivePath): the reservations matching
// every criterion typed, in the order of the file; a double click hands the reservation clicked
// to showReservation (keyword "prenotazioni" in lblMemory), which brings it onto the reservation
// window.
class TfrmTrovaPrenotazioni : public FindDialog
{
    Q_OBJECT
public:
    TfrmTrovaPrenotazioni(const QString &archivePath, RecordTarget showReservation,
                          QWidget *parent = nullptr);
};
