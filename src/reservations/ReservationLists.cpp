#include "reservations/ReservationLists.h"

#include "reservations/ReservationRecord.h"

namespace reservations {

const listline::Builder &reservationListLine()
{
    static const listline::Builder line =
        listline::columns(reservationLayout(), {{QStringLiteral("Data: "), "DataRit", 10},
                                                {QStringLiteral("  Ora: "), "OraRit", 5},
                                                {QStringLiteral("  Cliente: "), "Cliente", 30},
                                                {QStringLiteral("  Tel. "), "Recapito", 18},
                                                {QStringLiteral("  Persone: "), "Persone", 3},
                                                {QStringLiteral("  Stato: "), "Stato", 15},
                                                {QStringLiteral("  Tot. € "), "Totale", -1}});
    return line;
}

const QList<spreadsheet::Column> &reservationExportColumns()
{
    static const QList<spreadsheet::Column> columns = [] {
        const RecordLayout &l = reservationLayout();
        const auto column = [&l](const char *field, const char *header, int width) {
            return spreadsheet::field(l, field, QString::fromUtf8(header), width);
        };
        return QList<spreadsheet::Column>{
            column("DataRit", "Giorno arrivo", 150),
            column("OraRit", "Ora arrivo", 150),
            column("Stato", "Stato prenotazione", 250),
            column("Cliente", "Cliente", 250),
            column("Recapito", "Tel. preferenziale", 250),
            column("Persone", "Tot. persone", 180),
            column("Pasto", "Pasto", 250),
            column("Email", "E-mail", 280),
            column("Segnalazioni", "Segnalazioni del cliente", 350),
            column("Intolleranze", "Intolleranze alimentari", 350),
            column("Preferenze", "Preferenze", 350),
            column("Tavoli", "Tavoli assegnati", 250),
            column("Cameriere", "Cameriere addetto", 250),
            column("Note", "Note", 350),
            column("OraRic", "Ora fine pasto", 200),
            column("Totale", "Totale pagato", 200),
        };
    }();
    return columns;
}

} // namespace reservations
