#include "reservations/TrovaPrenotazioni.h"

#include "reservations/ReservationLists.h"
#include "reservations/ReservationRecord.h"

namespace {

FindConfig reservationFind(const QString &archivePath, RecordTarget showReservation)
{
    FindConfig c;
    c.className = QStringLiteral("TfrmTrovaPrenotazioni");
    c.caption = QStringLiteral(" Trova prenotazioni tavoli in archivio");
    c.heading = QStringLiteral("Trova prenotazioni tavoli in archivio");
    c.printTitle = QStringLiteral("Riepilogo prenotazioni tavoli");
    c.layout = &reservations::reservationLayout();
    c.archivePath = [archivePath] { return archivePath; };
    c.criteria = {
        {QStringLiteral("txtDataRit"), QStringLiteral("Data arrivo (gg/mm/aaaa):"), "DataRit"},
        {QStringLiteral("txtStato"), QStringLiteral("Stato prenotazione:"), "Stato"},
        {QStringLiteral("txtCliente"), QStringLiteral("Cliente:"), "Cliente"},
        {QStringLiteral("txtMenu"), QStringLiteral("Pasto:"), "Pasto"},
        {QStringLiteral("txtSegnalazioni"), QStringLiteral("Segnalazioni del cliente:"),
         "Segnalazioni"},
        {QStringLiteral("txtIntolleranze"), QStringLiteral("Intolleranze alimentari:"),
         "Intolleranze"},
        {QStringLiteral("txtPreferenze"), QStringLiteral("Preferenze:"), "Preferenze"},
        {QStringLiteral("txtTavoli"), QStringLiteral("Tavoli assegnati:"), "Tavoli"},
        {QStringLiteral("txtCameriere"), QStringLiteral("Cameriere addetto:"), "Cameriere"},
        {QStringLiteral("txtNote"), QStringLiteral("Note:"), "Note"},
    };
    c.line = reservations::reservationListLine();
    // The reservations stay in the order they were entered.
    c.sorted = false;
    c.targets.insert(QStringLiteral("prenotazioni"), std::move(showReservation));
    return c;
}

} // namespace

TfrmTrovaPrenotazioni::TfrmTrovaPrenotazioni(const QString &archivePath,
                                             RecordTarget showReservation, QWidget *parent)
    : FindDialog(reservationFind(archivePath, std::move(showReservation)), parent)
{
}
