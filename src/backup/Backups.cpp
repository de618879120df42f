#include "backup/Backups.h"

#include "archive/ArchiveError.h"
#include "archive/FileLock.h"
#include "archive/IniFile.h"
#include "backup/FileLinks.h"
#include "shell/Clock.h"
#include "shell/PasswordStore.h"
#include "shell/ProgramFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <memory>

namespace backup {

namespace {

const QString attachmentsFolder = QStringLiteral("Documenti_Allegati");
const QString nameFormat = QStringLiteral("yyyy-MM-dd HH.mm.ss");
const QString settingsSection = QStringLiteral("Copie");
const QString settingsKey = QStringLiteral("Cartella");
const QString placeLockName = QStringLiteral(".blocco");
const QString stagingSuffix = QStringLiteral(".ripristino");
constexpr qint64 chunk = 1 << 20;

bool matches(const QString &pattern, const QString &name)
{
    const QRegularExpression re(QRegularExpression::anchoredPattern(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(name).hasMatch();
}

bool isTopLevelDataFile(const QString &name)
{
    static const QStringList fixed = {QStringLiteral("Numerazione.ini"), QStringLiteral("Logo.bmp"),
                                      brisvola::password::storeFileName};
    for (const QString &f : fixed)
        if (name.compare(f, Qt::CaseInsensitive) == 0)
            return true;
    return matches(QStringLiteral(R"(.+\.pro|\d{4}\.(pre|tav)|\d+\.jpg)"), name);
}

QString join(const QString &folder, const QString &relative)
{
    return QDir(folder).filePath(relative);
}

// The place's lock: one copy, prune or restore at a time, also across workstations.
class PlaceLock
{
public:
    explicit PlaceLock(const QString &place) : m_file(join(place, placeLockName))
    {
        if (!m_file.open(QIODevice::ReadWrite))
            return;
        try {
            m_lock = std::make_unique<FileLock>(m_file);
        } catch (const ArchiveError &) {
        }
    }
    bool held() const { return m_lock != nullptr; }

private:
    QFile m_file;
    std::unique_ptr<FileLock> m_lock;
};

std::optional<QList<Entry>> readContents(const QString &folder)
{
    QFile file(join(folder, contentsFileName));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    QList<Entry> entries;
    static const QRegularExpression line(QStringLiteral(R"(^([0-9a-f]{64}) (\d+) (.+)$)"));
    for (const QByteArray &raw : data.split('\n')) {
        if (raw.isEmpty())
            continue;
        const auto m = line.match(QString::fromUtf8(raw));
        if (!m.hasMatch())
            return std::nullopt;
        const QString path = m.captured(3);
        if (QDir::isAbsolutePath(path) ||
            path.split(QLatin1Char('/')).contains(QStringLiteral("..")))
            return std::nullopt;
        entries.append({path, m.captured(2).toLongLong(), m.captured(1).toLatin1()});
    }
    return entries;
}

bool writeContents(const QString &folder, const QList<Entry> &entries)
{
    const QString temporary = join(folder, contentsFileName + QStringLiteral(".tmp"));
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (const Entry &e : entries) {
        const QByteArray line =
            e.sha256 + ' ' + QByteArray::number(e.size) + ' ' + e.path.toUtf8() + '\n';
        if (file.write(line) != line.size())
            return false;
    }
    if (!file.flush())
        return false;
    file.close();
    if (file.error() != QFileDevice::NoError)
        return false;
    return QFile::rename(temporary, join(folder, contentsFileName));
}

// Reads an open file from its start, hashing it and writing it to out when given.
std::optional<QByteArray> pass(QFile &in, QFile *out, qint64 *size)
{
    if (!in.seek(0))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 total = 0;
    QByteArray buffer;
    for (;;) {
        buffer = in.read(chunk);
        if (in.error() != QFileDevice::NoError)
            return std::nullopt;
        if (buffer.isEmpty())
            break;
        hash.addData(buffer);
        total += buffer.size();
        if (out && out->write(buffer) != buffer.size())
            return std::nullopt;
    }
    if (out) {
        if (!out->flush())
            return std::nullopt;
        out->close();
        if (out->error() != QFileDevice::NoError)
            return std::nullopt;
    }
    *size = total;
    return hash.result().toHex();
}

std::optional<QByteArray> hashFile(const QString &path, qint64 *size)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    return pass(in, nullptr, size);
}

void removeIncomplete(const QString &place)
{
    const QDir dir(place);
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!parseCopyName(name))
            continue;
        const QString folder = dir.filePath(name);
        if (!readContents(folder))
            QDir(folder).removeRecursively();
    }
}

void prune(const QString &place, const QString &keep)
{
    const QList<Copy> copies = completeCopies(place);
    for (qsizetype i = keptCopies; i < copies.size(); ++i)
        if (copies[i].name != keep)
            QDir(copies[i].folder).removeRecursively();
}

QString freeName(const QString &place, const QDateTime &moment)
{
    const QDir dir(place);
    for (int sequence = 1;; ++sequence) {
        const QString name = copyName(moment, sequence);
        if (!QFileInfo::exists(dir.filePath(name)))
            return name;
    }
}

// One file of a copy: a hard link to the previous copy's when the bytes are the same, else a copy.
bool copyFile(const QString &source, const QString &relative, const QString &target,
              const Copy *previous, const QHash<QString, Entry> &previousEntries, bool lockArchive,
              Entry &entry, bool &linked)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    std::unique_ptr<FileLock> lock;
    if (lockArchive) {
        try {
            lock = std::make_unique<FileLock>(in, FileLock::Mode::Shared);
        } catch (const ArchiveError &) {
            return false;
        }
    }
    if (!QDir().mkpath(QFileInfo(target).path()))
        return false;
    entry.path = relative;
    linked = false;
    const auto before = previousEntries.constFind(relative);
    if (previous && before != previousEntries.constEnd() && before->size == in.size()) {
        qint64 size = 0;
        const auto hash = pass(in, nullptr, &size);
        if (!hash)
            return false;
        if (*hash == before->sha256 && size == before->size &&
            hardLink(join(previous->folder, relative), target)) {
            entry.size = size;
            entry.sha256 = *hash;
            linked = true;
            return true;
        }
    }
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const auto hash = pass(in, &out, &entry.size);
    if (!hash)
        return false;
    entry.sha256 = *hash;
    return true;
}

IniFile settings()
{
    return IniFile(brisvola::programFile(settingsFileName));
}

} // namespace

qint64 Copy::bytes() const
{
    qint64 total = 0;
    for (const Entry &e : contents)
        total += e.size;
    return total;
}

bool isArchive(const QString &relativePath)
{
    return !relativePath.contains(QLatin1Char('/')) &&
           matches(QStringLiteral(R"(.+\.pro|\d{4}\.(pre|tav))"), relativePath);
}

QStringList dataFiles(const QString &dataFolder)
{
    QStringList files;
    const QDir dir(dataFolder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
        if (isTopLevelDataFile(name))
            files.append(name);
    const QString attachments = dir.filePath(attachmentsFolder);
    QDirIterator it(attachments, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(stagingSuffix))
            files.append(dir.relativeFilePath(path));
    }
    files.sort();
    return files;
}

QString placeOf(const QString &folder)
{
    return join(folder, placeFolderName);
}

std::optional<CopyName> parseCopyName(const QString &name)
{
    static const QRegularExpression re(
        QStringLiteral(R"(^(\d{4}-\d{2}-\d{2} \d{2}\.\d{2}\.\d{2})(?:-(\d+))?$)"));
    const auto m = re.match(name);
    if (!m.hasMatch())
        return std::nullopt;
    CopyName parsed;
    parsed.moment = QDateTime::fromString(m.captured(1), nameFormat);
    if (!parsed.moment.isValid())
        return std::nullopt;
    if (m.hasCaptured(2)) {
        parsed.sequence = m.captured(2).toInt();
        if (parsed.sequence < 2)
            return std::nullopt;
    }
    return parsed;
}

QString copyName(const QDateTime &moment, int sequence)
{
    QString name = moment.toString(nameFormat);
    if (sequence > 1)
        name += QLatin1Char('-') + QString::number(sequence);
    return name;
}

QList<Copy> completeCopies(const QString &place)
{
    QList<Copy> copies;
    const QDir dir(place);
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const auto parsed = parseCopyName(name);
        if (!parsed)
            continue;
        const QString folder = dir.filePath(name);
        auto contents = readContents(folder);
        if (!contents)
            continue;
        copies.append({folder, name, parsed->moment, parsed->sequence, *contents});
    }
    std::sort(copies.begin(), copies.end(), [](const Copy &a, const Copy &b) {
        if (a.moment != b.moment)
            return a.moment > b.moment;
        return a.sequence > b.sequence;
    });
    return copies;
}

bool verifyCopy(const Copy &copy)
{
    for (const Entry &e : copy.contents) {
        qint64 size = 0;
        const auto hash = hashFile(join(copy.folder, e.path), &size);
        if (!hash || *hash != e.sha256 || size != e.size)
            return false;
    }
    return true;
}

CopyResult makeCopy(const QString &source, const QStringList &files, const QString &place,
                    const QDateTime &moment, bool lockArchives, const QString &keep)
{
    CopyResult result;
    if (!QDir().mkpath(place))
        return result;
    const PlaceLock placeLock(place);
    if (!placeLock.held())
        return result;
    removeIncomplete(place);
    const QList<Copy> before = completeCopies(place);
    const Copy *previous = before.isEmpty() ? nullptr : &before.first();
    QHash<QString, Entry> previousEntries;
    if (previous)
        for (const Entry &e : previous->contents)
            previousEntries.insert(e.path, e);

    const QString name = freeName(place, moment);
    const QString folder = join(place, name);
    if (!QDir().mkdir(folder))
        return result;
    QList<Entry> entries;
    for (const QString &relative : files) {
        Entry entry;
        bool linked = false;
        if (!copyFile(join(source, relative), relative, join(folder, relative), previous,
                      previousEntries, lockArchives && isArchive(relative), entry, linked)) {
            QDir(folder).removeRecursively();
            return result;
        }
        entries.append(entry);
        result.linked += linked ? 1 : 0;
    }
    if (!writeContents(folder, entries)) {
        QDir(folder).removeRecursively();
        return result;
    }
    const auto parsed = parseCopyName(name);
    result.copy = {folder, name, parsed->moment, parsed->sequence, entries};
    result.ok = true;
    prune(place, keep);
    return result;
}

QString secondFolder()
{
    return settings().value(settingsSection, settingsKey).trimmed();
}

bool setSecondFolder(const QString &folder)
{
    IniFile ini = settings();
    ini.setValue(settingsSection, settingsKey, QDir::toNativeSeparators(folder));
    return ini.save();
}

BackupOutcome backupNow(const QString &keep)
{
    BackupOutcome outcome;
    const QString data = brisvola::programFolder();
    const QDateTime moment = brisvola::now();
    outcome.first = makeCopy(data, dataFiles(data), placeOf(data), moment, true, keep);
    outcome.secondFolder = secondFolder();
    if (!outcome.secondFolder.isEmpty()) {
        const QString place = placeOf(QDir::fromNativeSeparators(outcome.secondFolder));
        if (outcome.first.ok) {
            QStringList files;
            for (const Entry &e : outcome.first.copy.contents)
                files.append(e.path);
            outcome.second = makeCopy(outcome.first.copy.folder, files, place, moment, false, keep);
        } else {
            outcome.second = makeCopy(data, dataFiles(data), place, moment, true, keep);
        }
    }
    return outcome;
}

bool copyDue()
{
    const QDateTime now = brisvola::now();
    for (const Offered &o : offeredCopies()) {
        const QDateTime moment = o.copy.moment;
        if (moment <= now && moment.secsTo(now) <= 24 * 60 * 60)
            return false;
    }
    return true;
}

QList<Offered> offeredCopies()
{
    QList<Offered> offered;
    QSet<QString> names;
    for (const Copy &c : completeCopies(placeOf(brisvola::programFolder()))) {
        offered.append({c, false});
        names.insert(c.name);
    }
    const QString second = secondFolder();
    if (!second.isEmpty()) {
        for (const Copy &c : completeCopies(placeOf(QDir::fromNativeSeparators(second))))
            if (!names.contains(c.name))
                offered.append({c, true});
    }
    std::stable_sort(offered.begin(), offered.end(), [](const Offered &a, const Offered &b) {
        if (a.copy.moment != b.copy.moment)
            return a.copy.moment > b.copy.moment;
        return a.copy.sequence > b.copy.sequence;
    });
    return offered;
}

RestoreResult restore(const Copy &copy)
{
    RestoreResult result;
    if (!verifyCopy(copy)) {
        result.outcome = RestoreOutcome::Mismatch;
        return result;
    }
    result.preCopy = backupNow(copy.name);
    if (!result.preCopy.first.ok) {
        result.outcome = RestoreOutcome::PreCopyFailed;
        return result;
    }
    const QString data = brisvola::programFolder();
    // Every file of the copy beside its data file first, checked again as it is written: a copy
    // spoilt since the check above, or a full disk, leaves the data as they were.
    QStringList staged;
    const auto unstage = [&staged] {
        for (const QString &s : std::as_const(staged))
            QFile::remove(s);
    };
    for (const Entry &e : copy.contents) {
        const QString target = join(data, e.path) + stagingSuffix;
        QFile in(join(copy.folder, e.path));
        bool written = in.open(QIODevice::ReadOnly) && QDir().mkpath(QFileInfo(target).path());
        if (written) {
            QFile out(target);
            written = out.open(QIODevice::WriteOnly | QIODevice::Truncate);
            if (written)
                staged.append(target);
            qint64 size = 0;
            const auto hash = written ? pass(in, &out, &size) : std::nullopt;
            written = hash && *hash == e.sha256 && size == e.size;
        }
        if (!written) {
            unstage();
            result.outcome = RestoreOutcome::StagingFailed;
            return result;
        }
    }
    QSet<QString> restored;
    bool replacedAll = true;
    for (const Entry &e : copy.contents) {
        restored.insert(e.path);
        if (!replaceFile(join(data, e.path) + stagingSuffix, join(data, e.path)))
            replacedAll = false;
    }
    for (const QString &relative : dataFiles(data))
        if (!restored.contains(relative) && !QFile::remove(join(data, relative)))
            replacedAll = false;
    unstage();
    result.outcome = replacedAll ? RestoreOutcome::Restored : RestoreOutcome::ReplaceFailed;
    return result;
}

namespace texts {

namespace {
QString day(const Copy &copy)
{
    return copy.moment.toString(QStringLiteral("dd/MM/yyyy"));
}
QString hour(const Copy &copy)
{
    return copy.moment.toString(QStringLiteral("HH:mm"));
}
} // namespace

QString copyLine(const Offered &offered)
{
    const Copy &c = offered.copy;
    QString line = QStringLiteral("%1   %2 file   %3 MB")
                       .arg(c.moment.toString(QStringLiteral("dd/MM/yyyy HH:mm")))
                       .arg(c.contents.size())
                       .arg(QString::number(double(c.bytes()) / (1024.0 * 1024.0), 'f', 1)
                                .replace(QLatin1Char('.'), QLatin1Char(',')));
    if (offered.secondFolder)
        line += QStringLiteral("   (seconda cartella)");
    return line;
}

QString copyFailed(const BackupOutcome &outcome)
{
    QStringList parts;
    if (!outcome.first.ok)
        parts << QStringLiteral(
            "Attenzione: non è stato possibile fare la copia di sicurezza dei dati nella "
            "cartella \"Copie_di_sicurezza\" del programma.\r\n\r\nControllare che il disco non "
            "sia pieno e che la cartella non sia protetta da scrittura. I dati non sono stati "
            "modificati.");
    if (outcome.second && !outcome.second->ok)
        parts << QStringLiteral(
                     "Attenzione: non è stato possibile fare la copia di sicurezza dei dati "
                     "nella seconda cartella:\r\n\r\n%1\r\n\r\nControllare che il disco o la "
                     "chiavetta sia collegato, non sia pieno e non sia protetto da scrittura.%2")
                     .arg(outcome.secondFolder,
                          outcome.first.ok
                              ? QStringLiteral(" La copia nella cartella del programma è stata "
                                               "fatta regolarmente.")
                              : QString());
    return parts.join(QStringLiteral("\r\n\r\n"));
}

QString automaticCopyFailed(const BackupOutcome &outcome)
{
    return copyFailed(outcome) +
           QStringLiteral("\r\n\r\nLa copia automatica sarà ritentata al prossimo accesso; è "
                          "comunque possibile lavorare normalmente.");
}

QString copyDone()
{
    return QStringLiteral("La copia di sicurezza dei dati è stata fatta.");
}

QString restoreQuestion(const Copy &copy)
{
    return QStringLiteral(
               "Ripristinare i dati della copia di sicurezza del %1 alle %2?\r\n\r\nI dati "
               "attuali saranno sostituiti da quelli della copia. Prima del ripristino ne sarà "
               "fatta una nuova copia di sicurezza, così da poter tornare indietro.")
        .arg(day(copy), hour(copy));
}

QString restoreResult(const Copy &copy, const RestoreResult &result)
{
    switch (result.outcome) {
    case RestoreOutcome::Restored:
        return QStringLiteral("I dati della copia di sicurezza del %1 alle %2 sono stati "
                              "ripristinati.")
            .arg(day(copy), hour(copy));
    case RestoreOutcome::Mismatch:
        return QStringLiteral("Attenzione: la copia di sicurezza del %1 alle %2 è danneggiata: "
                              "i suoi file non corrispondono al loro elenco.\r\n\r\nIl "
                              "ripristino non è stato fatto e i dati non sono stati modificati.")
            .arg(day(copy), hour(copy));
    case RestoreOutcome::PreCopyFailed:
        return copyFailed(result.preCopy) +
               QStringLiteral("\r\n\r\nSenza la copia dei dati attuali il ripristino non è "
                              "stato fatto.");
    case RestoreOutcome::StagingFailed:
        return QStringLiteral("Attenzione: non è stato possibile scrivere i file della copia "
                              "nella cartella del programma.\r\n\r\nControllare che il disco "
                              "non sia pieno. Il ripristino non è stato fatto e i dati non sono "
                              "stati modificati.");
    case RestoreOutcome::ReplaceFailed:
        return QStringLiteral("Attenzione: non è stato possibile sostituire tutti i file dei "
                              "dati con quelli della copia: qualche file potrebbe essere in uso "
                              "su un'altra postazione.\r\n\r\nI dati com'erano prima del "
                              "ripristino sono nella copia di sicurezza del %1 alle %2.")
            .arg(day(result.preCopy.first.copy), hour(result.preCopy.first.copy));
    }
    return {};
}

QString secondFolderQuestion(const QString &folder)
{
    return QStringLiteral("Le copie di sicurezza sono fatte anche nella cartella:\r\n\r\n%1\r\n\r\n"
                          "Scegliere un'altra cartella?\r\n\r\nSì: scegliere un'altra "
                          "cartella.\r\nNo: non fare più le copie in questa cartella.")
        .arg(folder);
}

QString secondFolderInsideProgram()
{
    return QStringLiteral("Attenzione: la seconda cartella delle copie di sicurezza deve "
                          "trovarsi fuori dalla cartella del programma, meglio su un altro "
                          "disco, una cartella di rete o una chiavetta USB.");
}

QString secondFolderChosen(const QString &folder)
{
    return QStringLiteral("D'ora in poi le copie di sicurezza saranno fatte anche nella "
                          "cartella:\r\n\r\n%1")
        .arg(folder);
}

QString secondFolderCleared()
{
    return QStringLiteral("Le copie di sicurezza saranno fatte solo nella cartella del "
                          "programma.");
}

QString secondFolderNotSaved()
{
    return QStringLiteral("Attenzione: non è stato possibile salvare la scelta della cartella "
                          "nel file \"Copie.ini\".");
}

} // namespace texts

} // namespace backup
