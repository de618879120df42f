#pragma once

class QFile;

// An exclusive lock on a whole open file, held for the lifetime of the object. Writers to the
// archives take it so that two workstations sharing the program folder never write over each
// other; readers take none. Waits while another process holds the lock.
class FileLock
{
public:
    explicit FileLock(QFile &file); // throws ArchiveError when the lock cannot be had
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

private:
    QFile &m_file;
};
