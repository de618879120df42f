#include "CalendarFixture.h"
#include "ReportRecorder.h"
#include "TestSupport.h"

#include "archive/RecordListPanel.h"

#include "calendar/CalendarioServizi.h"
#include "calendar/RiepPrenotazioni.h"
#include "reservations/ReservationRecord.h"
#include "shell/Avvio.h"
#include "shell/Clock.h"
#include "shell/Picture.h"
#include "shell/WindowSet.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using brisvola::MessageKind;

// The texts the user reads, as documented.
namespace texts {
const QString yearWarning = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro "
                                           "cifre prima di premere il pulsante Visualizza.");
const QString missing31Feb =
    QStringLiteral("Attenzione: la data 31/02/2026 non esiste.\n\r\n\rPer poter procedere è "
                   "necessario indicare una data valida.");
const QString emptyList =
    QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
const QString unreadable =
    QStringLiteral("Attenzione: la prenotazione in posizione 2 dell'archivio non è leggibile "
                   "(data o importo non validi) e non è compresa nel riepilogo né nel totale.");
} // namespace texts

namespace {

template <class T> T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s in %s", name, qPrintable(w->objectName()));
    return c;
}

struct Fixture
{
    TempProgramFolder folder;
    MessageRecorder messages;
    QWidget *launcher = nullptr;
    TfrmCalendarioServizi *calendar = nullptr;
    QString archive = reservations::reservationArchivePath(QStringLiteral("2026"));

    Fixture()
    {
        brisvola::setNow(QDateTime(QDate(2026, 3, 5), QTime(12, 0)));
        brisvola::registerAppWindows();
        brisvola::registerWindow(QStringLiteral("TfrmAvvio"), [] { return new QWidget; });
        launcher = brisvola::window(QStringLiteral("TfrmAvvio"));
        calendar = brisvola::window<TfrmCalendarioServizi>(QStringLiteral("TfrmCalendarioServizi"));
    }
    ~Fixture()
    {
        brisvola::destroyWindows();
        brisvola::setNow(QDateTime());
    }
    void show()
    {
        brisvola::showInstead(calendar, launcher);
        QVERIFY(QTest::qWaitForWindowExposed(calendar));
    }
    QString text(const char *name) const
    {
        if (auto *c = calendar->findChild<QComboBox *>(QString::fromLatin1(name)))
            return c->currentText();
        return child<QLineEdit>(calendar, name)->text();
    }
    void set(const char *name, const QString &value)
    {
        if (auto *c = calendar->findChild<QComboBox *>(QString::fromLatin1(name)))
            c->setCurrentIndex(c->findText(value));
        else
            child<QLineEdit>(calendar, name)->setText(value);
    }
    QWidget *summary(const char *className) const
    {
        return brisvola::existingWindow(QString::fromLatin1(className));
    }
    // Three reservations of 5 March (one cancelled) and others around them.
    void storeDay()
    {
        storeReservation(archive, {"05", "Marzo", "2026", "20:30", "Bianchi Luca", "0612345", "2",
                                   "Confermata", "45,50"});
        storeReservation(archive, {"06", "Marzo", "2026", "20:00", "Altro Giorno", "1", "2",
                                   "Confermata", "99,00"});
        storeReservation(archive, {"05", "Marzo", "2026", "13:00", "Rossi Anna", "333", "3",
                                   "Annullata", "30,00"});
        storeReservation(archive, {"05", "Marzo", "2026", "21:15", "Rossi Mario", "", "4",
                                   "Da confermare", "20,00"});
    }
};

QStringList lines(QWidget *summary)
{
    QStringList out;
    auto *list = child<RecordList>(summary, "lstRecords");
    for (int i = 0; i < list->count(); ++i)
        out << list->text(i);
    return out;
}

} // namespace

class CalendarWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void showStartsFromToday();
    void todayRowShowsTodaysSummary();
    void rowChecksStayInTheCalendar();
    void listAndYearFieldsTakeOnlyTheirValues();
    void enterMovesAlongTheRow();
    void everyRowShowsItsSummary();
    void listFindCyclesAndWraps();
    void printedSummaryEndsWithTotal();
    void unreadableRecordIsReported();
    void helpOfTheMonthlySummary();
    void exitAndCloseReturnToTheLauncher();
    void launcherTileOpensTheCalendar();
};

void CalendarWindowsTest::showStartsFromToday()
{
    Fixture f;
    f.show();
    QCOMPARE(child<QLabel>(f.calendar, "lblMemory")->text(), QStringLiteral("avvio"));
    QCOMPARE(f.text("txtGiornoOG"), QStringLiteral("05"));
    QCOMPARE(f.text("txtMeseOG"), QStringLiteral("Marzo"));
    for (const char *year : {"txtAnnoOG", "txtAnnoGI", "txtAnnoME", "txtAnnoIN"})
        QCOMPARE(f.text(year), QStringLiteral("2026"));
    for (const char *empty : {"txtGiornoGI", "txtMeseGI", "txtMeseME", "txtGiornoIN01",
                              "txtMeseIN01", "txtGiornoIN02", "txtMeseIN02"})
        QCOMPARE(f.text(empty), QString());
}

void CalendarWindowsTest::todayRowShowsTodaysSummary()
{
    Fixture f;
    f.storeDay();
    f.show();
    clickButton(f.calendar, "btnOggi");
    QCOMPARE(child<QLabel>(f.calendar, "lblMemory")->text(), QStringLiteral("oggi"));
    QCOMPARE(child<QLabel>(f.calendar, "lblFile")->text(), f.archive);
    QWidget *s = f.summary("TfrmRiepAnnuale");
    QVERIFY(s && s->isVisible());
    QVERIFY(!f.calendar->isVisible());
    QCOMPARE(s->windowTitle(), QStringLiteral(" Brisvola - Calendario prenotazioni del giorno"));
    const QStringList shown = lines(s);
    QCOMPARE(shown.size(), 3);
    QVERIFY(shown[0].contains(QStringLiteral("Bianchi Luca")));
    QVERIFY(shown[1].contains(QStringLiteral("Annullata")));
    QVERIFY(shown[2].contains(QStringLiteral("Rossi Mario")));
    QCOMPARE(child<QLabel>(s, "lblTotale")->text(), QStringLiteral("€ 95,50"));
    QCOMPARE(child<QLabel>(s, "titTipologia")->text(),
             QStringLiteral("Prenotazioni del giorno 05/03/2026."));
    QCOMPARE(child<QLabel>(s, "panInfo")->text(),
             QStringLiteral("Il presente riepilogo contiene 3 prenotazioni."));
    QVERIFY(f.messages.shown.isEmpty());

    // Every showing reads the archive again.
    s->close();
    storeReservation(f.archive,
                     {"05", "Marzo", "2026", "22:00", "Ultimo", "", "2", "Confermata", "4,50"});
    f.show();
    clickButton(f.calendar, "btnOggi");
    QCOMPARE(lines(s).size(), 4);
    QCOMPARE(child<QLabel>(s, "lblTotale")->text(), QStringLiteral("€ 100,00"));
}

void CalendarWindowsTest::rowChecksStayInTheCalendar()
{
    Fixture f;
    f.show();
    f.set("txtAnnoME", QStringLiteral("202"));
    f.set("txtMeseME", QStringLiteral("Marzo"));
    clickButton(f.calendar, "btnMese");
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown[0].kind, MessageKind::Warning);
    QCOMPARE(f.messages.shown[0].text, texts::yearWarning);
    QTRY_COMPARE(QApplication::focusWidget(),
                 static_cast<QWidget *>(child<QLineEdit>(f.calendar, "txtAnnoME")));
    QVERIFY(f.calendar->isVisible());
    QCOMPARE(child<QLabel>(f.calendar, "lblMemory")->text(), QStringLiteral("avvio"));

    f.messages.clear();
    f.set("txtGiornoIN01", QStringLiteral("31"));
    f.set("txtMeseIN01", QStringLiteral("02"));
    f.set("txtGiornoIN02", QStringLiteral("31"));
    f.set("txtMeseIN02", QStringLiteral("03"));
    clickButton(f.calendar, "btnIntervallo");
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(f.messages.shown[0].text, texts::missing31Feb);
    QTRY_COMPARE(QApplication::focusWidget()->objectName().left(13),
                 QStringLiteral("txtGiornoIN01"));
    QVERIFY(f.calendar->isVisible());
}

void CalendarWindowsTest::listAndYearFieldsTakeOnlyTheirValues()
{
    Fixture f;
    f.show();
    auto *day = child<QComboBox>(f.calendar, "txtGiornoOG");
    day->setFocus();
    QTest::keyClicks(day, QStringLiteral("1x"));
    QCOMPARE(day->currentText(), QStringLiteral("05"));
    QTest::keyClick(day, Qt::Key_Backspace);
    QCOMPARE(day->currentText(), QString());
    auto *month = child<QComboBox>(f.calendar, "txtMeseOG");
    month->setFocus();
    QTest::keyClick(month, Qt::Key_Delete);
    QCOMPARE(month->currentText(), QString());

    auto *year = child<QLineEdit>(f.calendar, "txtAnnoGI");
    year->setFocus();
    year->clear();
    QTest::keyClicks(year, QStringLiteral("2a0b271"));
    QCOMPARE(year->text(), QStringLiteral("2027"));
}

void CalendarWindowsTest::enterMovesAlongTheRow()
{
    Fixture f;
    f.show();
    const QStringList order = {"txtGiornoIN01", "txtMeseIN01", "txtGiornoIN02",
                               "txtMeseIN02",   "txtAnnoIN",   "btnIntervallo"};
    QWidget *first = f.calendar->findChild<QWidget *>(order[0]);
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QWidget *expected = f.calendar->findChild<QWidget *>(order[i]);
        QTRY_VERIFY2(expected->hasFocus() || expected->isAncestorOf(QApplication::focusWidget()),
                     qPrintable(order[i]));
    }
}

void CalendarWindowsTest::everyRowShowsItsSummary()
{
    Fixture f;
    f.storeDay();
    storeReservation(f.archive,
                     {"01", "Marzo", "2026", "20:00", "Primo", "", "2", "Confermata", "1,00"});
    storeReservation(f.archive,
                     {"31", "Marzo", "2026", "20:00", "Ultimo", "", "2", "Confermata", "2,00"});
    storeReservation(f.archive,
                     {"01", "Aprile", "2026", "20:00", "Aprile", "", "2", "Confermata", "3,00"});
    struct Case
    {
        const char *button;
        QList<std::pair<const char *, QString>> fields;
        const char *window;
        QString caption;
        QString title;
        int lines;
        QString total;
    };
    const QList<Case> cases = {
        {"btnGiorno",
         {{"txtGiornoGI", "06"}, {"txtMeseGI", "Marzo"}},
         "TfrmRiepGiornaliero",
         " Brisvola - Calendario prenotazioni del giorno",
         "Prenotazioni del giorno 06/03/2026.",
         1,
         "€ 99,00"},
        {"btnGiorno",
         {{"txtGiornoGI", "31"}, {"txtMeseGI", "Febbraio"}},
         "TfrmRiepGiornaliero",
         " Brisvola - Calendario prenotazioni del giorno",
         "Prenotazioni del giorno.",
         0,
         "€ 0,00"},
        {"btnMese",
         {{"txtMeseME", "Marzo"}},
         "TfrmRiepMensile",
         " Brisvola - Calendario prenotazioni del mese",
         "Prenotazioni del mese di marzo.",
         6,
         "€ 197,50"},
        {"btnIntervallo",
         {{"txtGiornoIN01", "01"},
          {"txtMeseIN01", "03"},
          {"txtGiornoIN02", "31"},
          {"txtMeseIN02", "03"}},
         "TfrmRiepIntervallo",
         " Brisvola - Calendario prenotazioni per intervallo di tempo",
         "Prenotazioni dal 01/03/2026 al 31/03/2026.",
         6,
         "€ 197,50"},
        // A year without an archive: the file is made, the summary is empty.
        {"btnMese",
         {{"txtMeseME", "Marzo"}, {"txtAnnoME", "2031"}},
         "TfrmRiepMensile",
         " Brisvola - Calendario prenotazioni del mese",
         "Prenotazioni del mese.",
         0,
         "€ 0,00"},
    };
    for (const Case &c : cases) {
        f.show();
        for (const auto &[name, value] : c.fields)
            f.set(name, value);
        clickButton(f.calendar, c.button);
        QWidget *s = f.summary(c.window);
        QVERIFY2(s && s->isVisible(), c.window);
        QCOMPARE(s->windowTitle(), c.caption);
        QCOMPARE(child<QLabel>(s, "titTipologia")->text(), c.title);
        QCOMPARE(lines(s).size(), c.lines);
        QCOMPARE(child<QLabel>(s, "lblTotale")->text(), c.total);
        QCOMPARE(child<QLabel>(s, "panInfo")->text(),
                 QStringLiteral("Il presente riepilogo contiene %1 prenotazioni.").arg(c.lines));
        s->close();
        QVERIFY(f.launcher->isVisible());
    }
    QVERIFY(QFile::exists(reservations::reservationArchivePath(QStringLiteral("2031"))));
    QVERIFY(f.messages.shown.isEmpty());
}

void CalendarWindowsTest::listFindCyclesAndWraps()
{
    Fixture f;
    f.storeDay();
    f.show();
    clickButton(f.calendar, "btnOggi");
    QWidget *s = f.summary("TfrmRiepAnnuale");
    auto *list = child<RecordList>(s, "lstRecords");
    auto *find = child<QLineEdit>(s, "txtTrova");
    find->setText(QStringLiteral("ROSSI"));
    clickButton(s, "btnTrova");
    QCOMPARE(list->currentRow(), 1);
    clickButton(s, "btnTrova");
    QCOMPARE(list->currentRow(), 2);
    clickButton(s, "btnTrova");
    QCOMPARE(list->currentRow(), 1);
    find->setText(QStringLiteral("luca"));
    clickButton(s, "btnTrova");
    QCOMPARE(list->currentRow(), 0);
    find->setText(QStringLiteral("nessuno"));
    clickButton(s, "btnTrova");
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(f.messages.shown.isEmpty());
    s->close();

    // An empty summary: the find says so.
    f.show();
    f.set("txtGiornoGI", QStringLiteral("20"));
    f.set("txtMeseGI", QStringLiteral("Marzo"));
    clickButton(f.calendar, "btnGiorno");
    QWidget *day = f.summary("TfrmRiepGiornaliero");
    child<QLineEdit>(day, "txtTrova")->setText(QStringLiteral("rossi"));
    clickButton(day, "btnTrova");
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown[0].kind, MessageKind::Information);
    QCOMPARE(f.messages.shown[0].text, texts::emptyList);
}

void CalendarWindowsTest::printedSummaryEndsWithTotal()
{
    Fixture f;
    f.storeDay();
    ReportRecorder recorder;
    f.show();
    clickButton(f.calendar, "btnOggi");
    QWidget *s = f.summary("TfrmRiepAnnuale");
    clickButton(s, "btnStampa");
    QCOMPARE(recorder.outputs.size(), 1);
    const ReportRecorder::Output &out = recorder.outputs[0];
    QVERIFY(!out.preview);
    QCOMPARE(out.orientation, QPageLayout::Landscape);
    const QStringList printed = out.lines();
    QVERIFY(printed.contains(
        QStringLiteral("Tipologia riepilogo: Prenotazioni del giorno 05/03/2026.")));
    const qsizetype hyphens = printed.indexOf(QStringLiteral("--------------------------"));
    QVERIFY(hyphens >= 3);
    QCOMPARE(printed.value(hyphens + 1), QStringLiteral("TOTALE:       € 95,50"));
    const QStringList shown = lines(s);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(printed.value(hyphens - 3 + i).trimmed(), shown[i].trimmed());
}

void CalendarWindowsTest::unreadableRecordIsReported()
{
    Fixture f;
    storeReservation(f.archive,
                     {"05", "Marzo", "2026", "20:00", "Uno", "", "2", "Confermata", "10,00"});
    storeReservation(f.archive,
                     {"05", "Marzo", "2026", "20:00", "Rotto", "", "2", "Confermata", "1,2,3"});
    storeReservation(f.archive,
                     {"05", "Marzo", "2026", "20:00", "Tre", "", "2", "Confermata", "5,25"});
    f.show();
    clickButton(f.calendar, "btnOggi");
    QWidget *s = f.summary("TfrmRiepAnnuale");
    QCOMPARE(lines(s).size(), 2);
    QCOMPARE(child<QLabel>(s, "lblTotale")->text(), QStringLiteral("€ 15,25"));
    QCOMPARE(child<QLabel>(s, "panInfo")->text(),
             QStringLiteral("Il presente riepilogo contiene 2 prenotazioni."));
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown[0].kind, MessageKind::Warning);
    QCOMPARE(f.messages.shown[0].text, texts::unreadable);
}

void CalendarWindowsTest::helpOfTheMonthlySummary()
{
    Fixture f;
    const auto helpText = [](QWidget *w) {
        QString text;
        const auto expected = onNextModal([&text](QWidget *d) {
            text = child<QPlainTextEdit>(d, "txtGuida")->toPlainText();
            static_cast<QDialog *>(d)->accept();
        });
        QTest::mouseClick(child<QToolButton>(w, "imgGuida"), Qt::LeftButton);
        return text;
    };
    const QString general = helpText(f.calendar);
    QVERIFY(general.contains(QStringLiteral("hanno prenotato la colazione, il pranzo o la cena "
                                            "oggi")));
    f.show();
    f.set("txtMeseME", QStringLiteral("Marzo"));
    clickButton(f.calendar, "btnMese");
    QWidget *month = f.summary("TfrmRiepMensile");
    const QString monthly = helpText(month);
    QVERIFY(monthly.contains(QStringLiteral("hanno prenotato il pranzo o la cena oggi")));
    QVERIFY(!monthly.contains(QStringLiteral("colazione, il pranzo")));
    QCOMPARE(monthly.size(), general.size() - QStringLiteral("la colazione, ").size());
}

void CalendarWindowsTest::exitAndCloseReturnToTheLauncher()
{
    Fixture f;
    f.show();
    QTest::mouseClick(child<QToolButton>(f.calendar, "imgEsci"), Qt::LeftButton);
    QVERIFY(!f.calendar->isVisible());
    QVERIFY(f.launcher->isVisible());
    for (const char *w :
         {"TfrmRiepAnnuale", "TfrmRiepGiornaliero", "TfrmRiepMensile", "TfrmRiepIntervallo"})
        QVERIFY(!f.summary(w) || !f.summary(w)->isVisible());

    f.storeDay();
    f.show();
    clickButton(f.calendar, "btnOggi");
    QWidget *s = f.summary("TfrmRiepAnnuale");
    clickButton(s, "btnEsci");
    QVERIFY(!s->isVisible());
    QVERIFY(!f.calendar->isVisible());
    QVERIFY(f.launcher->isVisible());
    QCOMPARE(lines(s).size(), 0);
}

void CalendarWindowsTest::launcherTileOpensTheCalendar()
{
    TempProgramFolder folder;
    brisvola::registerAppWindows();
    auto *launcher = brisvola::window<TfrmAvvio>(QStringLiteral("TfrmAvvio"));
    launcher->show();
    auto *tile = child<brisvola::Picture>(launcher, "btnApp08");
    QVERIFY(tile->isEnabled());
    QTest::mouseClick(tile, Qt::LeftButton);
    QWidget *calendar = brisvola::window(QStringLiteral("TfrmCalendarioServizi"));
    QVERIFY(calendar->isVisible());
    QVERIFY(!launcher->isVisible());
    brisvola::destroyWindows();
}

QTEST_MAIN(CalendarWindowsTest)
#include "tst_calendarwindows.moc"
