#pragma once

#include "archive/Progress.h"
#include "archive/RecordLayout.h"

#include <QString>

#include <functional>

// One archive file: records of the layout's size back to back, no header. Every call opens the
// file (creating it empty when missing), does its work and closes it; every failure throws
// ArchiveError. Positions are 1-based. Writes hold the file's exclusive lock; reads hold the shared
// one while they read (a scan lets it go between its blocks), so that a save from another process
// is never seen half-done.
class RecordFile
{
public:
    RecordFile(QString path, const RecordLayout &layout);

    const QString &path() const { return m_path; }
    const RecordLayout &layout() const { return *m_layout; }

    // File length div record size: a trailing partial record is not counted.
    qint64 count() const;
    Record read(qint64 position) const;
    // Overwrites a stored record; the others are untouched. Like append, it returns only once the
    // record has reached the disk, still under the lock.
    void write(qint64 position, const Record &record);
    // Writes after the last whole record and returns the new record's position. The position
    // is taken from the file length under an exclusive lock, so concurrent appends from several
    // processes each get their own record.
    qint64 append(const Record &record);

    // Reads records 1 to count in order, in large blocks. The visitor gets the position and a view
    // of the record; returning false stops the scan. A progress watcher, when given, hears every
    // few hundred records how far the scan got, and can stop it: scan then returns false.
    bool scan(const std::function<bool(qint64 position, const RecordView &record)> &visit,
              Progress *progress = nullptr) const;

    // The position held by a window's position label: 0 for an empty label, the number otherwise;
    // anything else is an ArchiveError.
    static qint64 positionFromText(const QString &label);

private:
    QString m_path;
    const RecordLayout *m_layout;
};
