#include "FolderSupport.h"
#include "WriterRecords.h"

#include "archive/ArchiveError.h"
#include "archive/Cp1252.h"
#include "archive/RecordFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <cstring>

namespace {
// A small layout of each encoding; the archives' own tables are tested in their apps.
const RecordLayout zeroLayout(FieldEncoding::ZeroTerminated, {{"Nome", 5}, {"Note", 3}});
const RecordLayout prefixLayout(FieldEncoding::LengthPrefixed, {{"Nome", 5}, {"Note", 3}});

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray out;
    for (int b : list)
        out += char(b);
    return out;
}
} // namespace

class TestRecords : public QObject
{
    Q_OBJECT
private slots:
    void codePageRoundTrip_data();
    void codePageRoundTrip();
    void undefinedBytesSurvive();
    void layoutOffsets();
    void fieldWrite_data();
    void fieldWrite();
    void readersNeverTakeMoreThanN();
    void readTrims();
    void fileOperations();
    void partialRecordInvisibleAndOverwritten();
    void failures();
    void fullDiskKeepsArchiveWhole_data();
    void fullDiskKeepsArchiveWhole();
    void positionLabel();
    void scanStopsAndCountsBlocks();
    void concurrentAppendsKeepEveryRecord();
    void killedWritersLoseNothingReported();
    void readersWaitForASaveInProgress();
    void listingWhileAnotherSavesSeesWholeRecords();
    void concurrentOverwritesKeepEveryOtherRecord();
};

void TestRecords::codePageRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("encoded");
    QTest::addColumn<QString>("decoded");
    QTest::newRow("ascii") << "Pasta" << QByteArray("Pasta") << "Pasta";
    QTest::newRow("accents") << QStringLiteral("Sì perché") << QByteArray("S\xec perch\xe9")
                             << QStringLiteral("Sì perché");
    QTest::newRow("euro and quotes") << QStringLiteral("€ “a” – …")
                                     << QByteArray("\x80 \x93"
                                                   "a\x94 \x96 \x85")
                                     << QStringLiteral("€ “a” – …");
    QTest::newRow("greek is ?") << QStringLiteral("αβ") << QByteArray("??") << "??";
    QTest::newRow("emoji is one ?") << QStringLiteral("a😀b") << QByteArray("a?b") << "a?b";
}

void TestRecords::codePageRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, encoded);
    QFETCH(QString, decoded);
    QCOMPARE(cp1252::encode(text), encoded);
    QCOMPARE(cp1252::decode(encoded), decoded);
}

void TestRecords::undefinedBytesSurvive()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    QCOMPARE(cp1252::encode(cp1252::decode(all)), all);
}

void TestRecords::layoutOffsets()
{
    QCOMPARE(zeroLayout.recordSize(), 10);
    QCOMPARE(zeroLayout.offset(1), 6);
    QCOMPARE(zeroLayout.field("Note"), 1);
    QCOMPARE(zeroLayout.indexOf(QLatin1StringView("Assente")), -1);

    // A group is its fields one after the other, numbered from 01 with two digits; the layout
    // keeps its own copy of every name, the table's texts may go.
    char base[] = "Riga";
    const RecordLayout grouped(FieldEncoding::LengthPrefixed,
                               {{"Titolo", 5}, fieldGroup(base, 12, 4), {"Fine", 1}});
    std::strcpy(base, "Xxxx");
    QCOMPARE(grouped.fieldCount(), 14);
    QCOMPARE(grouped.recordSize(), 6 + 12 * 5 + 2);
    QCOMPARE(grouped.names().mid(0, 3),
             (QStringList{QStringLiteral("Titolo"), QStringLiteral("Riga01"),
                          QStringLiteral("Riga02")}));
    QCOMPARE(QLatin1StringView(grouped.name(12)), QLatin1StringView("Riga12"));
    QCOMPARE(QLatin1StringView(grouped.name(13)), QLatin1StringView("Fine"));
    QCOMPARE(grouped.field("Riga10"), 10);
    QCOMPARE(grouped.offset(grouped.field("Riga01")), 6);
    QCOMPARE(grouped.offset(grouped.field("Riga10")), 6 + 9 * 5);
    QCOMPARE(grouped.length(grouped.field("Riga07")), 4);
    QCOMPARE(grouped.offset(grouped.field("Fine")), 66);
    QCOMPARE(grouped.indexOf(QLatin1StringView("Riga13")), -1);
    QCOMPARE(grouped.indexOf(QLatin1StringView("Riga")), -1);
}

void TestRecords::fieldWrite_data()
{
    QTest::addColumn<bool>("prefixed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("zero short") << false << "ab" << bytes({'a', 'b', 0, 0, 0, 0});
    QTest::newRow("zero exactly N") << false << "abcde" << bytes({'a', 'b', 'c', 'd', 'e', 0});
    QTest::newRow("zero cut") << false << "abcdefg" << bytes({'a', 'b', 'c', 'd', 'e', 0});
    QTest::newRow("zero si") << false << QStringLiteral("Sì") << bytes({0x53, 0xEC, 0, 0, 0, 0});
    QTest::newRow("prefix short") << true << "ab" << bytes({2, 'a', 'b', 0, 0, 0});
    QTest::newRow("prefix exactly N") << true << "abcde" << bytes({5, 'a', 'b', 'c', 'd', 'e'});
    QTest::newRow("prefix cut") << true << "abcdefg" << bytes({5, 'a', 'b', 'c', 'd', 'e'});
    QTest::newRow("prefix blanks kept") << true << " a " << bytes({3, ' ', 'a', ' ', 0, 0});
}

void TestRecords::fieldWrite()
{
    QFETCH(bool, prefixed);
    QFETCH(QString, text);
    QFETCH(QByteArray, stored);
    Record r(prefixed ? prefixLayout : zeroLayout);
    r.setText("Nome", QStringLiteral("xxxxxxxxx")); // spare bytes must not keep old text
    r.setText("Nome", text);
    QCOMPARE(r.bytes().left(6), stored);
    QCOMPARE(r.text("Nome"), text.trimmed().left(5));
}

void TestRecords::readersNeverTakeMoreThanN()
{
    // A length byte beyond N, and a zero-terminated field with no terminator at all.
    Record p(prefixLayout, bytes({200, 'a', 'b', 'c', 'd', 'e', 3, 'x', 'y', 'z'}));
    QCOMPARE(p.text(0), QStringLiteral("abcde"));
    QCOMPARE(p.text(1), QStringLiteral("xyz"));
    Record z(zeroLayout, bytes({'a', 'b', 'c', 'd', 'e', 'f', 'x', 'y', 'z', 'w'}));
    QCOMPARE(z.text(0), QStringLiteral("abcde"));
    QCOMPARE(z.text(1), QStringLiteral("xyz"));
}

void TestRecords::readTrims()
{
    Record r(prefixLayout);
    r.setText(0, QStringLiteral(" \t a\r"));
    QCOMPARE(r.rawText(0), QStringLiteral(" \t a\r"));
    QCOMPARE(r.text(0), QStringLiteral("a"));
}

void TestRecords::fileOperations()
{
    TempProgramFolder folder;
    RecordFile file(folder.file("Prova.pro"), prefixLayout);
    QVERIFY(!QFile::exists(file.path()));
    QCOMPARE(file.count(), 0); // the first operation creates the archive empty
    QVERIFY(QFile::exists(file.path()));
    QCOMPARE(QFile(file.path()).size(), 0);

    Record a(prefixLayout), b(prefixLayout);
    a.setText(0, QStringLiteral("uno"));
    b.setText(0, QStringLiteral("due"));
    QCOMPARE(file.append(a), 1);
    QCOMPARE(file.append(b), 2);
    QCOMPARE(file.count(), 2);
    QCOMPARE(file.read(2).text(0), QStringLiteral("due"));

    a.setText(0, QStringLiteral("tre"));
    file.write(1, a);
    QCOMPARE(file.read(1).text(0), QStringLiteral("tre"));
    QCOMPARE(file.read(2).text(0), QStringLiteral("due"));
    QCOMPARE(QFile(file.path()).size(), 2 * prefixLayout.recordSize());
}

void TestRecords::partialRecordInvisibleAndOverwritten()
{
    TempProgramFolder folder;
    RecordFile file(folder.file("Prova.pro"), prefixLayout);
    Record a(prefixLayout);
    a.setText(0, QStringLiteral("uno"));
    file.append(a);
    {
        QFile f(file.path());
        QVERIFY(f.open(QIODevice::Append));
        f.write("\x03pa", 3); // a record cut short, as a copy interrupted half-way leaves it
    }
    QCOMPARE(file.count(), 1);
    QCOMPARE(file.append(a), 2);
    QCOMPARE(QFile(file.path()).size(), 2 * prefixLayout.recordSize());
}

void TestRecords::failures()
{
    TempProgramFolder folder;
    RecordFile file(folder.file("Prova.pro"), prefixLayout);
    Record a(prefixLayout);
    QVERIFY_THROWS_EXCEPTION(ArchiveError, file.read(1));
    file.append(a);
    QVERIFY_THROWS_EXCEPTION(ArchiveError, file.read(0));
    QVERIFY_THROWS_EXCEPTION(ArchiveError, file.read(2));
    QVERIFY_THROWS_EXCEPTION(ArchiveError, file.write(2, a));

    RecordFile missingFolder(folder.file("non/esiste.pro"), prefixLayout);
    QVERIFY_THROWS_EXCEPTION(ArchiveError, missingFolder.count());

    // An archive that cannot be opened for writing is refused, even for reading, and left whole;
    // so is a new archive in a folder that cannot be written.
    {
        ReadOnlyPath readOnly(file.path());
        if (readOnly.writable())
            QSKIP("this file system cannot make a file read-only");
        QVERIFY_THROWS_EXCEPTION(ArchiveError, file.count());
        QVERIFY_THROWS_EXCEPTION(ArchiveError, file.append(a));
    }
    QCOMPARE(QFile(file.path()).size(), prefixLayout.recordSize());
    {
        ReadOnlyPath readOnly(folder.path());
        RecordFile fresh(folder.file("Nuovo.pro"), prefixLayout);
        QVERIFY_THROWS_EXCEPTION(ArchiveError, fresh.count());
        QVERIFY(!QFile::exists(fresh.path()));
    }
}

void TestRecords::fullDiskKeepsArchiveWhole_data()
{
    QTest::addColumn<int>("room"); // bytes the disk still has
    QTest::newRow("no room") << 0;
    QTest::newRow("one byte") << 1;
    QTest::newRow("all but one byte") << writerrecords::layout().recordSize() - 1;
}

void TestRecords::fullDiskKeepsArchiveWhole()
{
    // The disk fills up in the middle of an append: the append fails, the archive holds its
    // records byte for byte and no piece of the new one, and an overwrite, which needs no room,
    // still goes through. With room again, the next append takes the next position.
    QFETCH(int, room);
    TempProgramFolder folder;
    const RecordLayout &layout = writerrecords::layout();
    RecordFile file(folder.file("Pieno.pro"), layout);
    file.append(writerrecords::record(1, 0));
    file.append(writerrecords::record(2, 0));
    const auto contents = [&file] {
        QFile f(file.path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray before = contents();
    {
        DiskFull disk(before.size() + room);
        QVERIFY(disk.active());
        QVERIFY_THROWS_EXCEPTION(ArchiveError, file.append(writerrecords::record(3, 0)));
        QCOMPARE(QFileInfo(file.path()).size(), before.size());
        QCOMPARE(contents(), before);
        QCOMPARE(file.count(), 2);
        file.write(2, writerrecords::record(2, 1));
    }
    QCOMPARE(file.read(2).bytes(), writerrecords::record(2, 1).bytes());
    QCOMPARE(file.append(writerrecords::record(3, 0)), 3);
    QCOMPARE(contents(), before.left(layout.recordSize()) + writerrecords::record(2, 1).bytes() +
                             writerrecords::record(3, 0).bytes());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Pieno.pro"});
}

void TestRecords::positionLabel()
{
    QCOMPARE(RecordFile::positionFromText(QString()), 0);
    QCOMPARE(RecordFile::positionFromText(QStringLiteral("12")), 12);
    QVERIFY_THROWS_EXCEPTION(ArchiveError, RecordFile::positionFromText(QStringLiteral("x1")));
}

void TestRecords::scanStopsAndCountsBlocks()
{
    TempProgramFolder folder;
    const RecordLayout big(FieldEncoding::ZeroTerminated, {{"Testo", 200000}});
    RecordFile file(folder.file("Grande.pro"), big);
    Record r(big);
    for (int i = 1; i <= 12; ++i) { // more than one block of 1 MiB
        r.setText(0, QString::number(i));
        file.append(r);
    }
    QList<qint64> seen;
    file.scan([&](qint64 pos, const RecordView &v) {
        if (v.text(0) != QString::number(pos))
            return false;
        seen << pos;
        return true;
    });
    QCOMPARE(seen.size(), 12);
    seen.clear();
    file.scan([&](qint64 pos, const RecordView &) {
        seen << pos;
        return pos < 3;
    });
    QCOMPARE(seen, (QList<qint64>{1, 2, 3}));
}

namespace {
// Whether every record of the archive is whole: each is the record its position and its version
// (as stored in it) give. On failure, what is wrong goes into why.
bool everyRecordWhole(const RecordFile &file, qint64 *seen, QByteArray *why)
{
    *seen = 0;
    file.scan([&](qint64 position, const RecordView &view) {
        const Record record = view.toRecord();
        bool number = false;
        const qint64 version = record.text(1).toLongLong(&number);
        const QByteArray whole = writerrecords::record(position, version).bytes();
        if (!number || record.bytes() != whole) {
            qsizetype at = 0;
            while (at < whole.size() && record.bytes().at(at) == whole.at(at))
                ++at;
            *why = "record " + QByteArray::number(position) + " is torn: version " +
                   record.text(1).toLatin1() + ", wrong from byte " + QByteArray::number(at);
            return false;
        }
        ++*seen;
        return true;
    });
    return why->isEmpty();
}
} // namespace

void TestRecords::concurrentAppendsKeepEveryRecord()
{
    // Two processes append to one archive at once, as two workstations sharing the program
    // folder do: every record must arrive whole and none may be written over.
    TempProgramFolder folder;
    const QString path = folder.file("Condiviso.pro");
    const QString helper = QStringLiteral(BRISVOLA_TEST_BINARY_DIR "/archive_append_helper");
    constexpr int perProcess = 300;
    QProcess one, two;
    one.start(helper, {path, QStringLiteral("A"), QString::number(perProcess)});
    two.start(helper, {path, QStringLiteral("B"), QString::number(perProcess)});
    QVERIFY(one.waitForFinished(60000) && two.waitForFinished(60000));
    QCOMPARE(one.exitCode(), 0);
    QCOMPARE(two.exitCode(), 0);

    RecordFile file(path, writerrecords::layout());
    QCOMPARE(file.count(), 2 * perProcess);
    QSet<QString> seen;
    file.scan([&](qint64, const RecordView &v) {
        const QString key = v.text(0) + v.text(1);
        if (v.text(2) != QString(250, v.text(0).at(0)))
            return false;
        seen.insert(key);
        return true;
    });
    QCOMPARE(seen.size(), 2 * perProcess);
}

void TestRecords::killedWritersLoseNothingReported()
{
    // A workstation switched off in the middle of its saves, over and over: a child process saves
    // records in a loop (appends and overwrites) and is killed at a random moment. Each time the
    // archive must open with a whole number of records, every save the child had seen return
    // must be there byte for byte, and only the one save in flight may be missing; an
    // overwrite in flight leaves the old record or the new one, never a mix.
    TempProgramFolder folder;
    const QString path = folder.file("Interrotto.pro");
    const QString helper = QStringLiteral(BRISVOLA_TEST_BINARY_DIR "/archive_append_helper");
    const RecordLayout &layout = writerrecords::layout();
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    const QByteArray context = "seed " + QByteArray::number(seed);

    std::vector<QByteArray> expected; // the bytes last reported saved, by position - 1
    qint64 nextVersion = 0;
    int rounds = 0;
    int reportedSaves = 0;
    int killedInFlight = 0; // kills that came while a save was being made
    int inFlightLost = 0;
    QElapsedTimer clock;
    clock.start();
    while (rounds < 150 && clock.elapsed() < 5000) {
        ++rounds;
        QProcess child;
        child.start(helper, {path, QStringLiteral("loop"), QString::number(nextVersion),
                             QString::number(random.generate())});
        QVERIFY2(child.waitForStarted(10000), context);
        QVERIFY2(child.waitForReadyRead(10000), context);
        QThread::usleep(random.bounded(1000, 60000));
        child.kill();
        QVERIFY2(child.waitForFinished(10000), context);

        // What the child had reported: only whole lines count.
        QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
        lines.removeLast();
        struct Save
        {
            bool append = false;
            qint64 position = 0;
            qint64 version = 0;
        };
        Save inFlight; // the save begun and not reported, when pending
        bool pending = false;
        for (const QByteArray &line : lines) {
            const QList<QByteArray> words = line.split(' ');
            if (words.value(0) == "B") {
                QVERIFY2(words.size() == 4 && !pending, context);
                inFlight = Save{words[1] == "A", words[2].toLongLong(), words[3].toLongLong()};
                pending = true;
                nextVersion = inFlight.version + 1;
                continue;
            }
            QVERIFY2(line == "E" && pending, context);
            const QByteArray saved =
                writerrecords::record(inFlight.position, inFlight.version).bytes();
            if (inFlight.append) {
                QCOMPARE(inFlight.position, qint64(expected.size()) + 1);
                expected.push_back(saved);
            } else {
                expected[inFlight.position - 1] = saved;
            }
            ++reportedSaves;
            pending = false;
        }

        // An append killed half-way may leave part of its record after the last whole one: the
        // archive does not count it, and the next append writes over it. Nothing else may.
        QVERIFY2(QFileInfo(path).size() % layout.recordSize() == 0 || (pending && inFlight.append),
                 context + ": a partial record that no append in flight explains");
        std::vector<QByteArray> stored;
        RecordFile file(path, layout);
        try {
            file.scan([&](qint64, const RecordView &v) {
                stored.push_back(v.toRecord().bytes());
                return true;
            });
        } catch (const ArchiveError &) {
            QFAIL(context + ": the archive does not open after the kill");
        }
        const qint64 reported = qint64(expected.size());
        QVERIFY2(qint64(stored.size()) == reported ||
                     (pending && inFlight.append && qint64(stored.size()) == reported + 1),
                 context + ": " + QByteArray::number(qint64(stored.size())) + " records stored, " +
                     QByteArray::number(reported) + " reported");
        killedInFlight += pending;
        const QByteArray inFlightBytes =
            pending ? writerrecords::record(inFlight.position, inFlight.version).bytes()
                    : QByteArray();
        for (qint64 p = 1; p <= reported; ++p) {
            const QByteArray &bytes = stored[p - 1];
            const bool overwritten = pending && !inFlight.append && inFlight.position == p;
            QVERIFY2(bytes == expected[p - 1] || (overwritten && bytes == inFlightBytes),
                     context + ": record " + QByteArray::number(p) + " is not what was saved");
            if (overwritten && bytes != inFlightBytes)
                ++inFlightLost;
            expected[p - 1] = bytes;
        }
        if (qint64(stored.size()) == reported + 1) {
            QVERIFY2(stored.back() == inFlightBytes, context + ": the appended record is torn");
            expected.push_back(stored.back());
        } else if (pending && inFlight.append) {
            ++inFlightLost;
        }
    }
    QVERIFY2(reportedSaves > rounds, context + ": the child saved too little to test anything");
    qInfo("%d writers killed, %d of them during a save; %d saves reported, all kept; %d saves in "
          "flight lost; %zu records; %lld ms",
          rounds, killedInFlight, reportedSaves, inFlightLost, expected.size(), clock.elapsed());
}

void TestRecords::readersWaitForASaveInProgress()
{
    // Another workstation is half-way through overwriting record 2: a listing and a read wait for
    // it to finish and see the new record whole, never its first half over the old one.
    TempProgramFolder folder;
    const QString path = folder.file("Lento.pro");
    RecordFile file(path, writerrecords::layout());
    for (qint64 p = 1; p <= 3; ++p)
        file.append(writerrecords::record(p, 0));
    for (const bool listing : {true, false}) {
        file.write(2, writerrecords::record(2, 0));
        QProcess writer;
        writer.start(QStringLiteral(BRISVOLA_TEST_BINARY_DIR "/archive_append_helper"),
                     {path, QStringLiteral("halves"), QStringLiteral("2")});
        QVERIFY(writer.waitForReadyRead(10000));
        QCOMPARE(writer.readLine(), QByteArray("locked\n"));
        if (listing) {
            qint64 count = 0;
            QByteArray why;
            QVERIFY2(everyRecordWhole(file, &count, &why), why);
            QCOMPARE(count, 3);
        }
        const QByteArray seen = file.read(2).bytes();
        QVERIFY(writer.waitForFinished(10000));
        QCOMPARE(writer.exitCode(), 0);
        QCOMPARE(seen, writerrecords::record(2, 1).bytes());
    }
}

void TestRecords::listingWhileAnotherSavesSeesWholeRecords()
{
    // A find lists the archive over and over while another workstation saves in a loop, appending
    // and overwriting: every record a listing hands out is whole, as one save wrote it.
    TempProgramFolder folder;
    const QString path = folder.file("Letto.pro");
    RecordFile file(path, writerrecords::layout());
    constexpr qint64 stored = 40;
    for (qint64 p = 1; p <= stored; ++p)
        file.append(writerrecords::record(p, 0));
    const quint32 seed = QRandomGenerator::global()->generate();
    const QByteArray context = "seed " + QByteArray::number(seed);
    QProcess writer;
    writer.setStandardOutputFile(QProcess::nullDevice());
    writer.start(QStringLiteral(BRISVOLA_TEST_BINARY_DIR "/archive_append_helper"),
                 {path, QStringLiteral("loop"), QStringLiteral("1"), QString::number(seed)});
    QVERIFY2(writer.waitForStarted(10000), context);
    const auto stop = qScopeGuard([&writer] {
        writer.kill();
        writer.waitForFinished(10000);
    });
    int listings = 0;
    qint64 seen = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1500 || seen <= stored) {
        QByteArray why;
        QVERIFY2(everyRecordWhole(file, &seen, &why), context + ": " + why);
        ++listings;
        QVERIFY2(clock.elapsed() < 20000, context + ": the writer appended nothing");
    }
    QVERIFY(listings > 10);
}

void TestRecords::concurrentOverwritesKeepEveryOtherRecord()
{
    // Two workstations update two different records of one archive over and over, while a
    // listing reads it: every listing sees whole records, each of the two ends as its last save
    // wrote it and every other record stays as it was.
    TempProgramFolder folder;
    const QString path = folder.file("Aggiornato.pro");
    RecordFile file(path, writerrecords::layout());
    constexpr qint64 stored = 6;
    for (qint64 p = 1; p <= stored; ++p)
        file.append(writerrecords::record(p, 0));
    const QString helper = QStringLiteral(BRISVOLA_TEST_BINARY_DIR "/archive_append_helper");
    constexpr int times = 200;
    QProcess one, two;
    one.start(helper,
              {path, QStringLiteral("overwrite"), QStringLiteral("2"), QString::number(times)});
    two.start(helper,
              {path, QStringLiteral("overwrite"), QStringLiteral("5"), QString::number(times)});
    QVERIFY(one.waitForStarted(10000) && two.waitForStarted(10000));
    while (one.state() != QProcess::NotRunning || two.state() != QProcess::NotRunning) {
        qint64 seen = 0;
        QByteArray why;
        QVERIFY2(everyRecordWhole(file, &seen, &why), why);
        QCOMPARE(seen, stored);
        one.waitForFinished(1);
        two.waitForFinished(1);
    }
    QCOMPARE(one.exitStatus(), QProcess::NormalExit);
    QCOMPARE(one.exitCode(), 0);
    QCOMPARE(two.exitStatus(), QProcess::NormalExit);
    QCOMPARE(two.exitCode(), 0);
    QCOMPARE(QFileInfo(path).size(), stored * writerrecords::layout().recordSize());
    for (qint64 p = 1; p <= stored; ++p)
        QCOMPARE(file.read(p).bytes(),
                 writerrecords::record(p, p == 2 || p == 5 ? times : 0).bytes());
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
