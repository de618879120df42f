#include "archive/RecordFile.h"

#include "archive/ArchiveError.h"
#include "archive/DiskSync.h"
#include "archive/FileLock.h"

#include <QFile>

#include <algorithm>

namespace {

// Opens for reading and writing, creating the file when it is missing. An existing file is never
// truncated: when it cannot be opened, the operation fails. Unbuffered, so that nothing of a
// write that failed is kept back to be written again when the file closes, after the lock is
// gone.
void openArchive(QFile &file)
{
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        throw ArchiveError("cannot open or create the archive");
}

qint64 recordCount(const QFile &file, int recordSize)
{
    return file.size() / recordSize;
}

} // namespace

RecordFile::RecordFile(QString path, const RecordLayout &layout)
    : m_path(std::move(path)), m_layout(&layout)
{
}

qint64 RecordFile::count() const
{
    QFile file(m_path);
    openArchive(file);
    return recordCount(file, m_layout->recordSize());
}

Record RecordFile::read(qint64 position) const
{
    QFile file(m_path);
    openArchive(file);
    const FileLock lock(file, FileLock::Mode::Shared);
    const int size = m_layout->recordSize();
    if (position < 1 || position > recordCount(file, size))
        throw ArchiveError("record position out of range");
    if (!file.seek((position - 1) * size))
        throw ArchiveError("cannot seek in the archive");
    QByteArray bytes = file.read(size);
    if (bytes.size() != size)
        throw ArchiveError("cannot read the archive");
    return Record(*m_layout, std::move(bytes));
}

void RecordFile::write(qint64 position, const Record &record)
{
    QFile file(m_path);
    openArchive(file);
    FileLock lock(file);
    const int size = m_layout->recordSize();
    if (position < 1 || position > recordCount(file, size))
        throw ArchiveError("record position out of range");
    if (!file.seek((position - 1) * size) || file.write(record.bytes()) != size ||
        !syncToDisk(file))
        throw ArchiveError("cannot write the archive");
}

qint64 RecordFile::append(const Record &record)
{
    QFile file(m_path);
    openArchive(file);
    FileLock lock(file);
    const int size = m_layout->recordSize();
    // A trailing partial record is invisible and is overwritten here.
    const qint64 position = recordCount(file, size) + 1;
    const qint64 end = (position - 1) * size;
    if (!file.seek(end) || file.write(record.bytes()) != size || !syncToDisk(file)) {
        // A disk that filled up may have taken part of the record, or all of it without being
        // able to keep it: the archive goes back to its whole records, so that a save reported
        // as failed leaves nothing behind.
        file.resize(end);
        throw ArchiveError("cannot write the archive");
    }
    return position;
}

bool RecordFile::scan(const std::function<bool(qint64 position, const RecordView &record)> &visit,
                      Progress *progress) const
{
    QFile file(m_path);
    openArchive(file);
    const int size = m_layout->recordSize();
    qint64 total = 0;
    {
        const FileLock lock(file, FileLock::Mode::Shared);
        total = recordCount(file, size);
    }
    const qint64 perBlock = std::max<qint64>(1, (1 << 20) / size);
    constexpr qint64 progressStep = 256;
    QByteArray block;
    qint64 position = 0;
    while (position < total) {
        const qint64 n = std::min(perBlock, total - position);
        block.resize(n * size);
        {
            // Each block is read whole between two saves of another workstation, never while one
            // is writing; the lock is let go before the records are visited.
            const FileLock lock(file, FileLock::Mode::Shared);
            if (file.read(block.data(), n * size) != n * size)
                throw ArchiveError("cannot read the archive");
        }
        for (qint64 i = 0; i < n; ++i) {
            ++position;
            if (!visit(position, RecordView(*m_layout, block.constData() + i * size)))
                return true;
            if (progress && position % progressStep == 0 && !progress->advance(position, total))
                return false;
        }
    }
    if (progress)
        progress->advance(total, total);
    return true;
}

qint64 RecordFile::positionFromText(const QString &label)
{
    const QString t = label.trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const qint64 p = t.toLongLong(&ok);
    if (!ok || p < 0)
        throw ArchiveError("the position is not a number");
    return p;
}
