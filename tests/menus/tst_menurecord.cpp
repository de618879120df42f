#include "archive/ArchiveSession.h"
#include "archive/RecordFile.h"
#include "menus/MenuRecord.h"

#include "FolderSupport.h"

#include <QFile>
#include <QHash>
#include <QTest>

using brisvola::MessageKind;
using menus::menuLayout;

namespace texts {
const QString titleRequired =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il titolo del menu.");
const QString inserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString updated =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString refused = QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire "
                                       "soltanto dopo che questa è stata inserita in archivio.");
const QString duplicated =
    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                   "Al termine premere Salva per inserire la scheda in archivio.");
const QString archiveAccess = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere "
    "i privilegi di scrittura nella cartella di installazione del programma.");
} // namespace texts

namespace {

// The menu window without widgets: every field has a control.
struct MenuScreen : ArchiveSession::Screen
{
    QHash<int, QString> values;
    QString position;
    QList<std::pair<MessageKind, QString>> messages;
    QStringList focused;

    bool hasControl(int) const override { return true; }
    QString text(int field) const override { return values.value(field); }
    void setText(int field, const QString &text) override { values[field] = text; }
    QString positionText() const override { return position; }
    void setPositionText(const QString &text) override { position = text; }
    void message(MessageKind kind, const QString &text, brisvola::MessageButtons) override
    {
        messages.append({kind, text});
    }
    void focus(const QString &control) override { focused << control; }
    void set(const char *field, const QString &text) { values[menuLayout().field(field)] = text; }
    QString get(const char *field) const { return values.value(menuLayout().field(field)); }
};

QByteArray fieldBytes(const QByteArray &record, const char *field)
{
    const int i = menuLayout().field(field);
    return record.mid(menuLayout().offset(i), menuLayout().length(i) + 1);
}

} // namespace

class TestMenuRecord : public QObject
{
    Q_OBJECT

private slots:
    void layoutMatchesTheFileFormat_data();
    void layoutMatchesTheFileFormat();
    void slotsThreeAndSevenOnly();
    void textsAreTrimmedCutAndInCodePage1252();
    void flagBytes();
    void damagedFilesReadWithoutLoss();
    void saveNeedsATitle();
    void saveAppendsThenOverwrites();
    void duplicateMakesAnUnflaggedCopy();
    void duplicateOfAnUnreachableArchiveWarns();
};

void TestMenuRecord::layoutMatchesTheFileFormat_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("bytes");
    const std::tuple<const char *, int, int> rows[] = {
        {"Titolo", 0, 121},       {"Stagione", 121, 51},    {"Coperto", 172, 16},
        {"Avvertenze", 188, 251}, {"Allergeni", 4319, 251}, {"Note", 4570, 251},
        {"Segnalato", 4821, 3},
    };
    for (const auto &[name, offset, bytes] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << offset << bytes;
    const std::tuple<const char *, int, int> groups[] = {
        {"Nome", 439, 121}, {"Descrizione", 1649, 251}, {"Prezzo", 4159, 16}};
    for (const auto &[base, first, bytes] : groups)
        for (int k = 1; k <= 10; ++k) {
            const QString name =
                QString::fromLatin1(base) + QStringLiteral("%1").arg(k, 2, 10, QChar('0'));
            QTest::newRow(qPrintable(name)) << name << first + bytes * (k - 1) << bytes;
        }
}

void TestMenuRecord::layoutMatchesTheFileFormat()
{
    QFETCH(QString, field);
    QFETCH(int, offset);
    QFETCH(int, bytes);
    const RecordLayout &layout = menuLayout();
    QCOMPARE(layout.recordSize(), 4824);
    QCOMPARE(layout.fieldCount(), 37);
    QCOMPARE(layout.encoding(), FieldEncoding::LengthPrefixed);
    const int i = layout.indexOf(QLatin1StringView(field.toLatin1()));
    QVERIFY2(i >= 0, qPrintable(field));
    QCOMPARE(layout.offset(i), offset);
    QCOMPARE(layout.length(i) + 1, bytes);
}

void TestMenuRecord::slotsThreeAndSevenOnly()
{
    TempProgramFolder folder;
    Record menu(menuLayout());
    menu.setText("Titolo", QStringLiteral("Primi piatti"));
    menu.setText("Nome03", QStringLiteral("Risotto"));
    menu.setText("Descrizione03", QStringLiteral("allo zafferano"));
    menu.setText("Prezzo03", QStringLiteral("9,50"));
    menu.setText("Nome07", QStringLiteral("Gnocchi"));
    menu.setText("Prezzo07", QStringLiteral("8"));
    menu.setText("Segnalato", QStringLiteral("No"));
    RecordFile file(menus::archivePath(), menuLayout());
    QCOMPARE(file.append(menu), 1);

    QFile raw(menus::archivePath());
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    QCOMPARE(bytes.size(), 4824);
    QCOMPARE(fieldBytes(bytes, "Nome03").left(8), QByteArray("\x07Risotto"));
    QCOMPARE(fieldBytes(bytes, "Prezzo07").left(2), QByteArray("\x01"
                                                               "8"));
    // The other eight slots: every name, description and price is an empty field of zeros.
    for (int k : {1, 2, 4, 5, 6, 8, 9, 10})
        for (const char *base : {"Nome", "Descrizione", "Prezzo"}) {
            const QByteArray name = QByteArray(base) + QByteArray::number(k).rightJustified(2, '0');
            const QByteArray field = fieldBytes(bytes, name.constData());
            QVERIFY2(field == QByteArray(field.size(), '\0'), name.constData());
        }
    const Record back = file.read(1);
    QCOMPARE(back.text("Descrizione03"), QStringLiteral("allo zafferano"));
    QCOMPARE(back.text("Nome07"), QStringLiteral("Gnocchi"));
    QCOMPARE(back.text("Descrizione07"), QString());
    QCOMPARE(back.text("Nome04"), QString());
}

void TestMenuRecord::textsAreTrimmedCutAndInCodePage1252()
{
    MenuScreen screen;
    ArchiveSession session(menuLayout(), menus::sessionConfig(), screen);
    screen.set("Titolo", QString(120, u'T') + QStringLiteral("oltre"));
    screen.set("Stagione", QStringLiteral("  Estate  "));
    screen.set("Avvertenze", QStringLiteral("è à ò ù ì € 日"));
    screen.set("Coperto", QStringLiteral("2,50 a persona oltre il limite"));
    const Record r = session.record();
    QCOMPARE(r.text("Titolo"), QString(120, u'T'));
    QCOMPARE(r.text("Stagione"), QStringLiteral("Estate"));
    QCOMPARE(fieldBytes(r.bytes(), "Stagione").left(7), QByteArray("\x06"
                                                                   "Estate"));
    QCOMPARE(r.text("Avvertenze"), QStringLiteral("è à ò ù ì € ?"));
    QCOMPARE(fieldBytes(r.bytes(), "Avvertenze").left(14),
             QByteArray("\x0d\xe8 \xe0 \xf2 \xf9 \xec \x80 ?"));
    QCOMPARE(r.text("Coperto"), QStringLiteral("2,50 a persona"));
}

void TestMenuRecord::flagBytes()
{
    MenuScreen screen;
    ArchiveSession session(menuLayout(), menus::sessionConfig(), screen);
    screen.set("Titolo", QStringLiteral("Menu"));
    for (const auto &[flag, bytes] : {std::pair{QStringLiteral("Sì"), QByteArray("\x02S\xec")},
                                      std::pair{QStringLiteral("No"), QByteArray("\x02No")}}) {
        screen.set("Segnalato", flag);
        const Record r = session.record();
        QCOMPARE(fieldBytes(r.bytes(), "Segnalato"), bytes);
        QCOMPARE(ArchiveSession::flagFromText(Record(menuLayout(), r.bytes()).text("Segnalato")),
                 flag == QStringLiteral("Sì"));
    }
}

void TestMenuRecord::damagedFilesReadWithoutLoss()
{
    TempProgramFolder folder;
    // A record whose title length byte (250) exceeds its field, then half a record.
    QByteArray bytes(4824, '\0');
    bytes[0] = char(250);
    for (int i = 1; i <= 120; ++i)
        bytes[i] = 'A';
    bytes[121] = char(6);
    bytes.replace(122, 6, "Estate");
    bytes += QByteArray(2000, 'x');
    QFile raw(menus::archivePath());
    QVERIFY(raw.open(QIODevice::WriteOnly));
    raw.write(bytes);
    raw.close();
    RecordFile file(menus::archivePath(), menuLayout());
    QCOMPARE(file.count(), 1);
    const Record r = file.read(1);
    QCOMPARE(r.text("Titolo"), QString(120, u'A'));
    QCOMPARE(r.text("Stagione"), QStringLiteral("Estate"));
    // Saving appends after the last whole record: the broken tail is never mistaken for one.
    Record next(menuLayout());
    next.setText("Titolo", QStringLiteral("Secondo"));
    QCOMPARE(file.append(next), 2);
    QCOMPARE(file.read(2).text("Titolo"), QStringLiteral("Secondo"));
    QCOMPARE(file.read(1).text("Stagione"), QStringLiteral("Estate"));
}

void TestMenuRecord::saveNeedsATitle()
{
    TempProgramFolder folder;
    MenuScreen screen;
    ArchiveSession session(menuLayout(), menus::sessionConfig(), screen);
    screen.set("Titolo", QStringLiteral("   "));
    screen.set("Nome01", QStringLiteral("Risotto"));
    QVERIFY(!session.save());
    QCOMPARE(screen.messages.size(), 1);
    QCOMPARE(screen.messages[0].first, MessageKind::Warning);
    QCOMPARE(screen.messages[0].second, texts::titleRequired);
    QCOMPARE(screen.focused, QStringList{QStringLiteral("txtTitolo")});
    QCOMPARE(RecordFile(menus::archivePath(), menuLayout()).count(), 0);
}

void TestMenuRecord::saveAppendsThenOverwrites()
{
    TempProgramFolder folder;
    MenuScreen screen;
    ArchiveSession session(menuLayout(), menus::sessionConfig(), screen);
    screen.set("Titolo", QStringLiteral("Menu di Natale "));
    screen.set("Segnalato", QStringLiteral("Sì"));
    QVERIFY(session.save());
    QCOMPARE(screen.position, QStringLiteral("1"));
    QVERIFY(session.save());
    QCOMPARE(screen.position, QStringLiteral("1"));
    QCOMPARE(screen.messages.at(0).second, texts::inserted);
    QCOMPARE(screen.messages.at(1).second, texts::updated);
    // The screen keeps what was typed; the file has it trimmed.
    QCOMPARE(screen.get("Titolo"), QStringLiteral("Menu di Natale "));
    RecordFile file(menus::archivePath(), menuLayout());
    QCOMPARE(file.count(), 1);
    QCOMPARE(file.read(1).text("Segnalato"), QStringLiteral("Sì"));
}

void TestMenuRecord::duplicateMakesAnUnflaggedCopy()
{
    TempProgramFolder folder;
    MenuScreen screen;
    ArchiveSession session(menuLayout(), menus::sessionConfig(), screen);
    session.duplicate();
    QCOMPARE(screen.messages.at(0).first, MessageKind::Warning);
    QCOMPARE(screen.messages.at(0).second, texts::refused);
    for (int n = 1; n <= 5; ++n) {
        session.newCard();
        screen.set("Titolo", QStringLiteral("Menu %1").arg(n));
        screen.set("Nome02", QStringLiteral("Piatto %1").arg(n));
        screen.set("Segnalato", QStringLiteral("Sì"));
        QVERIFY(session.save());
    }
    session.showPosition(3);
    screen.messages.clear();
    screen.focused.clear();
    session.duplicate();
    QCOMPARE(screen.position, QString());
    QCOMPARE(screen.get("Segnalato"), QStringLiteral("No"));
    QCOMPARE(screen.get("Nome02"), QStringLiteral("Piatto 3"));
    QCOMPARE(screen.messages.at(0).first, MessageKind::Information);
    QCOMPARE(screen.messages.at(0).second, texts::duplicated);
    QCOMPARE(screen.focused, QStringList{QStringLiteral("txtTitolo")});
    QVERIFY(session.save());
    QCOMPARE(screen.position, QStringLiteral("6"));
    const Record copy = RecordFile(menus::archivePath(), menuLayout()).read(6);
    QCOMPARE(copy.text("Titolo"), QStringLiteral("Menu 3"));
    QCOMPARE(copy.text("Segnalato"), QStringLiteral("No"));
}

void TestMenuRecord::duplicateOfAnUnreachableArchiveWarns()
{
    MenuScreen screen;
    ArchiveSession::Config config = menus::sessionConfig();
    config.archivePath = [] { return QStringLiteral("/nonexistent/folder/Menu.pro"); };
    ArchiveSession session(menuLayout(), config, screen);
    screen.set("Titolo", QStringLiteral("Menu"));
    screen.set("Segnalato", QStringLiteral("Sì"));
    screen.position = QStringLiteral("2");
    session.duplicate();
    QCOMPARE(screen.messages.size(), 1);
    QCOMPARE(screen.messages[0].first, MessageKind::Warning);
    QCOMPARE(screen.messages[0].second, texts::archiveAccess);
    // The screen stays as Duplicate left it: a new, unflagged copy.
    QCOMPARE(screen.position, QString());
    QCOMPARE(screen.get("Segnalato"), QStringLiteral("No"));
    QCOMPARE(screen.get("Titolo"), QStringLiteral("Menu"));
}

QTEST_GUILESS_MAIN(TestMenuRecord)
#include "tst_menurecord.moc"
