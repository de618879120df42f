#include "FolderSupport.h"
#include "archive/ArchiveSession.h"
#include "archive/RecordFile.h"
#include "reservations/ReservationLists.h"
#include "reservations/ReservationRecord.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

using brisvola::MessageButtons;
using brisvola::MessageKind;
using namespace reservations;

// The texts the user reads, as documented.
namespace texts {
const QString saved = QStringLiteral("La scheda corrente è stata salvata in archivio.");
const QString updated =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString duplicated =
    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                   "Al termine premere Salva per inserire la scheda in archivio.");
const QString archiveFailure = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere "
    "i privilegi di scrittura nella cartella di installazione del programma.");
const QString validDate =
    QStringLiteral("Per poter salvare la scheda è necessario indicare una data valida.");
} // namespace texts

namespace {

// A screen without widgets: every field has a control.
struct FakeScreen : ArchiveSession::Screen
{
    struct Shown
    {
        MessageKind kind;
        QString text;
        MessageButtons buttons;
    };
    QHash<int, QString> values;
    QString position;
    QList<Shown> messages;
    QStringList focused;

    bool hasControl(int) const override { return true; }
    QString text(int field) const override { return values.value(field); }
    void setText(int field, const QString &text) override { values[field] = text; }
    QString positionText() const override { return position; }
    void setPositionText(const QString &text) override { position = text; }
    void message(MessageKind kind, const QString &text, MessageButtons buttons) override
    {
        messages.append({kind, text, buttons});
    }
    void focus(const QString &control) override { focused << control; }
};

// The reservation session over a year archive in a temporary folder, a valid card on screen.
struct Fixture
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("2024.tav"));
    FakeScreen screen;
    ArchiveSession session{reservationLayout(), sessionConfig([this] { return path; }), screen};

    Fixture()
    {
        set("AnnoRit", QStringLiteral("2024"));
        set("AnnoRic", QStringLiteral("2024"));
        session.clear();
        set("GiornoRit", QStringLiteral("15"));
        set("MeseRit", QStringLiteral("Marzo"));
        set("OreRit", QStringLiteral("20"));
        set("MinutiRit", QStringLiteral("30"));
        set("Cliente", QStringLiteral("Mario Rossi"));
        set("Recapito", QStringLiteral("333 1234567"));
    }
    void set(const char *field, const QString &text)
    {
        screen.values[reservationLayout().field(field)] = text;
    }
    QString get(const char *field) const
    {
        return screen.values.value(reservationLayout().field(field));
    }
    qint64 count() const { return RecordFile(path, reservationLayout()).count(); }
    Record read(qint64 p) const { return RecordFile(path, reservationLayout()).read(p); }
};

} // namespace

class TestReservationRules : public QObject
{
    Q_OBJECT

private slots:
    void layoutOffsets_data();
    void layoutOffsets();
    void recordBytes();
    void derivedFields();
    void amountNormalisation_data();
    void amountNormalisation();
    void calendarDates_data();
    void calendarDates();
    void saveChecksInOrder_data();
    void saveChecksInOrder();
    void saveAppliesDefaultsDerivesAndOverwrites();
    void leapDay_data();
    void leapDay();
    void duplicateThenSaveAppendsAndKeepsTheOriginal();
    void duplicateOfAnUnreachableArchiveWarns();
    void newCardKeepsTheYear();
    void confirmationTexts();
    void listLine();
    void partialTrailingRecordIsNotCounted();
};

void TestReservationRules::layoutOffsets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("width");
    const struct
    {
        const char *name;
        int offset;
        int width;
    } rows[] = {
        {"GiornoRit", 0, 3},        {"MeseRit", 3, 11},        {"AnnoRit", 14, 5},
        {"DataRit", 19, 11},        {"OreRit", 30, 3},         {"MinutiRit", 33, 3},
        {"OraRit", 36, 6},          {"GiornoRic", 42, 3},      {"MeseRic", 45, 11},
        {"AnnoRic", 56, 5},         {"DataRic", 61, 11},       {"OreRic", 72, 3},
        {"MinutiRic", 75, 3},       {"OraRic", 78, 6},         {"Stato", 84, 51},
        {"Cliente", 135, 51},       {"Recapito", 186, 51},     {"Persone", 237, 4},
        {"Pasto", 241, 251},        {"Email", 492, 121},       {"Segnalazioni", 613, 251},
        {"Intolleranze", 864, 251}, {"Preferenze", 1115, 251}, {"Tavoli", 1366, 251},
        {"Cameriere", 1617, 51},    {"Note", 1668, 251},       {"Totale", 1919, 16},
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << QString::fromLatin1(r.name) << r.offset << r.width;
}

void TestReservationRules::layoutOffsets()
{
    QFETCH(QString, name);
    QFETCH(int, offset);
    QFETCH(int, width);
    const RecordLayout &layout = reservationLayout();
    QCOMPARE(layout.recordSize(), 1935);
    QCOMPARE(layout.fieldCount(), 27);
    const int i = layout.indexOf(QLatin1StringView(name.toLatin1()));
    QVERIFY(i >= 0);
    QCOMPARE(layout.offset(i), offset);
    QCOMPARE(layout.length(i) + 1, width);
}

void TestReservationRules::recordBytes()
{
    Record r(reservationLayout());
    r.setText("Cliente", QString(60, QLatin1Char('x')));
    r.setText("Totale", QStringLiteral("45,50"));
    r.setText("MeseRit", QStringLiteral("Febbraio"));
    const QByteArray &b = r.bytes();
    QCOMPARE(b.size(), 1935);
    // A name of 60 characters keeps its first 50; the length byte comes first.
    QCOMPARE(int(quint8(b[135])), 50);
    QCOMPARE(b.mid(136, 50), QByteArray(50, 'x'));
    QCOMPARE(int(quint8(b[1919])), 5);
    QCOMPARE(b.mid(1920, 5), QByteArray("45,50"));
    QCOMPARE(int(quint8(b[3])), 8);
    QCOMPARE(b.mid(4, 8), QByteArray("Febbraio"));
}

void TestReservationRules::derivedFields()
{
    Record r(reservationLayout());
    r.setText("GiornoRit", QStringLiteral("05"));
    r.setText("MeseRit", QStringLiteral(" marzo "));
    r.setText("AnnoRit", QStringLiteral("2024"));
    r.setText("OreRit", QStringLiteral("20"));
    r.setText("MinutiRit", QStringLiteral("07"));
    r.setText("OreRic", QStringLiteral("22"));
    r.setText("MinutiRic", QStringLiteral("45"));
    r.setText("GiornoRic", QStringLiteral("09"));
    r.setText("DataRic", QStringLiteral("01/01/2000"));
    deriveFields(r);
    QCOMPARE(r.text("DataRit"), QStringLiteral("05/03/2024"));
    QCOMPARE(r.text("OraRit"), QStringLiteral("20:07"));
    QCOMPARE(r.text("OraRic"), QStringLiteral("22:45"));
    // The meal ends on the day it was reserved for.
    QCOMPARE(r.text("GiornoRic"), QStringLiteral("05"));
    QCOMPARE(r.text("MeseRic"), QStringLiteral("marzo"));
    QCOMPARE(r.text("DataRic"), QStringLiteral("05/03/2024"));
}

void TestReservationRules::amountNormalisation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("whole") << "12"
                           << "12,00";
    QTest::newRow("one decimal") << "12,5"
                                 << "12,50";
    QTest::newRow("7,5") << "7,5"
                         << "7,50";
    QTest::newRow("rounded up") << "12,3456"
                                << "12,35";
    QTest::newRow("rounded to zero") << "0,001"
                                     << "0,00";
    QTest::newRow("empty") << ""
                           << "0,00";
    QTest::newRow("blanks") << "   "
                            << "0,00";
    QTest::newRow("two commas") << "1,2,3"
                                << "0,00";
    QTest::newRow("letters") << "abc"
                             << "0,00";
    QTest::newRow("two decimals") << "45,50"
                                  << "45,50";
    QTest::newRow("leading comma") << ",5"
                                   << "0,50";
    QTest::newRow("large, written in full") << "2,5e15"
                                            << "2500000000000000,00";
}

void TestReservationRules::amountNormalisation()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QCOMPARE(normaliseAmount(typed), stored);
}

void TestReservationRules::calendarDates_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("valid");
    QTest::newRow("29 Feb leap") << "29"
                                 << "Febbraio"
                                 << "2024"
                                 << "29/02/2024" << true;
    QTest::newRow("29 Feb common") << "29"
                                   << "Febbraio"
                                   << "2023"
                                   << "29/02/2023" << false;
    QTest::newRow("31 Apr") << "31"
                            << "Aprile"
                            << "2024"
                            << "31/04/2024" << false;
    QTest::newRow("30 Apr") << "30"
                            << "Aprile"
                            << "2024"
                            << "30/04/2024" << true;
    QTest::newRow("31 Dec any case") << "31"
                                     << "DICEMBRE"
                                     << "2024"
                                     << "31/12/2024" << true;
    QTest::newRow("letters in the day") << "ab"
                                        << "Marzo"
                                        << "2024"
                                        << "ab/03/2024" << false;
    QTest::newRow("no month") << "01"
                              << "Marzolino"
                              << "2024"
                              << "" << false;
}

void TestReservationRules::calendarDates()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, date);
    QFETCH(bool, valid);
    QCOMPARE(reservationDate(day, month, year), date);
    QCOMPARE(isCalendarDate(date), valid);
}

void TestReservationRules::saveChecksInOrder_data()
{
    QTest::addColumn<QStringList>("changes"); // field=value pairs applied to a valid card
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("plain");
    const QString p = QStringLiteral("Attenzione: per salvare la scheda è necessario ");
    QTest::newRow("1 day empty, before everything")
        << QStringList{"GiornoRit=", "MeseRit=", "OreRit=", "Cliente="}
        << p + "indicare il giorno a cui la prenotazione si riferisce."
        << "txtGiornoRit" << false;
    QTest::newRow("2 day of one digit")
        << QStringList{"GiornoRit=5", "MeseRit="}
        << p + "indicare con due cifre il giorno a cui la prenotazione si riferisce."
        << "txtGiornoRit" << false;
    QTest::newRow("3 month empty") << QStringList{"MeseRit=  ", "OreRit="}
                                   << p + "indicare il mese a cui la prenotazione si riferisce."
                                   << "txtMeseRit" << false;
    QTest::newRow("4 hour empty") << QStringList{"OreRit=", "MinutiRit="}
                                  << p + "indicare l'ora a cui la prenotazione si riferisce."
                                  << "txtOreRit" << false;
    QTest::newRow("5 minutes empty, before the hour's digits")
        << QStringList{"MinutiRit=", "OreRit=2"}
        << p + "indicare i minuti dell'ora a cui la prenotazione si riferisce."
        << "txtMinutiRit" << false;
    QTest::newRow("6 hour of one digit")
        << QStringList{"OreRit=2", "MinutiRit=3"}
        << p + "indicare con due cifre l'ora a cui la prenotazione si riferisce."
        << "txtOreRit" << false;
    QTest::newRow("7 minutes of one digit")
        << QStringList{"MinutiRit=3"}
        << p + "indicare con due cifre i minuti a cui la prenotazione si riferisce."
        << "txtMinutiRit" << false;
    QTest::newRow("8 customer empty")
        << QStringList{"Cliente= ", "Recapito="} << p + "indicare il nome del cliente."
        << "txtCliente" << false;
    QTest::newRow("9 telephone empty") << QStringList{"Recapito=", "OreRic="}
                                       << p + "indicare il telefono preferenziale del cliente."
                                       << "txtRecapito" << false;
    QTest::newRow("10 end hour empty")
        << QStringList{"OreRic=", "MinutiRic="} << p + "indicare l'ora di fine pasto."
        << "txtOreRic" << false;
    QTest::newRow("11 end minutes empty")
        << QStringList{"MinutiRic=", "OreRic=1"} << p + "indicare i minuti dell'ora di fine pasto."
        << "txtMinutiRic" << false;
    QTest::newRow("12 end hour of one digit") << QStringList{"OreRic=1", "MinutiRic=2"}
                                              << p + "indicare con due cifre l'ora di fine pasto."
                                              << "txtOreRic" << false;
    QTest::newRow("13 end minutes of one digit")
        << QStringList{"MinutiRic=2", "MeseRit=Marzolino"}
        << p + "indicare con due cifre i minuti di fine pasto."
        << "txtMinutiRic" << false;
    QTest::newRow("14 month not in the list")
        << QStringList{"MeseRit=Marzolino", "GiornoRit=ab"}
        << QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r") +
               texts::validDate
        << "txtMeseRit" << false;
    QTest::newRow("15 31 April") << QStringList{"GiornoRit=31", "MeseRit=Aprile"}
                                 << QStringLiteral("Attenzione: la data 31/04/2024 non esiste.\n\r"
                                                   "\n\r") +
                                        texts::validDate
                                 << "txtGiornoRit" << true;
    QTest::newRow("15 letters in the day")
        << QStringList{"GiornoRit=ab"}
        << QStringLiteral("Attenzione: la data ab/03/2024 non esiste.\n\r\n\r") + texts::validDate
        << "txtGiornoRit" << true;
}

void TestReservationRules::saveChecksInOrder()
{
    QFETCH(QStringList, changes);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(bool, plain);
    Fixture f;
    for (const QString &change : changes) {
        const qsizetype eq = change.indexOf(QLatin1Char('='));
        f.set(change.left(eq).toLatin1().constData(), change.mid(eq + 1));
    }
    QVERIFY(!f.session.save());
    QCOMPARE(f.screen.messages.size(), 1);
    QCOMPARE(f.screen.messages[0].text, message);
    QCOMPARE(f.screen.messages[0].kind, plain ? MessageKind::Plain : MessageKind::Warning);
    if (plain)
        QCOMPARE(f.screen.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(f.screen.focused, QStringList{focus});
    QCOMPARE(f.count(), 0);
    QVERIFY(f.screen.position.isEmpty());
}

void TestReservationRules::saveAppliesDefaultsDerivesAndOverwrites()
{
    Fixture f;
    f.set("Persone", QString());
    f.set("Totale", QString());
    f.set("Stato", QString());
    QVERIFY(f.session.save());
    QCOMPARE(f.screen.messages.last().text, texts::saved);
    QCOMPARE(f.screen.messages.last().kind, MessageKind::Information);
    QCOMPARE(f.screen.position, QStringLiteral("1"));
    Record stored = f.read(1);
    QCOMPARE(stored.text("Persone"), QStringLiteral("0"));
    QCOMPARE(stored.text("Totale"), QStringLiteral("0,00"));
    QCOMPARE(stored.text("Stato"), QStringLiteral("Confermata"));
    QCOMPARE(stored.text("DataRit"), QStringLiteral("15/03/2024"));
    QCOMPARE(stored.text("OraRit"), QStringLiteral("20:30"));
    QCOMPARE(stored.text("OraRic"), QStringLiteral("00:00"));
    QCOMPARE(stored.text("GiornoRic"), QStringLiteral("15"));
    QCOMPARE(stored.text("MeseRic"), QStringLiteral("Marzo"));
    QCOMPARE(stored.text("DataRic"), QStringLiteral("15/03/2024"));
    QCOMPARE(stored.text("AnnoRic"), QStringLiteral("2024"));
    // The derived labels show what was stored.
    QCOMPARE(f.get("DataRit"), QStringLiteral("15/03/2024"));
    QCOMPARE(f.get("OraRit"), QStringLiteral("20:30"));

    // An amount saved without leaving its field is stored normalised all the same.
    f.set("Totale", QStringLiteral("7,5"));
    QVERIFY(f.session.save());
    QCOMPARE(f.screen.messages.last().text, texts::updated);
    QCOMPARE(f.count(), 1);
    QCOMPARE(f.read(1).text("Totale"), QStringLiteral("7,50"));
    QCOMPARE(f.get("Totale"), QStringLiteral("7,50"));
    f.set("Totale", QStringLiteral("1,2,3"));
    QVERIFY(f.session.save());
    QCOMPARE(f.read(1).text("Totale"), QStringLiteral("0,00"));
}

void TestReservationRules::leapDay_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("saved");
    QTest::newRow("2024") << "2024" << true;
    QTest::newRow("2023") << "2023" << false;
    QTest::newRow("2000") << "2000" << true;
    QTest::newRow("1900") << "1900" << false;
}

void TestReservationRules::leapDay()
{
    QFETCH(QString, year);
    QFETCH(bool, saved);
    Fixture f;
    f.set("AnnoRit", year);
    f.set("AnnoRic", year);
    f.set("GiornoRit", QStringLiteral("29"));
    f.set("MeseRit", QStringLiteral("Febbraio"));
    QCOMPARE(f.session.save(), saved);
    QCOMPARE(f.count(), saved ? 1 : 0);
    if (!saved)
        QCOMPARE(f.screen.messages.last().text, QStringLiteral("Attenzione: la data 29/02/") +
                                                    year + QStringLiteral(" non esiste.\n\r\n\r") +
                                                    texts::validDate);
}

void TestReservationRules::duplicateThenSaveAppendsAndKeepsTheOriginal()
{
    Fixture f;
    f.set("Note", QStringLiteral("tavolo vicino alla finestra"));
    QVERIFY(f.session.save());
    const QByteArray original = f.read(1).bytes();
    f.session.duplicate();
    QCOMPARE(f.screen.messages.last().text, texts::duplicated);
    QVERIFY(f.screen.position.isEmpty());
    QVERIFY(f.get("GiornoRit").isEmpty());
    QVERIFY(f.get("MeseRit").isEmpty());
    QVERIFY(f.get("GiornoRic").isEmpty());
    QVERIFY(f.get("MeseRic").isEmpty());
    QCOMPARE(f.get("Cliente"), QStringLiteral("Mario Rossi"));
    QCOMPARE(f.screen.focused.last(), QStringLiteral("txtGiornoRit"));
    f.set("GiornoRit", QStringLiteral("16"));
    f.set("MeseRit", QStringLiteral("Marzo"));
    QVERIFY(f.session.save());
    QCOMPARE(f.screen.messages.last().text, texts::saved);
    QCOMPARE(f.count(), 2);
    QCOMPARE(f.screen.position, QStringLiteral("2"));
    QCOMPARE(f.read(1).bytes(), original);
    QCOMPARE(f.read(2).text("DataRit"), QStringLiteral("16/03/2024"));
    QCOMPARE(f.read(2).text("Note"), QStringLiteral("tavolo vicino alla finestra"));
}

void TestReservationRules::duplicateOfAnUnreachableArchiveWarns()
{
    Fixture f;
    QVERIFY(f.session.save());
    f.path = f.dir.filePath(QStringLiteral("missing/2024.tav"));
    f.session.duplicate();
    QCOMPARE(f.screen.messages.last().text, texts::archiveFailure);
    QCOMPARE(f.screen.messages.last().kind, MessageKind::Warning);
    // Saving the card now fails with the error kind; the card keeps what it holds.
    f.set("GiornoRit", QStringLiteral("16"));
    f.set("MeseRit", QStringLiteral("Marzo"));
    QVERIFY(!f.session.save());
    QCOMPARE(f.screen.messages.last().text, texts::archiveFailure);
    QCOMPARE(f.screen.messages.last().kind, MessageKind::Error);
    QCOMPARE(f.get("GiornoRit"), QStringLiteral("16"));
}

void TestReservationRules::newCardKeepsTheYear()
{
    Fixture f;
    f.set("Totale", QStringLiteral("12,00"));
    f.screen.position = QStringLiteral("3");
    f.session.newCard();
    const QHash<QString, QString> expected = {
        {"GiornoRit", ""},       {"MeseRit", ""},     {"GiornoRic", ""},   {"MeseRic", ""},
        {"OreRit", "00"},        {"MinutiRit", "00"}, {"OreRic", "00"},    {"MinutiRic", "00"},
        {"Stato", "Confermata"}, {"Cliente", ""},     {"Recapito", ""},    {"Pasto", ""},
        {"Persone", "0"},        {"Totale", "0,00"},  {"AnnoRit", "2024"}, {"AnnoRic", "2024"}};
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(f.get(it.key().toLatin1().constData()), it.value());
    QVERIFY(f.screen.position.isEmpty());
    QCOMPARE(f.screen.focused.last(), QStringLiteral("txtGiornoRit"));
    QCOMPARE(f.count(), 0);
}

void TestReservationRules::confirmationTexts()
{
    const Confirmation c =
        confirmation(QStringLiteral(" Rossi & Figli "), QStringLiteral("4"), QStringLiteral("05"),
                     QStringLiteral("Marzo"), QStringLiteral("2024"), QStringLiteral("20"),
                     QStringLiteral("07"));
    QCOMPARE(c.subject, QStringLiteral("Conferma prenotazione tavoli"));
    QCOMPARE(c.body,
             QStringLiteral("Gentile Cliente, la presente è per confermare la prenotazione "
                            "effettuata presso il nostro locale a nome di Rossi & Figli per n. 4 "
                            "persone. Le confermiamo la data del 05 Marzo 2024 alle ore 20:07. "
                            "Ringraziandola per la preferenza accordataci, le porgiamo cordiali "
                            "saluti."));
}

void TestReservationRules::listLine()
{
    Record r(reservationLayout());
    r.setText("DataRit", QStringLiteral("15/03/2024"));
    r.setText("OraRit", QStringLiteral("20:30"));
    r.setText("Cliente", QStringLiteral("Mario Rossi"));
    r.setText("Recapito", QStringLiteral("333 1234567 oppure 06 1234567"));
    r.setText("Persone", QStringLiteral("4"));
    r.setText("Stato", QStringLiteral("Da confermare"));
    r.setText("Totale", QStringLiteral("120,00"));
    QCOMPARE(reservationListLine()(RecordView(reservationLayout(), r.bytes().constData())),
             QStringLiteral("Data: 15/03/2024  Ora: 20:30  Cliente: Mario Rossi") +
                 QString(19, QLatin1Char(' ')) +
                 QStringLiteral("  Tel. 333 1234567 oppure  Persone: 4    Stato: Da confermare  "
                                "  Tot. € 120,00"));
}

void TestReservationRules::partialTrailingRecordIsNotCounted()
{
    Fixture f;
    QVERIFY(f.session.save());
    {
        QFile file(f.path);
        QVERIFY(file.open(QIODevice::Append));
        file.write(QByteArray(100, 'z'));
    }
    QCOMPARE(f.count(), 1);
    QCOMPARE(f.read(1).text("Cliente"), QStringLiteral("Mario Rossi"));
}

QTEST_GUILESS_MAIN(TestReservationRules)
#include "tst_reservationrules.moc"
