#pragma once

class QFile;

// A lock on a whole open file, held for the lifetime of the object. Writers to the archives take
// the exclusive lock so that two workstations sharing the program folder never write over each
// other; a reader that must see whole records (the copies of the data) takes the shared one,
// which waits for a writer to finish and keeps writers out while it reads. Ordinary readers take
// none. Waits while another process holds a lock that excludes it.
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
