#include "reservations/ExpPrenotazioni.h"

#include "reservations/ReservationLists.h"
#include "reservations/ReservationRecord.h"

namespace {

ExportConfig reservationExport(const QString &archivePath)
{
    ExportConfig c;
    c.className = QStringLiteral("TfrmExpPrenotazioni");
    c.caption = QStringLiteral(" Esporta archivio prenotazioni tavoli");
    c.heading = QStringLiteral("Esporta archivio prenotazioni tavoli");
    c.layout = &reservations::reservationLayout();
    c.archivePath = [archivePath] { return archivePath; };
    c.columns = reservations::reservationExportColumns();
    c.sheetName = QStringLiteral("Prenotazioni Tavoli");
    c.fileName = QStringLiteral("Prenotazioni_Tavoli.xls");
    c.helpTitle = QStringLiteral("Esportazione archivio prenotazioni tavoli in Excel");
    return c;
}

} // namespace

TfrmExpPrenotazioni::TfrmExpPrenotazioni(const QString &archivePath, QWidget *parent)
    : ExportDialog(reservationExport(archivePath), parent)
{
}
