#include "calendar/CalendarRules.h"

#include "archive/NumberText.h"
#include "archive/RecordFile.h"
#include "reservations/ReservationLists.h"
#include "reservations/ReservationRecord.h"
#include "shell/Clock.h"

#include <QDate>

#include <algorithm>

namespace calendar {

namespace {

const QString dayWarning =
    QStringLiteral("Attenzione: selezionare il giorno prima di premere il pulsante Visualizza.");
const QString monthWarning =
    QStringLiteral("Attenzione: selezionare il mese prima di premere il pulsante Visualizza.");
const QString yearWarning =
    QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre prima di premere "
                   "il pulsante Visualizza.");

QString field(const CalendarTexts &texts, const char *name)
{
    return texts.value(QLatin1StringView(name)).trimmed();
}

// The year check counts the characters as typed.
bool fourCharacters(const CalendarTexts &texts, const char *name)
{
    return texts.value(QLatin1StringView(name)).size() == 4;
}

std::optional<CheckFailure> failure(QString message, const char *focus, bool plain = false)
{
    return CheckFailure{std::move(message), plain, QString::fromLatin1(focus)};
}

template <const char *Name, const QString &Message>
std::optional<CheckFailure> notEmpty(const CalendarTexts &texts)
{
    if (field(texts, Name).isEmpty())
        return failure(Message, Name);
    return std::nullopt;
}

template <const char *Name> std::optional<CheckFailure> yearOfFour(const CalendarTexts &texts)
{
    if (!fourCharacters(texts, Name))
        return failure(yearWarning, Name);
    return std::nullopt;
}

QString date(const CalendarTexts &texts, const char *day, const char *month)
{
    return field(texts, day) + QLatin1Char('/') + field(texts, month) + QLatin1Char('/') +
           field(texts, "txtAnnoIN");
}

QString missingDate(const QString &date)
{
    return QStringLiteral("Attenzione: la data ") + date +
           QStringLiteral(" non esiste.\n\r\n\rPer poter procedere è necessario indicare una data "
                          "valida.");
}

template <const char *Day, const char *Month>
std::optional<CheckFailure> calendarDate(const CalendarTexts &texts)
{
    const QString d = date(texts, Day, Month);
    if (!reservations::isCalendarDate(d))
        return failure(missingDate(d), Day, true);
    return std::nullopt;
}

std::optional<CheckFailure> ordered(const CalendarTexts &texts)
{
    const QString from = date(texts, "txtGiornoIN01", "txtMeseIN01");
    const QString to = date(texts, "txtGiornoIN02", "txtMeseIN02");
    if (brisvola::parseDate(from) > brisvola::parseDate(to))
        return CheckFailure{QStringLiteral("Attenzione: la data di fine intervallo (") + to +
                                QStringLiteral(") non può essere anteriore a quella di inizio "
                                               "intervallo (") +
                                from +
                                QStringLiteral(").\n\r\n\rPer poter visualizzare il riepilogo è "
                                               "necessario indicare un intervallo di tempo "
                                               "valido."),
                            true, QString()};
    return std::nullopt;
}

const QString startDayWarning = QStringLiteral(
    "Attenzione: selezionare il giorno di inizio intervallo prima di premere il pulsante "
    "Visualizza.");
const QString startMonthWarning = QStringLiteral(
    "Attenzione: selezionare il mese di inizio intervallo prima di premere il pulsante "
    "Visualizza.");
const QString endDayWarning = QStringLiteral(
    "Attenzione: selezionare il giorno di fine intervallo prima di premere il pulsante "
    "Visualizza.");
const QString endMonthWarning = QStringLiteral(
    "Attenzione: selezionare il mese di fine intervallo prima di premere il pulsante "
    "Visualizza.");

constexpr char giornoOG[] = "txtGiornoOG";
constexpr char meseOG[] = "txtMeseOG";
constexpr char annoOG[] = "txtAnnoOG";
constexpr char giornoGI[] = "txtGiornoGI";
constexpr char meseGI[] = "txtMeseGI";
constexpr char annoGI[] = "txtAnnoGI";
constexpr char meseME[] = "txtMeseME";
constexpr char annoME[] = "txtAnnoME";
constexpr char giornoIN01[] = "txtGiornoIN01";
constexpr char meseIN01[] = "txtMeseIN01";
constexpr char giornoIN02[] = "txtGiornoIN02";
constexpr char meseIN02[] = "txtMeseIN02";
constexpr char annoIN[] = "txtAnnoIN";

// A stored "dd/mm/yyyy" (blanks around allowed) as yyyymmdd, 0 when it is no date of the
// calendar: the strict reading of the program's date format, without building a QDate.
int dateKey(QByteArrayView raw)
{
    qsizetype b = 0, e = raw.size();
    while (b < e && uchar(raw[b]) <= ' ')
        ++b;
    while (e > b && uchar(raw[e - 1]) <= ' ')
        --e;
    if (e - b != 10)
        return 0;
    const char *t = raw.data() + b;
    if (t[2] != '/' || t[5] != '/')
        return 0;
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (t[i] < '0' || t[i] > '9')
            return 0;
    const auto n = [t](int at, int digits) {
        int v = 0;
        for (int i = 0; i < digits; ++i)
            v = v * 10 + (t[at + i] - '0');
        return v;
    };
    const int d = n(0, 2), m = n(3, 2), y = n(6, 4);
    return QDate::isValid(y, m, d) ? y * 10000 + m * 100 + d : 0;
}

// Whether a stored field, trimmed, is exactly the wanted text, compared on the bytes when the
// text is plain ASCII (as days, month names and years are), decoded otherwise.
class SameText
{
public:
    SameText(const QString &wanted)
        : m_wanted(wanted), m_bytes(wanted.toLatin1()),
          m_ascii(std::all_of(wanted.cbegin(), wanted.cend(),
                              [](QChar c) { return c.unicode() > ' ' && c.unicode() < 0x80; }))
    {
    }
    bool operator()(const RecordView &record, int field) const
    {
        if (!m_ascii)
            return record.text(field) == m_wanted;
        const QByteArrayView raw = record.rawBytes(field);
        qsizetype b = 0, e = raw.size();
        while (b < e && uchar(raw[b]) <= ' ')
            ++b;
        while (e > b && uchar(raw[e - 1]) <= ' ')
            --e;
        return raw.sliced(b, e - b) == QByteArrayView(m_bytes);
    }

private:
    QString m_wanted;
    QByteArray m_bytes;
    bool m_ascii;
};

int dateKey(const QDate &date)
{
    return date.isValid() ? date.year() * 10000 + date.month() * 100 + date.day() : 0;
}

QString lower(const QString &text)
{
    return text.toLower();
}

} // namespace

QString keyword(Period period)
{
    switch (period) {
    case Period::Today:
        return QStringLiteral("oggi");
    case Period::Day:
        return QStringLiteral("giorno");
    case Period::Month:
        return QStringLiteral("mese");
    case Period::Interval:
        break;
    }
    return QStringLiteral("intervallo");
}

std::optional<Period> periodOf(const QString &word)
{
    for (Period p : {Period::Today, Period::Day, Period::Month, Period::Interval})
        if (keyword(p) == word)
            return p;
    return std::nullopt;
}

const QList<RowCheck> &rowChecks(Period period)
{
    static const QList<RowCheck> today{
        {notEmpty<giornoOG, dayWarning>}, {notEmpty<meseOG, monthWarning>}, {yearOfFour<annoOG>}};
    static const QList<RowCheck> day{
        {notEmpty<giornoGI, dayWarning>}, {notEmpty<meseGI, monthWarning>}, {yearOfFour<annoGI>}};
    static const QList<RowCheck> month{{notEmpty<meseME, monthWarning>}, {yearOfFour<annoME>}};
    static const QList<RowCheck> interval{{notEmpty<giornoIN01, startDayWarning>},
                                          {notEmpty<meseIN01, startMonthWarning>},
                                          {notEmpty<giornoIN02, endDayWarning>},
                                          {notEmpty<meseIN02, endMonthWarning>},
                                          {yearOfFour<annoIN>},
                                          {calendarDate<giornoIN01, meseIN01>},
                                          {calendarDate<giornoIN02, meseIN02>},
                                          {ordered}};
    switch (period) {
    case Period::Today:
        return today;
    case Period::Day:
        return day;
    case Period::Month:
        return month;
    case Period::Interval:
        break;
    }
    return interval;
}

std::optional<CheckFailure> checkRow(Period period, const CalendarTexts &texts)
{
    for (const RowCheck &c : rowChecks(period))
        if (auto failed = c.check(texts))
            return failed;
    return std::nullopt;
}

Selection selectionFrom(Period period, const CalendarTexts &texts)
{
    Selection s;
    s.period = period;
    switch (period) {
    case Period::Today:
        s.day = field(texts, giornoOG);
        s.month = field(texts, meseOG);
        s.year = field(texts, annoOG);
        break;
    case Period::Day:
        s.day = field(texts, giornoGI);
        s.month = field(texts, meseGI);
        s.year = field(texts, annoGI);
        break;
    case Period::Month:
        s.month = field(texts, meseME);
        s.year = field(texts, annoME);
        break;
    case Period::Interval:
        s.year = field(texts, annoIN);
        s.from = date(texts, giornoIN01, meseIN01);
        s.to = date(texts, giornoIN02, meseIN02);
        break;
    }
    return s;
}

QString initialTitle(Period period)
{
    switch (period) {
    case Period::Today:
    case Period::Day:
        return QStringLiteral("Prenotazioni del giorno.");
    case Period::Month:
        return QStringLiteral("Prenotazioni del mese.");
    case Period::Interval:
        break;
    }
    return QStringLiteral("Prenotazioni per intervallo di tempo.");
}

Summary buildSummary(const QString &archivePath, const Selection &selection, Progress *progress)
{
    const RecordLayout &layout = reservations::reservationLayout();
    const int dataRit = layout.field("DataRit");
    const int giornoRit = layout.field("GiornoRit");
    const int meseRit = layout.field("MeseRit");
    const int annoRit = layout.field("AnnoRit");
    const int totale = layout.field("Totale");
    const listline::Builder &line = reservations::reservationListLine();

    const QDate from = brisvola::parseDate(selection.from);
    const QDate to = brisvola::parseDate(selection.to);
    const bool interval = selection.period == Period::Interval;
    const SameText sameDay(selection.day), sameMonth(selection.month), sameYear(selection.year);
    const int fromKey = dateKey(from);
    const int toKey = dateKey(to);

    Summary summary;
    summary.lines = listline::Lines(line);
    summary.title = initialTitle(selection.period);
    long double sum = 0;

    const RecordFile file(archivePath, layout);
    // The bounds come from a checked row; bounds that are no dates select nothing.
    if (interval && (!from.isValid() || !to.isValid())) {
        file.count();
        return summary;
    }
    const bool complete = file.scan(
        [&](qint64 position, const RecordView &record) {
            QString stored;
            QString title;
            if (interval) {
                const int when = dateKey(record.rawBytes(dataRit));
                if (when == 0) {
                    summary.unreadable.append(position);
                    return true;
                }
                if (when < fromKey || when > toKey)
                    return true;
                stored = record.text(dataRit);
                title = QStringLiteral("Prenotazioni dal ") + selection.from +
                        QStringLiteral(" al ") + selection.to + QLatin1Char('.');
            } else {
                if (selection.period != Period::Month && !sameDay(record, giornoRit))
                    return true;
                if (!sameMonth(record, meseRit) || !sameYear(record, annoRit))
                    return true;
                stored = record.text(dataRit);
                title =
                    selection.period == Period::Month
                        ? QStringLiteral("Prenotazioni del mese di ") +
                              lower(record.text(meseRit)) + QLatin1Char('.')
                        : QStringLiteral("Prenotazioni del giorno ") + stored + QLatin1Char('.');
            }
            summary.title = title;
            if (stored.mid(6, 4) != selection.year)
                return true;
            const std::optional<double> amount = numtext::strToFloat(record.text(totale));
            if (!amount) {
                summary.unreadable.append(position);
                return true;
            }
            summary.lines.add(record, position);
            sum += *amount;
            return true;
        },
        progress);
    summary.stopped = !complete && progress != nullptr;
    summary.total = double(sum);
    return summary;
}

QString totalText(double total)
{
    // The total as first written out (shortest form), then rounded to four decimals.
    const double shown = numtext::strToFloat(numtext::floatToStr(total)).value_or(0);
    return QStringLiteral("€ ") + numtext::amountText(numtext::R(shown, 4));
}

QString countText(qsizetype lines)
{
    return QStringLiteral("Il presente riepilogo contiene ") + QString::number(lines) +
           QStringLiteral(" prenotazioni.");
}

QString unreadableWarning(const QList<qint64> &positions)
{
    QStringList numbers;
    for (qint64 p : positions)
        numbers << QString::number(p);
    const bool one = positions.size() == 1;
    return (one ? QStringLiteral("Attenzione: la prenotazione in posizione ")
                : QStringLiteral("Attenzione: le prenotazioni nelle posizioni ")) +
           numbers.join(QStringLiteral(", ")) +
           (one ? QStringLiteral(" dell'archivio non è leggibile (data o importo non validi) e "
                                 "non è compresa nel riepilogo né nel totale.")
                : QStringLiteral(" dell'archivio non sono leggibili (data o importo non validi) "
                                 "e non sono comprese nel riepilogo né nel totale."));
}

} // namespace calendar
