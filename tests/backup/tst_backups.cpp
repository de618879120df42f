// The copies of the data: what a copy holds, its name, completeness, pruning, hard links, the
// daily automatic copy, the second folder and the restore, on temporary folders.
#include "FolderSupport.h"

#include "backup/Backups.h"
#include "shell/Clock.h"
#include "shell/ProgramFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace backup;

namespace {

const QDateTime t0(QDate(2026, 3, 1), QTime(10, 0, 0));

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The data of a restaurant, relative path -> bytes.
QMap<QString, QByteArray> sampleData()
{
    return {
        {QStringLiteral("Ricettario.pro"), QByteArray(12718 * 2, 'r')},
        {QStringLiteral("Menu.pro"), QByteArray(4824, 'm')},
        {QStringLiteral("Clienti.pro"), QByteArray("abc")},
        {QStringLiteral("2025.pre"), QByteArray(4886, 'p')},
        {QStringLiteral("2026.tav"), QByteArray(1935, 't')},
        {QStringLiteral("Numerazione.ini"), QByteArray("[Ditta]\r\nNome=Trattoria\r\n")},
        {QStringLiteral("Logo.bmp"), QByteArray("BM\x01\x02", 4)},
        {QStringLiteral("unins000.dll"), QByteArray("[Accesso]\r\nValore=XYZ\r\n")},
        {QStringLiteral("7.jpg"), QByteArray("\xFF\xD8\xFF\xE0 photo", 10)},
        {QStringLiteral("Documenti_Allegati/carta d'identità.pdf"), QByteArray("%PDF-1.4")},
        {QStringLiteral("Documenti_Allegati/vecchi/piatti.xls"), QByteArray("<html>")},
    };
}

// What a program folder holds besides its data: the program, the manual, the exports.
const QStringList notData = {
    QStringLiteral("brisvola"),       QStringLiteral("Guida.pdf"),
    QStringLiteral("Ricettario.xls"), QStringLiteral("Preventivi.xls"),
    QStringLiteral("Preventivo.pdf"), QStringLiteral("Scheda_Ricetta.rtf"),
    QStringLiteral("Copie.ini"),      QStringLiteral("12345.pre"),
    QStringLiteral("foto.jpg"),       QStringLiteral("note.txt"),
};

void writeData(const QString &folder, const QMap<QString, QByteArray> &data)
{
    for (auto it = data.cbegin(); it != data.cend(); ++it)
        QVERIFY(writeFile(QDir(folder).filePath(it.key()), it.value()));
}

// Every data file of the folder with its bytes.
QMap<QString, QByteArray> dataOf(const QString &folder)
{
    QMap<QString, QByteArray> data;
    for (const QString &f : dataFiles(folder))
        data.insert(f, readFile(QDir(folder).filePath(f)));
    return data;
}

QMap<QString, QByteArray> filesOfCopy(const Copy &copy)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(copy.folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(copy.folder).relativeFilePath(path);
        if (relative != QStringLiteral("Contenuto.txt"))
            files.insert(relative, readFile(path));
    }
    return files;
}

QStringList namesIn(const QString &place)
{
    return QDir(place).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList completeNames(const QString &place)
{
    QStringList names;
    for (const Copy &c : completeCopies(place))
        names << c.name;
    return names;
}

struct stat statOf(const QString &path)
{
    struct stat st = {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

} // namespace

class TestBackups : public QObject
{
    Q_OBJECT
private slots:
    void init() { brisvola::setNow(t0); }
    void cleanup() { brisvola::setNow(QDateTime()); }

    void copyHoldsTheDataByteForByte()
    {
        TempProgramFolder folder;
        writeData(folder.path(), sampleData());
        for (const QString &name : notData)
            QVERIFY(writeFile(folder.file(name), "not data"));

        const BackupOutcome outcome = backupNow();
        QVERIFY(outcome.ok());
        QVERIFY(!outcome.second);
        const QString place = folder.file(QStringLiteral("Copie_di_sicurezza"));
        QCOMPARE(namesIn(place), QStringList{QStringLiteral("2026-03-01 10.00.00")});
        const Copy copy = completeCopies(place).value(0);
        QCOMPARE(copy.name, QStringLiteral("2026-03-01 10.00.00"));
        QCOMPARE(filesOfCopy(copy), sampleData());
        QVERIFY(verifyCopy(copy));

        // The list of contents: hash, size and path of every file, one a line.
        const QByteArray contents = readFile(QDir(copy.folder).filePath("Contenuto.txt"));
        QVERIFY(contents.contains("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"
                                  " 3 Clienti.pro\n"));
        QCOMPARE(contents.count('\n'), sampleData().size());
        QVERIFY(contents.contains(
            QStringLiteral(" Documenti_Allegati/carta d'identità.pdf\n").toUtf8()));
        QCOMPARE(copy.contents.size(), sampleData().size());
    }

    void archivesAreReadUnderASharedLock()
    {
        // A save on another workstation holds the archive's lock while it writes a record: the
        // copy waits for it and holds the whole record, never half of it.
        TempProgramFolder folder;
        QVERIFY(writeFile(folder.file("Clienti.pro"), QByteArray(1000, 'C')));
        QVERIFY(writeFile(folder.file("Logo.bmp"), "BM"));
        QProcess writer;
        writer.start(QStringLiteral(BRISVOLA_TEST_BINARY_DIR "/backup_writer_helper"),
                     {folder.file("Clienti.pro")});
        QVERIFY(writer.waitForReadyRead(10000));
        QCOMPARE(writer.readLine(), QByteArray("locked\n"));
        const BackupOutcome outcome = backupNow();
        QVERIFY(writer.waitForFinished(10000));
        QCOMPARE(writer.exitCode(), 0);
        QVERIFY(outcome.ok());
        const QByteArray copied = readFile(QDir(outcome.first.copy.folder).filePath("Clienti.pro"));
        QCOMPARE(copied, QByteArray(1000, 'C') + QByteArray(500, 'A') + QByteArray(500, 'B'));
    }

    void copiesWithinOneSecondAreNumbered()
    {
        TempProgramFolder folder;
        writeData(folder.path(), sampleData());
        for (int i = 0; i < 3; ++i)
            QVERIFY(backupNow().ok());
        const QString place = placeOf(folder.path());
        QCOMPARE(completeNames(place), (QStringList{QStringLiteral("2026-03-01 10.00.00-3"),
                                                    QStringLiteral("2026-03-01 10.00.00-2"),
                                                    QStringLiteral("2026-03-01 10.00.00")}));
    }

    void interruptedCopyIsNeverOfferedAndGoesAtTheNextCopy()
    {
        TempProgramFolder folder;
        writeData(folder.path(), sampleData());
        const QString place = placeOf(folder.path());
        // One stopped before its list, one whose list was cut in the middle of a line.
        const QString stopped = QDir(place).filePath(QStringLiteral("2026-02-28 09.00.00"));
        QVERIFY(writeFile(QDir(stopped).filePath("Menu.pro"), "mmm"));
        const QString cut = QDir(place).filePath(QStringLiteral("2026-02-28 09.30.00"));
        QVERIFY(writeFile(QDir(cut).filePath("Menu.pro"), "mmm"));
        QVERIFY(writeFile(QDir(cut).filePath("Contenuto.txt"), "ba7816bf8f01cf"));
        // A folder of the user's that is not a copy stays.
        QVERIFY(QDir().mkpath(QDir(place).filePath("Vecchie copie")));

        QVERIFY(completeCopies(place).isEmpty());
        QVERIFY(offeredCopies().isEmpty());
        QVERIFY(copyDue());

        brisvola::setNow(t0.addSecs(60));
        QVERIFY(backupNow().ok());
        QCOMPARE(namesIn(place), (QStringList{QStringLiteral("2026-03-01 10.01.00"),
                                              QStringLiteral("Vecchie copie")}));
        QCOMPARE(offeredCopies().size(), 1);
    }

    void twelveCopiesLeaveTheLastTen()
    {
        TempProgramFolder folder;
        writeData(folder.path(), sampleData());
        for (int i = 0; i < 12; ++i) {
            brisvola::setNow(t0.addDays(i));
            QVERIFY(backupNow().ok());
        }
        const QStringList names = completeNames(placeOf(folder.path()));
        QCOMPARE(names.size(), 10);
        QCOMPARE(names.first(), QStringLiteral("2026-03-12 10.00.00"));
        QCOMPARE(names.last(), QStringLiteral("2026-03-03 10.00.00"));
        QCOMPARE(namesIn(placeOf(folder.path())).size(), 10);
        // Each remaining copy still holds its files, whatever was linked to the deleted ones.
        for (const Copy &c : completeCopies(placeOf(folder.path())))
            QVERIFY(verifyCopy(c));
    }

    void unchangedFilesAreHardLinks()
    {
        TempProgramFolder folder;
        writeData(folder.path(), sampleData());
        const CopyResult first = backupNow().first;
        QVERIFY(first.ok);
        QCOMPARE(first.linked, 0);
        QVERIFY(writeFile(folder.file("Menu.pro"), QByteArray(4824, 'M')));
        // Same size, other bytes: a copy, not a link.
        QVERIFY(writeFile(folder.file("2025.pre"), QByteArray(4886, 'q')));
        brisvola::setNow(t0.addSecs(1));
        const CopyResult second = backupNow().first;
        QVERIFY(second.ok);
        if (second.linked == 0)
            QSKIP("The file system of the temporary folder makes no hard links.");
        QCOMPARE(second.linked, sampleData().size() - 2);

        const auto in = [](const Copy &c, const char *f) { return QDir(c.folder).filePath(f); };
        const struct stat a = statOf(in(first.copy, "Ricettario.pro"));
        const struct stat b = statOf(in(second.copy, "Ricettario.pro"));
        QCOMPARE(a.st_ino, b.st_ino);
        QVERIFY(b.st_nlink > 1);
        QCOMPARE(statOf(in(second.copy, "Documenti_Allegati/vecchi/piatti.xls")).st_ino,
                 statOf(in(first.copy, "Documenti_Allegati/vecchi/piatti.xls")).st_ino);
        QVERIFY(statOf(in(second.copy, "Menu.pro")).st_ino !=
                statOf(in(first.copy, "Menu.pro")).st_ino);
        QVERIFY(statOf(in(second.copy, "2025.pre")).st_ino !=
                statOf(in(first.copy, "2025.pre")).st_ino);
        QCOMPARE(readFile(in(second.copy, "Menu.pro")), QByteArray(4824, 'M'));
        QCOMPARE(readFile(in(first.copy, "Menu.pro")), QByteArray(4824, 'm'));
        // The data file itself is never linked: changing it leaves the copies as they were.
        QCOMPARE(statOf(folder.file("Ricettario.pro")).st_nlink, nlink_t(1));
    }

    void oneAutomaticCopyADay_data()
    {
        QTest::addColumn<qint64>("secondsAfterCopy");
        QTest::addColumn<bool>("due");
        QTest::newRow("just made") << qint64(0) << false;
        QTest::newRow("23 hours later") << qint64(23 * 3600) << false;
        QTest::newRow("exactly a day") << qint64(24 * 3600) << false;
        QTest::newRow("a day and a second") << qint64(24 * 3600 + 1) << true;
        QTest::newRow("a week") << qint64(7 * 24 * 3600) << true;
        // A copy dated in the future (a clock put right since) does not stand for today's.
        QTest::newRow("clock turned back") << qint64(-3600) << true;
    }
    void oneAutomaticCopyADay()
    {
        QFETCH(qint64, secondsAfterCopy);
        QFETCH(bool, due);
        TempProgramFolder folder;
        writeData(folder.path(), sampleData());
        QVERIFY(copyDue());
        QVERIFY(backupNow().ok());
        brisvola::setNow(t0.addSecs(secondsAfterCopy));
        QCOMPARE(copyDue(), due);
    }

    void secondFolderHoldsTheSameCopy()
    {
        TempProgramFolder folder;
        QTemporaryDir usb;
        writeData(folder.path(), sampleData());
        QVERIFY(setSecondFolder(usb.path()));
        QCOMPARE(secondFolder(), QDir::toNativeSeparators(usb.path()));
        QVERIFY(QFileInfo::exists(folder.file("Copie.ini")));

        const BackupOutcome outcome = backupNow();
        QVERIFY(outcome.ok());
        QVERIFY(outcome.second);
        const Copy there = completeCopies(placeOf(usb.path())).value(0);
        QCOMPARE(there.name, QStringLiteral("2026-03-01 10.00.00"));
        QCOMPARE(filesOfCopy(there), sampleData());
        // Both places hold the copy; it is offered once.
        QCOMPARE(offeredCopies().size(), 1);
        QVERIFY(!offeredCopies().first().secondFolder);

        // A copy found only in the second folder is offered too, marked as such.
        QDir(completeCopies(placeOf(folder.path())).first().folder).removeRecursively();
        QCOMPARE(offeredCopies().size(), 1);
        QVERIFY(offeredCopies().first().secondFolder);
        QCOMPARE(texts::copyLine(offeredCopies().first()),
                 QStringLiteral("01/03/2026 10:00   11 file   0,0 MB   (seconda cartella)"));

        QVERIFY(setSecondFolder(QString()));
        QCOMPARE(secondFolder(), QString());
        QVERIFY(offeredCopies().isEmpty());
    }

    void unwritableSecondFolderWarnsAndTheFirstCopyStaysWhole()
    {
        TempProgramFolder folder;
        QTemporaryDir usb;
        writeData(folder.path(), sampleData());
        QVERIFY(setSecondFolder(usb.path()));
        // A full stick or a protected one: nothing can be written there.
        QVERIFY(QDir().mkpath(placeOf(usb.path())));
        const ReadOnlyPath readOnly(placeOf(usb.path()));
        if (readOnly.writable())
            QSKIP("The temporary folder cannot be made read-only here.");

        const BackupOutcome outcome = backupNow();
        QVERIFY(!outcome.ok());
        QVERIFY(outcome.first.ok);
        QVERIFY(outcome.second && !outcome.second->ok);
        QVERIFY(namesIn(placeOf(usb.path())).isEmpty());
        const Copy here = completeCopies(placeOf(folder.path())).value(0);
        QVERIFY(verifyCopy(here));
        QCOMPARE(filesOfCopy(here), sampleData());
        QCOMPARE(dataOf(folder.path()), sampleData());
        QCOMPARE(texts::copyFailed(outcome),
                 QStringLiteral("Attenzione: non è stato possibile fare la copia di sicurezza "
                                "dei dati nella seconda cartella:\r\n\r\n%1\r\n\r\nControllare "
                                "che il disco o la chiavetta sia collegato, non sia pieno e non "
                                "sia protetto da scrittura. La copia nella cartella del "
                                "programma è stata fatta regolarmente.")
                     .arg(QDir::toNativeSeparators(usb.path())));
    }

    void failedCopyIsRemovedAndTheDataStay()
    {
        TempProgramFolder folder;
        writeData(folder.path(), sampleData());
        QVERIFY(backupNow().ok());
        const QString place = placeOf(folder.path());
        // A data file gone while the copy runs stops it halfway, after two files were written.
        brisvola::setNow(t0.addSecs(1));
        const CopyResult partial =
            makeCopy(folder.path(),
                     {QStringLiteral("Clienti.pro"), QStringLiteral("Menu.pro"),
                      QStringLiteral("Sparito.pro")},
                     place, brisvola::now(), true);
        QVERIFY(!partial.ok);
        QCOMPARE(namesIn(place), QStringList{QStringLiteral("2026-03-01 10.00.00")});
        QVERIFY(verifyCopy(completeCopies(place).first()));
        QCOMPARE(dataOf(folder.path()), sampleData());

        // A place that cannot be written: the warning, and nothing changes.
        const ReadOnlyPath readOnly(place);
        if (readOnly.writable())
            QSKIP("The temporary folder cannot be made read-only here.");
        const BackupOutcome outcome = backupNow();
        QVERIFY(!outcome.ok());
        QCOMPARE(namesIn(place), QStringList{QStringLiteral("2026-03-01 10.00.00")});
        QCOMPARE(dataOf(folder.path()), sampleData());
        QCOMPARE(texts::copyFailed(outcome),
                 QStringLiteral("Attenzione: non è stato possibile fare la copia di sicurezza dei "
                                "dati nella cartella \"Copie_di_sicurezza\" del programma.\r\n"
                                "\r\nControllare che il disco non sia pieno e che la cartella "
                                "non sia protetta da scrittura. I dati non sono stati "
                                "modificati."));
    }

    void restoreBringsBackTheBytesAndLeavesAPreRestoreCopy()
    {
        TempProgramFolder folder;
        writeData(folder.path(), sampleData());
        QVERIFY(writeFile(folder.file("Ricettario.xls"), "export"));
        QVERIFY(backupNow().ok());
        const Copy yesterday = completeCopies(placeOf(folder.path())).first();

        // A day of work: an archive spoilt by hand, a photo deleted, a new year opened, an
        // attachment changed.
        QMap<QString, QByteArray> spoilt = sampleData();
        spoilt[QStringLiteral("Ricettario.pro")] = QByteArray(100, '\0');
        spoilt.remove(QStringLiteral("7.jpg"));
        spoilt[QStringLiteral("2026.pre")] = QByteArray(4886, 'n');
        spoilt[QStringLiteral("Documenti_Allegati/vecchi/piatti.xls")] = "<html>changed";
        QFile::remove(folder.file("7.jpg"));
        writeData(folder.path(), spoilt);
        QCOMPARE(dataOf(folder.path()), spoilt);

        brisvola::setNow(t0.addDays(1));
        const RestoreResult result = restore(yesterday);
        QCOMPARE(result.outcome, RestoreOutcome::Restored);
        QCOMPARE(dataOf(folder.path()), sampleData());
        QCOMPARE(readFile(folder.file("Ricettario.xls")), QByteArray("export"));
        QVERIFY(!QFileInfo::exists(folder.file("2026.pre.ripristino")));
        // The restored data are files of their own, not links into the copy.
        QCOMPARE(statOf(folder.file("Menu.pro")).st_nlink, nlink_t(1));

        // The data as they were before the restore are in the new copy, which can be restored.
        const QList<Copy> copies = completeCopies(placeOf(folder.path()));
        QCOMPARE(copies.size(), 2);
        QCOMPARE(copies.first().name, QStringLiteral("2026-03-02 10.00.00"));
        QCOMPARE(filesOfCopy(copies.first()), spoilt);
        QCOMPARE(texts::restoreResult(yesterday, result),
                 QStringLiteral("I dati della copia di sicurezza del 01/03/2026 alle 10:00 sono "
                                "stati ripristinati."));
        QCOMPARE(restore(copies.first()).outcome, RestoreOutcome::Restored);
        QCOMPARE(dataOf(folder.path()), spoilt);
    }

    void restoringTheOldestOfTenKeepsIt()
    {
        TempProgramFolder folder;
        writeData(folder.path(), sampleData());
        for (int i = 0; i < 10; ++i) {
            brisvola::setNow(t0.addDays(i));
            if (i == 1)
                QVERIFY(writeFile(folder.file("Menu.pro"), "later"));
            QVERIFY(backupNow().ok());
        }
        const Copy oldest = completeCopies(placeOf(folder.path())).last();
        brisvola::setNow(t0.addDays(20));
        QCOMPARE(restore(oldest).outcome, RestoreOutcome::Restored);
        QCOMPARE(dataOf(folder.path()), sampleData());
        const QStringList names = completeNames(placeOf(folder.path()));
        QVERIFY(names.contains(oldest.name));
        QCOMPARE(names.first(), QStringLiteral("2026-03-21 10.00.00"));
    }

    void tamperedCopyIsRefusedAndNothingChanges_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes"); // empty: the file is removed
        QTest::newRow("bytes changed") << QStringLiteral("Menu.pro") << QByteArray(4824, 'x');
        QTest::newRow("cut short") << QStringLiteral("Clienti.pro") << QByteArray("ab");
        QTest::newRow("missing") << QStringLiteral("Documenti_Allegati/vecchi/piatti.xls")
                                 << QByteArray();
    }
    void tamperedCopyIsRefusedAndNothingChanges()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        TempProgramFolder folder;
        writeData(folder.path(), sampleData());
        QVERIFY(backupNow().ok());
        const Copy copy = completeCopies(placeOf(folder.path())).first();
        QMap<QString, QByteArray> today = sampleData();
        today[QStringLiteral("Menu.pro")] = "today's menus";
        writeData(folder.path(), today);

        const QString inCopy = QDir(copy.folder).filePath(file);
        QFile::remove(inCopy);
        if (!bytes.isEmpty())
            QVERIFY(writeFile(inCopy, bytes));
        brisvola::setNow(t0.addDays(1));
        const RestoreResult result = restore(copy);
        QCOMPARE(result.outcome, RestoreOutcome::Mismatch);
        QCOMPARE(dataOf(folder.path()), today);
        QCOMPARE(completeCopies(placeOf(folder.path())).size(), 1);
        QCOMPARE(texts::restoreResult(copy, result),
                 QStringLiteral("Attenzione: la copia di sicurezza del 01/03/2026 alle 10:00 è "
                                "danneggiata: i suoi file non corrispondono al loro elenco."
                                "\r\n\r\nIl ripristino non è stato fatto e i dati non sono stati "
                                "modificati."));
    }

    void restoreThatCannotWriteChangesNothing()
    {
        TempProgramFolder folder;
        writeData(folder.path(), sampleData());
        QVERIFY(backupNow().ok());
        const Copy copy = completeCopies(placeOf(folder.path())).first();
        QMap<QString, QByteArray> today = sampleData();
        today[QStringLiteral("Menu.pro")] = "today's menus";
        writeData(folder.path(), today);
        brisvola::setNow(t0.addDays(1));
        {
            // The copies cannot be written: without the copy of today's data, no restore.
            const ReadOnlyPath readOnly(placeOf(folder.path()));
            if (readOnly.writable())
                QSKIP("The temporary folder cannot be made read-only here.");
            const RestoreResult result = restore(copy);
            QCOMPARE(result.outcome, RestoreOutcome::PreCopyFailed);
            QCOMPARE(dataOf(folder.path()), today);
            QVERIFY(texts::restoreResult(copy, result)
                        .endsWith(QStringLiteral("\r\n\r\nSenza la copia dei dati attuali il "
                                                 "ripristino non è stato fatto.")));
        }
        {
            // The program folder cannot take the copy's files: the data stay as they are.
            const ReadOnlyPath readOnly(folder.path());
            const RestoreResult result = restore(copy);
            QCOMPARE(result.outcome, RestoreOutcome::StagingFailed);
            QCOMPARE(dataOf(folder.path()), today);
            QCOMPARE(texts::restoreResult(copy, result),
                     QStringLiteral("Attenzione: non è stato possibile scrivere i file della copia "
                                    "nella cartella del programma.\r\n\r\nControllare che il "
                                    "disco non sia pieno. Il ripristino non è stato fatto e i dati "
                                    "non sono stati modificati."));
        }
        QVERIFY(QDir(folder.path()).entryList({QStringLiteral("*.ripristino")}).isEmpty());
    }

    void listLineAndQuestion()
    {
        Copy copy;
        copy.moment = QDateTime(QDate(2026, 12, 5), QTime(8, 7, 6));
        copy.contents = {{QStringLiteral("a.pro"), 3 * 1024 * 1024, {}},
                         {QStringLiteral("b.pro"), 512 * 1024, {}}};
        QCOMPARE(texts::copyLine({copy, false}),
                 QStringLiteral("05/12/2026 08:07   2 file   3,5 MB"));
        QCOMPARE(texts::restoreQuestion(copy),
                 QStringLiteral("Ripristinare i dati della copia di sicurezza del 05/12/2026 alle "
                                "08:07?\r\n\r\nI dati attuali saranno sostituiti da quelli della "
                                "copia. Prima del ripristino ne sarà fatta una nuova copia di "
                                "sicurezza, così da poter tornare indietro."));
    }
};

QTEST_GUILESS_MAIN(TestBackups)
#include "tst_backups.moc"
