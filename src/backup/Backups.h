#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The program's own copies of its data. A place ("Copie_di_sicurezza" in the program folder, and
// the same in the second folder chosen by the user) holds one sub-folder per copy, named by its
// moment "yyyy-mm-dd hh.mm.ss" ("-2", "-3" after it for more copies within the same second). A
// copy is complete once its list of contents "Contenuto.txt" is there: it is written last, so an
// interrupted copy is never offered and is removed by the next copy. Each place keeps its last
// ten complete copies; a file unchanged since the previous copy is a hard link to it where the
// file system allows.
namespace backup {

inline const QString placeFolderName = QStringLiteral("Copie_di_sicurezza");
inline const QString contentsFileName = QStringLiteral("Contenuto.txt");
inline const QString settingsFileName = QStringLiteral("Copie.ini");
inline constexpr int keptCopies = 10;

// The data files of a program folder, as paths relative to it with '/' separators, sorted: the
// archives (*.pro, <year>.pre, <year>.tav), "Numerazione.ini", "Logo.bmp", the password store,
// the recipe photos (<position>.jpg) and every file below "Documenti_Allegati". Not the program,
// the manual, the exports, the settings of the copies nor the copies themselves.
QStringList dataFiles(const QString &dataFolder);
// The archives, read under a shared lock so that a save elsewhere never leaves a torn record.
bool isArchive(const QString &relativePath);

struct Entry
{
    QString path; // relative, '/' separators
    qint64 size = 0;
    QByteArray sha256; // lower-case hexadecimal
};

struct Copy
{
    QString folder; // absolute path of the copy's sub-folder
    QString name;
    QDateTime moment;
    int sequence = 1; // 2 for "-2", ...
    QList<Entry> contents;
    qint64 bytes() const;
};

// The place of a folder: folder + "/Copie_di_sicurezza".
QString placeOf(const QString &folder);

// The moment and sequence of a copy's name; nullopt when the name is not one of a copy.
struct CopyName
{
    QDateTime moment;
    int sequence = 1;
};
std::optional<CopyName> parseCopyName(const QString &name);
QString copyName(const QDateTime &moment, int sequence);

// The complete copies of a place, newest first. A copy whose "Contenuto.txt" is missing or cannot
// be read whole is not among them.
QList<Copy> completeCopies(const QString &place);

// Checks every file of a copy against its list (size and SHA-256).
bool verifyCopy(const Copy &copy);

struct CopyResult
{
    bool ok = false;
    Copy copy;      // the copy made, when ok
    int linked = 0; // files made as hard links to the previous copy
};

// Copies files (relative to source) into a new copy of place at moment. lockArchives reads the
// archives under a shared lock (the source is live data). Before copying, the interrupted copies
// of the place are removed; after, the complete copies beyond the last ten are deleted, except
// the one named keep. On failure the partial copy is removed and nothing else changes.
CopyResult makeCopy(const QString &source, const QStringList &files, const QString &place,
                    const QDateTime &moment, bool lockArchives, const QString &keep = {});

// The second folder chosen by the user, from "Copie.ini" of the program folder (empty: none).
QString secondFolder();
bool setSecondFolder(const QString &folder); // empty clears it; false when it cannot be saved

// A copy of the program folder's data now (the program's clock) in the program folder's place
// and, when one is chosen, in the second folder's: there it is taken from the copy just made.
struct BackupOutcome
{
    CopyResult first;
    std::optional<CopyResult> second; // when a second folder is chosen
    QString secondFolder;
    bool ok() const { return first.ok && (!second || second->ok); }
};
BackupOutcome backupNow(const QString &keep = {});

// True when no complete copy of any place was made within the last day (the program's clock).
bool copyDue();

// The copies a restore offers: the program folder's, then those of the second folder that the
// program folder does not hold; newest first.
struct Offered
{
    Copy copy;
    bool secondFolder = false;
};
QList<Offered> offeredCopies();

enum class RestoreOutcome
{
    Restored,
    Mismatch,      // the copy's files do not match its list: nothing changed
    PreCopyFailed, // the current data could not be copied first: nothing changed
    StagingFailed, // the copy's files could not be written beside the data: nothing changed
    ReplaceFailed  // some data files were replaced, others not: the pre-restore copy has them
};
struct RestoreResult
{
    RestoreOutcome outcome = RestoreOutcome::Mismatch;
    BackupOutcome preCopy;
};
// Copies the current data first, checks the copy's files, then replaces the data files of the
// program folder with the copy's, removing the data files the copy does not hold.
RestoreResult restore(const Copy &copy);

// The texts the windows show.
namespace texts {
QString copyLine(const Offered &offered); // "dd/mm/yyyy hh:mm   N file   X,X MB"
QString copyFailed(const BackupOutcome &outcome);
QString automaticCopyFailed(const BackupOutcome &outcome);
QString copyDone();
QString restoreQuestion(const Copy &copy);
QString restoreResult(const Copy &copy, const RestoreResult &result);
QString secondFolderQuestion(const QString &folder);
QString secondFolderInsideProgram();
QString secondFolderChosen(const QString &folder);
QString secondFolderCleared();
QString secondFolderNotSaved();
} // namespace texts

} // namespace backup
