#pragma once

class QFile;

// A lock on a whole open file, held for the lifetime of the object. Writers to the archives take
// the exclusive lock so that two workstations sharing the program folder never write over each
// other; readers take the shared one (the archive for each read and each block of a scan, the
// copies of the data for the whole copy), which waits for a writer to finish and keeps writers
// out while it reads, so that no reader sees a record half-written. Waits while another process
// holds a lock that excludes it.
class FileLock
{
public:
    enum class Mode
    {
        Exclusive, // the file is open for writing
        Shared     // the file is open for reading
    };
    // Throws ArchiveError when the lock cannot be had.
    explicit FileLock(QFile &file, Mode mode = Mode::Exclusive);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

private:
    QFile &m_file;
    Mode m_mode;
};
