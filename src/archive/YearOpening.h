#pragma once

#include <QString>

#include <optional>

class QLineEdit;
class QWidget;

// The opening step of a yearly archive, shared by the opening windows of the quotes (".pre") and
// the reservations (".tav"): the year edit starts on the current year, "Apri" checks it and gives
// back the year's archive; the window that asked applies it (the archive window it opens reads
// that archive).
namespace yearopening {

// The year chosen and its archive.
struct OpenedYear
{
    QString year;        // four digits
    QString archivePath; // program folder + year + suffix
};

// Makes the edit a year edit: four digits at most, digits only, Enter moves to the open button.
void setUpYearEdit(QLineEdit *yearEdit, QWidget *openButton);

// Puts the current year (four digits of today's date) into the edit and the focus on it.
void startYear(QLineEdit *yearEdit);

// Checks the year typed: four digits give the year and its archive (suffix ".pre", ".tav");
// anything else warns "Attenzione: indicare l'anno solare utilizzando quattro cifre.", puts the
// focus back into the edit and gives nothing.
std::optional<OpenedYear> openYear(QLineEdit *yearEdit, const QString &suffix);

} // namespace yearopening
