#include "reservations/ReservationRecord.h"

#include "archive/NumberText.h"
#include "archive/YearArchive.h"
#include "shell/Clock.h"

using brisvola::MessageButtons;
using brisvola::MessageKind;

namespace reservations {

const RecordLayout &reservationLayout()
{
    static const RecordLayout layout(
        FieldEncoding::LengthPrefixed,
        {
            {"GiornoRit", 2},      {"MeseRit", 10},       {"AnnoRit", 4},      {"DataRit", 10},
            {"OreRit", 2},         {"MinutiRit", 2},      {"OraRit", 5},       {"GiornoRic", 2},
            {"MeseRic", 10},       {"AnnoRic", 4},        {"DataRic", 10},     {"OreRic", 2},
            {"MinutiRic", 2},      {"OraRic", 5},         {"Stato", 50},       {"Cliente", 50},
            {"Recapito", 50},      {"Persone", 3},        {"Pasto", 250},      {"Email", 120},
            {"Segnalazioni", 250}, {"Intolleranze", 250}, {"Preferenze", 250}, {"Tavoli", 250},
            {"Cameriere", 50},     {"Note", 250},         {"Totale", 15},
        });
    return layout;
}

QString reservationArchivePath(const QString &year)
{
    return yeararchive::archivePath(year, archiveSuffix);
}

const QStringList &monthNames()
{
    static const QStringList names = {
        QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
        QStringLiteral("Aprile"),  QStringLiteral("Maggio"),   QStringLiteral("Giugno"),
        QStringLiteral("Luglio"),  QStringLiteral("Agosto"),   QStringLiteral("Settembre"),
        QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre")};
    return names;
}

const QStringList &states()
{
    static const QStringList values = {QStringLiteral("Da confermare"),
                                       QStringLiteral("Confermata"), QStringLiteral("Annullata")};
    return values;
}

const QStringList &meals()
{
    static const QStringList values = {QStringLiteral("Colazione"), QStringLiteral("Pranzo"),
                                       QStringLiteral("Cena")};
    return values;
}

QStringList twoDigitValues(int from, int to)
{
    QStringList values;
    for (int n = from; n <= to; ++n)
        values << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    return values;
}

QString monthNumber(const QString &month)
{
    const QString wanted = month.trimmed().toLower();
    const QStringList &names = monthNames();
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].toLower() == wanted)
            return QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
    return {};
}

QString reservationDate(const QString &day, const QString &month, const QString &year)
{
    const QString number = monthNumber(month);
    if (number.isEmpty())
        return {};
    return day.trimmed() + QLatin1Char('/') + number + QLatin1Char('/') + year.trimmed();
}

bool isCalendarDate(const QString &date)
{
    return brisvola::parseDate(date).isValid();
}

QString timeText(const QString &hours, const QString &minutes)
{
    return hours.trimmed() + QLatin1Char(':') + minutes.trimmed();
}

QString normaliseAmount(const QString &text)
{
    const QString zero = QStringLiteral("0,00");
    if (text.trimmed().isEmpty())
        return zero;
    const std::optional<double> value = numtext::strToFloat(text);
    if (!value)
        return zero;
    return numtext::amountText(numtext::R(*value, 2));
}

void deriveFields(Record &record)
{
    record.setText("OraRit", timeText(record.text("OreRit"), record.text("MinutiRit")));
    record.setText("OraRic", timeText(record.text("OreRic"), record.text("MinutiRic")));
    const QString date =
        reservationDate(record.text("GiornoRit"), record.text("MeseRit"), record.text("AnnoRit"));
    record.setText("DataRit", date);
    record.setText("GiornoRic", record.text("GiornoRit"));
    record.setText("MeseRic", record.text("MeseRit"));
    record.setText("DataRic", date);
    record.setText("Totale", normaliseAmount(record.text("Totale")));
}

const QHash<QString, QString> &newCardDefaults()
{
    static const QHash<QString, QString> values = {
        {QStringLiteral("OreRit"), QStringLiteral("00")},
        {QStringLiteral("MinutiRit"), QStringLiteral("00")},
        {QStringLiteral("OreRic"), QStringLiteral("00")},
        {QStringLiteral("MinutiRic"), QStringLiteral("00")},
        {QStringLiteral("Stato"), QStringLiteral("Confermata")},
        {QStringLiteral("Persone"), QStringLiteral("0")},
        {QStringLiteral("Totale"), QStringLiteral("0,00")},
    };
    return values;
}

const QHash<QString, QString> &saveDefaults()
{
    static const QHash<QString, QString> values = {
        {QStringLiteral("Persone"), QStringLiteral("0")},
        {QStringLiteral("Totale"), QStringLiteral("0,00")},
        {QStringLiteral("Stato"), QStringLiteral("Confermata")},
    };
    return values;
}

namespace {

const QString savePrefix = QStringLiteral("Attenzione: per salvare la scheda è necessario ");
const QString validDate =
    QStringLiteral("Per poter salvare la scheda è necessario indicare una data valida.");

QString trimmed(const ArchiveSession &s, const char *field)
{
    return s.text(QLatin1StringView(field)).trimmed();
}

ArchiveSession::Check twoDigits(const char *field, const QString &control, const QString &message)
{
    return {control, [field](const ArchiveSession &s) { return trimmed(s, field).size() >= 2; },
            message};
}

QString screenDate(const ArchiveSession &s)
{
    return reservationDate(trimmed(s, "GiornoRit"), trimmed(s, "MeseRit"), trimmed(s, "AnnoRit"));
}

} // namespace

QList<ArchiveSession::Check> saveChecks()
{
    const auto required = [](const char *field, const char *control, const char *what) {
        return ArchiveSession::required(QLatin1StringView(field), QLatin1StringView(control),
                                        savePrefix + QString::fromUtf8(what));
    };
    const auto twoDigit = [](const char *field, const char *control, const char *what) {
        return twoDigits(field, QLatin1StringView(control), savePrefix + QString::fromUtf8(what));
    };
    ArchiveSession::Check month{
        QStringLiteral("txtMeseRit"),
        [](const ArchiveSession &s) { return !monthNumber(trimmed(s, "MeseRit")).isEmpty(); },
        QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r") + validDate};
    ArchiveSession::Check date{
        QStringLiteral("txtGiornoRit"),
        [](const ArchiveSession &s) { return isCalendarDate(screenDate(s)); },
        QString(),
        MessageKind::Plain,
        MessageButtons::Ok,
        [](const ArchiveSession &s) {
            return QStringLiteral("Attenzione: la data ") + screenDate(s) +
                   QStringLiteral(" non esiste.\n\r\n\r") + validDate;
        }};
    return {
        required("GiornoRit", "txtGiornoRit",
                 "indicare il giorno a cui la prenotazione si riferisce."),
        twoDigit("GiornoRit", "txtGiornoRit",
                 "indicare con due cifre il giorno a cui la prenotazione si riferisce."),
        required("MeseRit", "txtMeseRit", "indicare il mese a cui la prenotazione si riferisce."),
        required("OreRit", "txtOreRit", "indicare l'ora a cui la prenotazione si riferisce."),
        required("MinutiRit", "txtMinutiRit",
                 "indicare i minuti dell'ora a cui la prenotazione si riferisce."),
        twoDigit("OreRit", "txtOreRit",
                 "indicare con due cifre l'ora a cui la prenotazione si riferisce."),
        twoDigit("MinutiRit", "txtMinutiRit",
                 "indicare con due cifre i minuti a cui la prenotazione si riferisce."),
        required("Cliente", "txtCliente", "indicare il nome del cliente."),
        required("Recapito", "txtRecapito", "indicare il telefono preferenziale del cliente."),
        required("OreRic", "txtOreRic", "indicare l'ora di fine pasto."),
        required("MinutiRic", "txtMinutiRic", "indicare i minuti dell'ora di fine pasto."),
        twoDigit("OreRic", "txtOreRic", "indicare con due cifre l'ora di fine pasto."),
        twoDigit("MinutiRic", "txtMinutiRic", "indicare con due cifre i minuti di fine pasto."),
        month,
        date,
    };
}

ArchiveSession::Config sessionConfig(std::function<QString()> archivePath)
{
    ArchiveSession::Config c;
    c.archivePath = std::move(archivePath);
    c.defaults = newCardDefaults();
    c.saveDefaults = saveDefaults();
    // The year is the open archive's, put there when the year was opened.
    c.keptByNew = {QStringLiteral("AnnoRit"), QStringLiteral("AnnoRic")};
    // A duplicate is a new reservation of the same customer: its date is chosen again.
    c.attachmentFields = {QStringLiteral("GiornoRit"), QStringLiteral("MeseRit"),
                          QStringLiteral("GiornoRic"), QStringLiteral("MeseRic")};
    // An unreachable archive stops the copy before it is begun: the card keeps what was typed.
    c.duplicateOpensArchive = ArchiveSession::Config::ArchiveCheck::BeforeCopy;
    c.firstControl = QStringLiteral("txtGiornoRit");
    c.checks = saveChecks();
    c.derive = deriveFields;
    c.showStored = true;
    c.insertedMessage = QStringLiteral("La scheda corrente è stata salvata in archivio.");
    c.failures[ArchiveSession::Command::Duplicate] = {MessageKind::Warning,
                                                      MessageButtons::OkCancel};
    return c;
}

Confirmation confirmation(const QString &customer, const QString &persons, const QString &day,
                          const QString &month, const QString &year, const QString &hours,
                          const QString &minutes)
{
    return {QStringLiteral("Conferma prenotazione tavoli"),
            QStringLiteral("Gentile Cliente, la presente è per confermare la prenotazione "
                           "effettuata presso il nostro locale a nome di ") +
                customer.trimmed() + QStringLiteral(" per n. ") + persons.trimmed() +
                QStringLiteral(" persone. Le confermiamo la data del ") + day.trimmed() +
                QLatin1Char(' ') + month.trimmed() + QLatin1Char(' ') + year.trimmed() +
                QStringLiteral(" alle ore ") + hours.trimmed() + QLatin1Char(':') +
                minutes.trimmed() +
                QStringLiteral(". Ringraziandola per la preferenza accordataci, le porgiamo "
                               "cordiali saluti.")};
}

QList<CardRow> cardRows(const ReservationTexts &texts)
{
    const auto t = [&texts](const char *field) {
        return texts.value(QLatin1StringView(field)).trimmed();
    };
    const auto row = [](const char *label, const QString &value) {
        return CardRow{QString::fromUtf8(label), value};
    };
    return {
        row("Prenotazione per giorno:",
            t("GiornoRit") + QLatin1Char(' ') + t("MeseRit") + QLatin1Char(' ') + t("AnnoRit") +
                QStringLiteral("  -  Ora: ") + timeText(t("OreRit"), t("MinutiRit"))),
        row("Stato prenotazione:", t("Stato")),
        row("Cliente:", t("Cliente")),
        row("Tel. preferenziale:", t("Recapito")),
        row("Tot. persone:", t("Persone")),
        row("Pasto:", t("Pasto")),
        row("E-mail cliente:", t("Email")),
        row("Segnalazioni:", t("Segnalazioni")),
        row("Intolleranze alimentari:", t("Intolleranze")),
        row("Preferenze:", t("Preferenze")),
        row("Tavoli assegnati:", t("Tavoli")),
        row("Cameriere addetto:", t("Cameriere")),
        row("Note:", t("Note")),
        row("Ora fine pasto:", timeText(t("OreRic"), t("MinutiRic"))),
        row("Totale pagato: €", t("Totale")),
    };
}

QString cardFooter(const QDateTime &printed)
{
    return QStringLiteral("Stampa eseguita in data ") + brisvola::dateText(printed.date()) +
           QStringLiteral(" alle ore ") + printed.time().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace reservations
