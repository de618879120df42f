#include "CalendarFixture.h"
#include "FolderSupport.h"
#include "calendar/CalendarRules.h"
#include "reservations/ReservationRecord.h"

#include <QFile>
#include <QTest>

using namespace calendar;

namespace texts {
const QString day =
    QStringLiteral("Attenzione: selezionare il giorno prima di premere il pulsante Visualizza.");
const QString month =
    QStringLiteral("Attenzione: selezionare il mese prima di premere il pulsante Visualizza.");
const QString year = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre "
                                    "prima di premere il pulsante Visualizza.");
const QString startDay = QStringLiteral("Attenzione: selezionare il giorno di inizio intervallo "
                                        "prima di premere il pulsante Visualizza.");
const QString startMonth = QStringLiteral("Attenzione: selezionare il mese di inizio intervallo "
                                          "prima di premere il pulsante Visualizza.");
const QString endDay = QStringLiteral("Attenzione: selezionare il giorno di fine intervallo prima "
                                      "di premere il pulsante Visualizza.");
const QString endMonth = QStringLiteral("Attenzione: selezionare il mese di fine intervallo prima "
                                        "di premere il pulsante Visualizza.");
const QString missing31Feb =
    QStringLiteral("Attenzione: la data 31/02/2026 non esiste.\n\r\n\rPer poter procedere è "
                   "necessario indicare una data valida.");
const QString missing31Apr =
    QStringLiteral("Attenzione: la data 31/04/2026 non esiste.\n\r\n\rPer poter procedere è "
                   "necessario indicare una data valida.");
const QString reversed = QStringLiteral(
    "Attenzione: la data di fine intervallo (01/04/2026) non può essere anteriore a quella di "
    "inizio intervallo (30/04/2026).\n\r\n\rPer poter visualizzare il riepilogo è necessario "
    "indicare un intervallo di tempo valido.");
} // namespace texts

Q_DECLARE_METATYPE(calendar::Period)

namespace {

CalendarTexts filled()
{
    return {{"txtGiornoOG", "05"},  {"txtMeseOG", "Marzo"},    {"txtAnnoOG", "2026"},
            {"txtGiornoGI", "31"},  {"txtMeseGI", "Febbraio"}, {"txtAnnoGI", "2026"},
            {"txtMeseME", "Marzo"}, {"txtAnnoME", "2026"},     {"txtGiornoIN01", "01"},
            {"txtMeseIN01", "03"},  {"txtGiornoIN02", "31"},   {"txtMeseIN02", "03"},
            {"txtAnnoIN", "2026"}};
}

CalendarTexts with(std::initializer_list<std::pair<QString, QString>> changes)
{
    CalendarTexts t = filled();
    for (const auto &[name, value] : changes)
        t[name] = value;
    return t;
}

} // namespace

class CalendarRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void rowChecks_data();
    void rowChecks();
    void daySummaryListsEveryStateInFileOrder();
    void intervalIncludesBothBounds();
    void monthSummaryTitleInLowerCase();
    void noReservationKeepsInitialTitle();
    void missingArchiveIsCreatedEmpty();
    void totalRounding_data();
    void totalRounding();
    void unreadableRecordsAreReportedNotEndingTheSummary();
};

void CalendarRulesTest::rowChecks_data()
{
    QTest::addColumn<Period>("period");
    QTest::addColumn<CalendarTexts>("fields");
    QTest::addColumn<QString>("message"); // empty: the row passes
    QTest::addColumn<bool>("plain");
    QTest::addColumn<QString>("focus");

    const auto row = [](const char *name, Period p, CalendarTexts t, QString message, bool plain,
                        QString focus) {
        QTest::newRow(name) << p << t << message << plain << focus;
    };
    row("oggi ok", Period::Today, filled(), {}, false, {});
    row("oggi day", Period::Today, with({{"txtGiornoOG", "  "}, {"txtMeseOG", ""}}), texts::day,
        false, "txtGiornoOG");
    row("oggi month", Period::Today, with({{"txtMeseOG", ""}, {"txtAnnoOG", "26"}}), texts::month,
        false, "txtMeseOG");
    row("oggi year 3", Period::Today, with({{"txtAnnoOG", "202"}}), texts::year, false,
        "txtAnnoOG");
    row("oggi year blanks counted", Period::Today, with({{"txtAnnoOG", " 2026"}}), texts::year,
        false, "txtAnnoOG");
    row("giorno 31 febbraio accepted", Period::Day, filled(), {}, false, {});
    row("giorno day", Period::Day, with({{"txtGiornoGI", ""}}), texts::day, false, "txtGiornoGI");
    row("giorno month", Period::Day, with({{"txtMeseGI", ""}}), texts::month, false, "txtMeseGI");
    row("giorno year 3", Period::Day, with({{"txtAnnoGI", "999"}}), texts::year, false,
        "txtAnnoGI");
    row("mese ok", Period::Month, filled(), {}, false, {});
    row("mese month", Period::Month, with({{"txtMeseME", ""}, {"txtAnnoME", ""}}), texts::month,
        false, "txtMeseME");
    row("mese year 3", Period::Month, with({{"txtAnnoME", "202"}}), texts::year, false,
        "txtAnnoME");
    row("intervallo ok", Period::Interval, filled(), {}, false, {});
    row("intervallo same day", Period::Interval,
        with({{"txtGiornoIN02", "01"}, {"txtMeseIN02", "03"}}), {}, false, {});
    row("intervallo start day", Period::Interval,
        with({{"txtGiornoIN01", ""}, {"txtMeseIN01", ""}, {"txtAnnoIN", ""}}), texts::startDay,
        false, "txtGiornoIN01");
    row("intervallo start month", Period::Interval,
        with({{"txtMeseIN01", ""}, {"txtGiornoIN02", ""}}), texts::startMonth, false,
        "txtMeseIN01");
    row("intervallo end day", Period::Interval, with({{"txtGiornoIN02", ""}, {"txtMeseIN02", ""}}),
        texts::endDay, false, "txtGiornoIN02");
    row("intervallo end month", Period::Interval, with({{"txtMeseIN02", ""}}), texts::endMonth,
        false, "txtMeseIN02");
    row("intervallo year 3", Period::Interval,
        with({{"txtAnnoIN", "202"}, {"txtGiornoIN01", "31"}, {"txtMeseIN01", "02"}}), texts::year,
        false, "txtAnnoIN");
    row("intervallo start 31/02", Period::Interval,
        with({{"txtGiornoIN01", "31"},
              {"txtMeseIN01", "02"},
              {"txtGiornoIN02", "31"},
              {"txtMeseIN02", "04"}}),
        texts::missing31Feb, true, "txtGiornoIN01");
    row("intervallo end 31/04", Period::Interval,
        with({{"txtGiornoIN02", "31"}, {"txtMeseIN02", "04"}}), texts::missing31Apr, true,
        "txtGiornoIN02");
    row("intervallo reversed", Period::Interval,
        with({{"txtGiornoIN01", "30"},
              {"txtMeseIN01", "04"},
              {"txtGiornoIN02", "01"},
              {"txtMeseIN02", "04"}}),
        texts::reversed, true, QString());
}

void CalendarRulesTest::rowChecks()
{
    QFETCH(Period, period);
    QFETCH(CalendarTexts, fields);
    QFETCH(QString, message);
    QFETCH(bool, plain);
    QFETCH(QString, focus);

    const std::optional<CheckFailure> failed = checkRow(period, fields);
    if (message.isEmpty()) {
        QVERIFY2(!failed, qPrintable(failed ? failed->message : QString()));
        return;
    }
    QVERIFY(failed);
    QCOMPARE(failed->message, message);
    QCOMPARE(failed->plain, plain);
    QCOMPARE(failed->focus, focus);
}

void CalendarRulesTest::daySummaryListsEveryStateInFileOrder()
{
    TempProgramFolder folder;
    const QString archive = reservations::reservationArchivePath("2026");
    storeReservation(archive, {"05", "Marzo", "2026", "20:30", "Bianchi Luca", "0612345", "2",
                               "Confermata", "45,50"});
    storeReservation(
        archive, {"06", "Marzo", "2026", "20:00", "Altro Giorno", "1", "2", "Confermata", "99,00"});
    storeReservation(archive,
                     {"05", "Marzo", "2026", "13:00", "Verdi Giuseppe Maria Antonio Francesco",
                      "3331112223", "12", "Annullata", "30,00"});
    storeReservation(
        archive, {"05", "Aprile", "2026", "20:00", "Altro Mese", "1", "2", "Confermata", "99,00"});
    storeReservation(archive,
                     {"05", "Marzo", "2026", "21:15", "Neri", "", "4", "Da confermare", "20,00"});

    const Summary s = buildSummary(
        archive, selectionFrom(Period::Day, with({{"txtGiornoGI", "05"}, {"txtMeseGI", "Marzo"}})));
    QCOMPARE(s.title, QStringLiteral("Prenotazioni del giorno 05/03/2026."));
    QCOMPARE(int(s.lines.size()), 3);
    QCOMPARE(s.lines.position(0), 1);
    QCOMPARE(s.lines.position(1), 3);
    QCOMPARE(s.lines.position(2), 5);
    QCOMPARE(s.lines.text(0),
             QStringLiteral("Data: 05/03/2026  Ora: 20:30  Cliente: Bianchi Luca                "
                            "    Tel. 0612345             Persone: 2    Stato: Confermata       "
                            "Tot. € 45,50"));
    // A long name is cut to its column: the following columns stay where they are.
    QCOMPARE(s.lines.text(1),
             QStringLiteral("Data: 05/03/2026  Ora: 13:00  Cliente: Verdi Giuseppe Maria Antoni"
                            "o F  Tel. 3331112223          Persone: 12   Stato: Annullata        "
                            "Tot. € 30,00"));
    QVERIFY(s.unreadable.isEmpty());
    QCOMPARE(totalText(s.total), QStringLiteral("€ 95,50"));

    // Today's row selects the same way with its own fields; 31 February is simply empty.
    QCOMPARE(int(buildSummary(archive, selectionFrom(Period::Today, filled())).lines.size()), 3);
    const Summary none = buildSummary(archive, selectionFrom(Period::Day, filled()));
    QVERIFY(none.lines.empty());
    QCOMPARE(none.title, QStringLiteral("Prenotazioni del giorno."));
}

void CalendarRulesTest::intervalIncludesBothBounds()
{
    TempProgramFolder folder;
    const QString archive = reservations::reservationArchivePath("2026");
    for (const auto &[day, month] : {std::pair{"28", "Febbraio"},
                                     {"01", "Marzo"},
                                     {"15", "Marzo"},
                                     {"31", "Marzo"},
                                     {"01", "Aprile"}})
        storeReservation(archive, {day, month, "2026", "20:00", QString::fromLatin1(day) + month,
                                   "1", "2", "Confermata", "10,00"});

    const Summary s = buildSummary(archive, selectionFrom(Period::Interval, filled()));
    QCOMPARE(s.title, QStringLiteral("Prenotazioni dal 01/03/2026 al 31/03/2026."));
    QCOMPARE(int(s.lines.size()), 3);
    QVERIFY(s.lines.text(0).startsWith(QStringLiteral("Data: 01/03/2026")));
    QVERIFY(s.lines.text(2).startsWith(QStringLiteral("Data: 31/03/2026")));
    QCOMPARE(totalText(s.total), QStringLiteral("€ 30,00"));
}

void CalendarRulesTest::monthSummaryTitleInLowerCase()
{
    TempProgramFolder folder;
    const QString archive = reservations::reservationArchivePath("2026");
    storeReservation(archive, {"02", "Marzo", "2026"});
    storeReservation(archive, {"31", "Marzo", "2026"});
    storeReservation(archive, {"31", "Maggio", "2026"});
    // Same month name, another year in the record's own fields: not of this summary.
    storeReservation(archive, {"10", "Marzo", "2025"});

    const Summary s = buildSummary(archive, selectionFrom(Period::Month, filled()));
    QCOMPARE(s.title, QStringLiteral("Prenotazioni del mese di marzo."));
    QCOMPARE(int(s.lines.size()), 2);
    QCOMPARE(totalText(s.total), QStringLiteral("€ 0,00"));
}

void CalendarRulesTest::noReservationKeepsInitialTitle()
{
    TempProgramFolder folder;
    const QString archive = reservations::reservationArchivePath("2026");
    storeReservation(archive, {"10", "Gennaio", "2026"});
    QCOMPARE(buildSummary(archive, selectionFrom(Period::Month, filled())).title,
             QStringLiteral("Prenotazioni del mese."));
    QCOMPARE(buildSummary(archive, selectionFrom(Period::Interval, filled())).title,
             QStringLiteral("Prenotazioni per intervallo di tempo."));
    QCOMPARE(countText(0), QStringLiteral("Il presente riepilogo contiene 0 prenotazioni."));
}

void CalendarRulesTest::missingArchiveIsCreatedEmpty()
{
    TempProgramFolder folder;
    const QString archive = reservations::reservationArchivePath("2031");
    QVERIFY(!QFile::exists(archive));
    const Summary s =
        buildSummary(archive, selectionFrom(Period::Month, with({{"txtAnnoME", "2031"}})));
    QVERIFY(QFile::exists(archive));
    QCOMPARE(QFile(archive).size(), 0);
    QVERIFY(s.lines.empty());
    QCOMPARE(totalText(s.total), QStringLiteral("€ 0,00"));
}

void CalendarRulesTest::totalRounding_data()
{
    QTest::addColumn<double>("total");
    QTest::addColumn<QString>("shown");
    QTest::newRow("zero") << 0.0 << QStringLiteral("€ 0,00");
    QTest::newRow("one decimal") << 125.5 << QStringLiteral("€ 125,50");
    QTest::newRow("whole") << 1234.0 << QStringLiteral("€ 1234,00");
    QTest::newRow("binary sum") << 0.1 + 0.2 << QStringLiteral("€ 0,30");
    QTest::newRow("four decimals") << 1.23456 << QStringLiteral("€ 1,2346");
    QTest::newRow("half up at the fifth") << 2.03125 << QStringLiteral("€ 2,0313");
    QTest::newRow("many amounts") << 95.50000000000001 << QStringLiteral("€ 95,50");
}

void CalendarRulesTest::totalRounding()
{
    QFETCH(double, total);
    QFETCH(QString, shown);
    QCOMPARE(totalText(total), shown);
}

void CalendarRulesTest::unreadableRecordsAreReportedNotEndingTheSummary()
{
    TempProgramFolder folder;
    const QString archive = reservations::reservationArchivePath("2026");
    storeReservation(archive,
                     {"05", "Marzo", "2026", "20:00", "Uno", "", "2", "Confermata", "10,00"});
    storeReservation(archive,
                     {"05", "Marzo", "2026", "20:00", "Rotto", "", "2", "Confermata", "1,2,3"});
    storeReservation(archive,
                     {"05", "Marzo", "2026", "20:00", "Tre", "", "2", "Confermata", "5,25"});
    storeReservation(archive, {"05", "Marzo", "2026", "20:00", "Data rotta", "", "2", "Confermata",
                               "7,00", "05/03/xxxx"});
    const QByteArray before = [&] {
        QFile f(archive);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    const Summary day = buildSummary(archive, selectionFrom(Period::Today, filled()));
    QCOMPARE(int(day.lines.size()), 2); // the date is not converted for a day: only the amount
    // "Data rotta" has the day fields of the day, but its date is of no year: not selected.
    QCOMPARE(day.lines.position(0), 1);
    QCOMPARE(day.lines.position(1), 3);
    QCOMPARE(day.unreadable, QList<qint64>{2});
    QCOMPARE(totalText(day.total), QStringLiteral("€ 15,25"));

    const Summary interval = buildSummary(archive, selectionFrom(Period::Interval, filled()));
    QCOMPARE(int(interval.lines.size()), 2);
    QCOMPARE(interval.unreadable, (QList<qint64>{2, 4}));
    QCOMPARE(totalText(interval.total), QStringLiteral("€ 15,25"));

    QCOMPARE(unreadableWarning({2}),
             QStringLiteral("Attenzione: la prenotazione in posizione 2 dell'archivio non è "
                            "leggibile (data o importo non validi) e non è compresa nel "
                            "riepilogo né nel totale."));
    QCOMPARE(unreadableWarning({2, 4}),
             QStringLiteral("Attenzione: le prenotazioni nelle posizioni 2, 4 dell'archivio non "
                            "sono leggibili (data o importo non validi) e non sono comprese nel "
                            "riepilogo né nel totale."));

    QFile f(archive);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

QTEST_GUILESS_MAIN(CalendarRulesTest)
#include "tst_calendarrules.moc"
