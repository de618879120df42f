#include "ArchiveTexts.h"

#include "archive/ArchiveError.h"
#include "archive/ArchiveSession.h"
#include "archive/RecordFile.h"
#include "quotes/QuoteRecord.h"

#include <QHash>
#include <QTemporaryDir>
#include <QTest>

#include <set>

using brisvola::MessageButtons;
using brisvola::MessageKind;

namespace {

const RecordLayout &layout()
{
    static const RecordLayout l(FieldEncoding::LengthPrefixed, {{"Nome", 20},
                                                                {"Citta", 10},
                                                                {"Sigla", 4},
                                                                {"Segnalato", 2},
                                                                {"File01", 30},
                                                                {"Desc01", 30},
                                                                {"Nascosto", 8}});
    return l;
}

// A screen without widgets: every field but the last ones named in `unbound` has a control.
struct FakeScreen : ArchiveSession::Screen
{
    struct Shown
    {
        MessageKind kind;
        QString text;
        MessageButtons buttons;
    };
    QHash<int, QString> values;
    std::set<int> unbound;
    QString position;
    QList<Shown> messages;
    QStringList focused;

    bool hasControl(int field) const override { return !unbound.count(field); }
    QString text(int field) const override { return values.value(field); }
    void setText(int field, const QString &text) override { values[field] = text; }
    QString positionText() const override { return position; }
    void setPositionText(const QString &text) override { position = text; }
    void message(MessageKind kind, const QString &text, MessageButtons buttons) override
    {
        messages.append({kind, text, buttons});
    }
    void focus(const QString &control) override { focused << control; }
    QStringList texts() const
    {
        QStringList t;
        for (const Shown &s : messages)
            t << s.text;
        return t;
    }
};

struct Fixture
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Prova.pro"));
    FakeScreen screen;
    ArchiveSession session;

    explicit Fixture(const RecordLayout &l = layout(), ArchiveSession::Config config = {})
        : session(l, std::move(config), screen)
    {
        session.config().archivePath = [this] { return path; };
    }
    void set(const char *field, const QString &text)
    {
        screen.values[session.layout().field(field)] = text;
    }
    QString get(const char *field) const
    {
        return screen.values.value(session.layout().field(field));
    }
};

} // namespace

class TestArchiveSession : public QObject
{
    Q_OBJECT

private slots:
    void saveAppendsThenOverwritesAndKeepsUnboundBytes();
    void checksRunInOrderAndDeriveAtSave();
    void newCardDefaultsKeptFieldsAndProposals();
    void newCardStopsWhenItsProposalFails();
    void duplicateEmptiesOnlyTheConfiguredAttachments();
    void duplicateOfAQuoteKeepsItsLineDescriptions();
    void duplicatePutsItsValuesOrStopsUnchanged();
    void flagPolicyOnShow_data();
    void flagPolicyOnShow();
    void navigation();
    void archiveFailureUsesTheCommandsKind();
};

void TestArchiveSession::saveAppendsThenOverwritesAndKeepsUnboundBytes()
{
    Fixture f;
    f.screen.unbound = {layout().field("Nascosto")};
    Record stored(layout());
    stored.setText("Nome", QStringLiteral("Primo"));
    stored.setText("Nascosto", QStringLiteral("segreto"));
    RecordFile(f.path, layout()).append(stored);

    f.session.first();
    QCOMPARE(f.screen.position, QStringLiteral("1"));
    f.set("Nome", QStringLiteral("  Rossi  "));
    QVERIFY(f.session.save());
    QCOMPARE(f.screen.texts(), QStringList{texts::updated});
    const Record back = RecordFile(f.path, layout()).read(1);
    QCOMPARE(back.text("Nome"), QStringLiteral("Rossi")); // trimmed on writing
    QCOMPARE(back.text("Nascosto"), QStringLiteral("segreto"));

    f.session.clear();
    QVERIFY(f.screen.position.isEmpty());
    f.set("Nome", QStringLiteral("Bianchi"));
    QVERIFY(f.session.save());
    QCOMPARE(f.screen.texts().last(), texts::inserted);
    QCOMPARE(f.screen.messages.last().kind, MessageKind::Information);
    QCOMPARE(f.screen.messages.last().buttons, MessageButtons::OkCancel);
    QCOMPARE(f.screen.position, QStringLiteral("2"));
    QCOMPARE(RecordFile(f.path, layout()).read(2).text("Nascosto"), QString());
}

void TestArchiveSession::checksRunInOrderAndDeriveAtSave()
{
    ArchiveSession::Config config;
    config.checks = {
        ArchiveSession::required(QStringLiteral("Nome"), QStringLiteral("txtNome"),
                                 QStringLiteral("Attenzione: manca il nome.")),
        {QStringLiteral("txtSigla"),
         [](const ArchiveSession &s) { return s.text(QStringLiteral("Sigla")).size() == 2; },
         QStringLiteral("La sigla ha due lettere."), MessageKind::Plain, MessageButtons::Ok},
    };
    config.derive = [](Record &r) { r.setText("Citta", r.text("Sigla") + QStringLiteral("-X")); };
    Fixture f(layout(), config);

    f.set("Nome", QStringLiteral("   "));
    f.set("Sigla", QStringLiteral("BAR"));
    QVERIFY(!f.session.save());
    QCOMPARE(f.screen.texts(), QStringList{QStringLiteral("Attenzione: manca il nome.")});
    QCOMPARE(f.screen.messages.last().kind, MessageKind::Warning);
    QCOMPARE(f.screen.focused, QStringList{QStringLiteral("txtNome")});

    f.set("Nome", QStringLiteral("Rossi"));
    QVERIFY(!f.session.save());
    QCOMPARE(f.screen.texts().last(), QStringLiteral("La sigla ha due lettere."));
    QCOMPARE(f.screen.messages.last().kind, MessageKind::Plain);
    QCOMPARE(f.screen.messages.last().buttons, MessageButtons::Ok);
    QCOMPARE(f.screen.focused.last(), QStringLiteral("txtSigla"));
    QCOMPARE(RecordFile(f.path, layout()).count(), 0);

    f.set("Sigla", QStringLiteral("BA"));
    QVERIFY(f.session.save());
    QCOMPARE(RecordFile(f.path, layout()).read(1).text("Citta"), QStringLiteral("BA-X"));
}

void TestArchiveSession::newCardDefaultsKeptFieldsAndProposals()
{
    ArchiveSession::Config config;
    config.defaults = {{QStringLiteral("Sigla"), QStringLiteral("0,00")}};
    config.keptByNew = {QStringLiteral("Citta")};
    config.flagFields = {QStringLiteral("Segnalato")};
    config.firstControl = QStringLiteral("txtNome");
    config.newValues = [] {
        return std::optional<QHash<QString, QString>>(
            QHash<QString, QString>{{QStringLiteral("Nome"), QStringLiteral("Nuovo")}});
    };
    Fixture f(layout(), config);
    f.set("Nome", QStringLiteral("Rossi"));
    f.set("Citta", QStringLiteral("Bari"));
    f.set("Segnalato", QStringLiteral("Sì"));
    f.set("File01", QStringLiteral("a.pdf"));
    f.screen.position = QStringLiteral("3");
    bool cleared = false;
    f.session.hooks.clear = [&] { cleared = true; };

    f.session.newCard();
    QCOMPARE(f.get("Nome"), QStringLiteral("Nuovo"));
    QCOMPARE(f.get("Citta"), QStringLiteral("Bari"));
    QCOMPARE(f.get("Sigla"), QStringLiteral("0,00"));
    QCOMPARE(f.get("Segnalato"), QStringLiteral("No"));
    QCOMPARE(f.get("File01"), QString());
    QVERIFY(f.screen.position.isEmpty());
    QVERIFY(cleared);
    QCOMPARE(f.screen.focused, QStringList{QStringLiteral("txtNome")});
    QVERIFY(f.screen.messages.isEmpty());
}

void TestArchiveSession::newCardStopsWhenItsProposalFails()
{
    ArchiveSession::Config config;
    config.prepareNew = [] { return false; };
    Fixture before(layout(), config);
    before.set("Nome", QStringLiteral("Rossi"));
    before.screen.position = QStringLiteral("2");
    before.session.newCard();
    QCOMPARE(before.screen.texts(), QStringList{texts::archiveAccess});
    QCOMPARE(before.screen.messages.last().kind, MessageKind::Error);
    QCOMPARE(before.get("Nome"), QStringLiteral("Rossi")); // nothing changed
    QCOMPARE(before.screen.position, QStringLiteral("2"));

    // A proposal that cannot be made after clearing leaves the cleared card, without the focus.
    ArchiveSession::Config late;
    late.newValues = [] { return std::optional<QHash<QString, QString>>(); };
    late.firstControl = QStringLiteral("txtNome");
    Fixture after(layout(), late);
    after.set("Nome", QStringLiteral("Rossi"));
    after.session.newCard();
    QCOMPARE(after.screen.texts(), QStringList{texts::archiveAccess});
    QCOMPARE(after.get("Nome"), QString());
    QVERIFY(after.screen.focused.isEmpty());
}

void TestArchiveSession::duplicateEmptiesOnlyTheConfiguredAttachments()
{
    ArchiveSession::Config config;
    config.attachmentFields = {QStringLiteral("File01"), QStringLiteral("Desc01")};
    config.firstControl = QStringLiteral("txtNome");
    Fixture f(layout(), config);
    f.session.duplicate();
    QCOMPARE(f.screen.texts(), QStringList{texts::duplicateRefused});
    QCOMPARE(f.screen.messages.last().kind, MessageKind::Warning);

    Record stored(layout());
    stored.setText("Nome", QStringLiteral("Rossi"));
    stored.setText("File01", QStringLiteral("carta.pdf"));
    stored.setText("Desc01", QStringLiteral("Carta"));
    RecordFile(f.path, layout()).append(stored);
    f.session.first();
    f.session.duplicate();
    QCOMPARE(f.screen.texts().last(), texts::duplicated);
    QCOMPARE(f.screen.messages.last().kind, MessageKind::Information);
    QCOMPARE(f.get("Nome"), QStringLiteral("Rossi"));
    QCOMPARE(f.get("File01"), QString());
    QCOMPARE(f.get("Desc01"), QString());
    QVERIFY(f.screen.position.isEmpty());

    QVERIFY(f.session.save()); // appends: the original stays whole
    QCOMPARE(RecordFile(f.path, layout()).count(), 2);
    QCOMPARE(RecordFile(f.path, layout()).read(1).text("File01"), QStringLiteral("carta.pdf"));
}

void TestArchiveSession::duplicateOfAQuoteKeepsItsLineDescriptions()
{
    // Desc01...Desc30 of a quote are its lines, not attachments: nothing names them as such.
    Fixture f(quotes::quoteLayout());
    Record stored(quotes::quoteLayout());
    stored.setText("Desc01", QStringLiteral("Antipasto della casa"));
    stored.setText("Desc03", QStringLiteral("Tiramisù"));
    RecordFile(f.path, quotes::quoteLayout()).append(stored);
    f.session.first();
    f.session.duplicate();
    QCOMPARE(f.get("Desc01"), QStringLiteral("Antipasto della casa"));
    QCOMPARE(f.get("Desc03"), QStringLiteral("Tiramisù"));
}

void TestArchiveSession::duplicatePutsItsValuesOrStopsUnchanged()
{
    ArchiveSession::Config config;
    config.attachmentFields = {QStringLiteral("File01")};
    config.firstControl = QStringLiteral("txtNome");
    config.failures[ArchiveSession::Command::Duplicate] = {MessageKind::Error};
    Fixture f(layout(), config);
    Record stored(layout());
    stored.setText("Nome", QStringLiteral("Rossi"));
    stored.setText("Sigla", QStringLiteral("RS"));
    stored.setText("File01", QStringLiteral("carta.pdf"));
    stored.setText("Nascosto", QStringLiteral("segreto"));
    RecordFile(f.path, layout()).append(stored);
    f.set("Nome", QStringLiteral("x"));

    // Never asked on a card not filed.
    int asked = 0;
    f.session.config().duplicateValues = [&]() -> std::optional<QHash<QString, QString>> {
        ++asked;
        return std::nullopt;
    };
    f.session.duplicate();
    QCOMPARE(asked, 0);
    QCOMPARE(f.screen.texts(), QStringList{texts::duplicateRefused});

    // Its proposal failing, or the archive failing under it: the failure message, the copy
    // not begun (position, attachments, focus as they were).
    f.session.first();
    f.screen.messages.clear();
    f.session.duplicate();
    f.session.config().duplicateValues = []() -> std::optional<QHash<QString, QString>> {
        throw ArchiveError("locked");
    };
    f.session.duplicate();
    QCOMPARE(f.screen.texts(), (QStringList{texts::archiveAccess, texts::archiveAccess}));
    QCOMPARE(f.screen.messages.last().kind, MessageKind::Error);
    QCOMPARE(f.screen.position, QStringLiteral("1"));
    QCOMPARE(f.get("File01"), QStringLiteral("carta.pdf"));
    QVERIFY(f.screen.focused.isEmpty());

    // Its values go into the copy, a field without a control included; the rest stays.
    f.screen.messages.clear();
    f.session.config().duplicateValues = [] {
        return std::optional<QHash<QString, QString>>{
            {{QStringLiteral("Sigla"), QStringLiteral("NV")},
             {QStringLiteral("Nascosto"), QStringLiteral("nuovo")}}};
    };
    f.screen.unbound = {layout().field("Nascosto")};
    f.session.duplicate();
    QCOMPARE(f.screen.texts(), QStringList{texts::duplicated});
    QCOMPARE(f.get("Nome"), QStringLiteral("Rossi"));
    QCOMPARE(f.get("Sigla"), QStringLiteral("NV"));
    QCOMPARE(f.get("File01"), QString());
    QVERIFY(f.screen.position.isEmpty());
    QVERIFY(f.session.save());
    const Record copy = RecordFile(f.path, layout()).read(2);
    QCOMPARE(copy.text("Nascosto"), QStringLiteral("nuovo"));
    QCOMPARE(copy.text("Sigla"), QStringLiteral("NV"));
    QCOMPARE(RecordFile(f.path, layout()).read(1).bytes(), stored.bytes());
}

void TestArchiveSession::flagPolicyOnShow_data()
{
    QTest::addColumn<int>("policy");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    const int read = int(ArchiveSession::FlagOnShow::Read);
    const int keep = int(ArchiveSession::FlagOnShow::KeepUnlessYesOrNo);
    QTest::newRow("read: No") << read << "No"
                              << "No";
    QTest::newRow("read: unknown text is shown as it is") << read << "x"
                                                          << "x";
    QTest::newRow("keep: No") << keep << "No"
                              << "No";
    QTest::newRow("keep: unknown text leaves the box") << keep << "x"
                                                       << "Sì";
    QTest::newRow("keep: empty leaves the box") << keep << ""
                                                << "Sì";
}

void TestArchiveSession::flagPolicyOnShow()
{
    QFETCH(int, policy);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    ArchiveSession::Config config;
    config.flagFields = {QStringLiteral("Segnalato")};
    config.flagOnShow = ArchiveSession::FlagOnShow(policy);
    Fixture f(layout(), config);
    f.set("Segnalato", QStringLiteral("Sì"));
    Record r(layout());
    r.setText("Segnalato", stored);
    f.session.show(r, 1);
    QCOMPARE(f.get("Segnalato"), shown);
}

void TestArchiveSession::navigation()
{
    Fixture f;
    f.session.first();
    f.session.last();
    f.session.next();
    f.session.previous();
    QCOMPARE(f.screen.texts(), QStringList(4, texts::emptyArchive));

    RecordFile file(f.path, layout());
    for (const char *name : {"Uno", "Due", "Tre"}) {
        Record r(layout());
        r.setText("Nome", QLatin1StringView(name));
        file.append(r);
    }
    f.screen.messages.clear();
    f.session.last();
    f.session.next(); // at the end: nothing happens
    QCOMPARE(f.screen.position, QStringLiteral("3"));
    f.session.previous();
    QCOMPARE(f.get("Nome"), QStringLiteral("Due"));
    f.session.first();
    f.session.previous(); // at the start: nothing happens
    QCOMPARE(f.screen.position, QStringLiteral("1"));
    f.session.clear();
    f.session.next(); // from a new card: the first record
    QCOMPARE(f.get("Nome"), QStringLiteral("Uno"));
    QVERIFY(f.screen.messages.isEmpty());
}

void TestArchiveSession::archiveFailureUsesTheCommandsKind()
{
    ArchiveSession::Config config;
    config.failures[ArchiveSession::Command::Save] = {MessageKind::Plain, MessageButtons::Ok};
    Fixture f(layout(), config);
    f.screen.position = QStringLiteral("x"); // not a position
    f.set("Nome", QStringLiteral("Rossi"));
    QVERIFY(!f.session.save());
    QCOMPARE(f.screen.texts(), QStringList{texts::archiveAccess});
    QCOMPARE(f.screen.messages.last().kind, MessageKind::Plain);
    f.session.next();
    QCOMPARE(f.screen.messages.last().kind, MessageKind::Error);
    QCOMPARE(f.get("Nome"), QStringLiteral("Rossi"));
}

QTEST_GUILESS_MAIN(TestArchiveSession)
#include "tst_archivesession.moc"
