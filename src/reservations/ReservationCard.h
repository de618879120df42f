#pragma once

#include "documents/Report.h"
#include "reservations/ReservationRecord.h"

class QWidget;

// The reservation card repScheda: the template ":/templates/scheda_prenotazione.json" (A4
// portrait, the logo, the title, fifteen rows of a label and a value, the line of when it was
// printed), filled from the texts on screen, saved or not.
namespace reservationcard {

inline const QString templatePath = QStringLiteral(":/templates/scheda_prenotazione.json");

// Fills the rows titCampo01/txtCampo01 ... titCampo15/txtCampo15 and txtCalce; false when the
// template lacks one of them.
bool fill(brisvola::documents::Report &report, const reservations::ReservationTexts &texts);

// The card in the report preview (print, zoom, full screen, close), or straight to the print step.
void preview(const reservations::ReservationTexts &texts, QWidget *parent);
void print(const reservations::ReservationTexts &texts, QWidget *parent);

} // namespace reservationcard
