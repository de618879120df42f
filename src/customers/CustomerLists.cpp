#include "customers/CustomerLists.h"

#include "customers/CustomerRecord.h"

namespace customers {

namespace {
QList<listline::Column> personColumns(const char *last)
{
    return {{{}, "Ditta", 30},
            {QStringLiteral("  "), "Titolare", 30},
            {QStringLiteral("  Tel. "), "Recapito", 20},
            {QStringLiteral("  "), last, -1}};
}
} // namespace

const listline::Builder &findLine()
{
    static const listline::Builder line =
        listline::columns(customerLayout(), personColumns("Note"));
    return line;
}

const listline::Builder &recontactLine()
{
    static const listline::Builder line =
        listline::columns(customerLayout(), personColumns("Questioni"));
    return line;
}

const QList<spreadsheet::Column> &exportColumns()
{
    static const QList<spreadsheet::Column> columns = [] {
        const RecordLayout &l = customerLayout();
        const auto column = [&l](const char *field, const char *header, int width) {
            return spreadsheet::field(l, field, QString::fromUtf8(header), width);
        };
        const int town = l.field("ComuneRes");
        const int province = l.field("ProvRes");
        spreadsheet::Column townColumn{QStringLiteral("Città"), 250, false,
                                       [town, province](const RecordView &r) {
                                           return r.text(town) + QLatin1Char(' ') +
                                                  r.text(province);
                                       },
                                       -1};
        return QList<spreadsheet::Column>{
            column("Ditta", "Cognome e nome", 250),
            column("Titolare", "Denominazione Ditta", 250),
            column("Recapito", "Recapito preferenziale", 250),
            column("IndirizzoRes", "Indirizzo", 300),
            townColumn,
            column("CapRes", "CAP", 150),
            column("Pagamento", "Modalità di pagamento", 250),
            column("TelCasa", "Tel. casa", 250),
            column("TelUff", "Tel. ufficio", 250),
            column("TelCel", "Tel. cellulare", 250),
            column("Fax", "PEC", 250),
            column("Email", "E-mail", 250),
            column("CodFisc", "Codice fiscale", 250),
            column("PartitaIva", "Partita IVA", 250),
            column("Carta", "Carta di credito n.", 300),
            column("ScadeCarta", "Scadenza", 150),
            column("Iban", "IBAN", 300),
            column("Articoli", "Segnalazioni del cliente", 300),
            column("Offerte", "Intolleranze alimentari", 300),
            column("Ordine", "Preferenze", 300),
            column("Questioni", "Questioni in sospeso", 300),
            column("Note", "Note", 300),
        };
    }();
    return columns;
}

QList<QPair<QString, QString>> quoteCustomer(const Record &customer)
{
    return {
        {QStringLiteral("txtCliente"),
         customer.text("Ditta") + QLatin1Char(' ') + customer.text("Titolare")},
        {QStringLiteral("txtViaCliente"), customer.text("IndirizzoRes")},
        {QStringLiteral("txtCapCliente"), customer.text("CapRes")},
        {QStringLiteral("txtCittaCliente"), customer.text("ComuneRes")},
        {QStringLiteral("txtProvCliente"), customer.text("ProvRes")},
        {QStringLiteral("txtIvaCliente"), customer.text("PartitaIva")},
        {QStringLiteral("txtCodFiscCliente"), customer.text("CodFisc")},
    };
}

} // namespace customers
