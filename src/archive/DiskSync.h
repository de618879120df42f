#pragma once

class QFileDevice;
class QSaveFile;

// Makes what was written to an open file reach the disk (fsync; FlushFileBuffers on Windows)
// before the program reports it as saved. False when the system could not do it.
bool syncToDisk(QFileDevice &file);

// Puts a file written through a QSaveFile in place of the old one, only once every byte written
// has reached the disk; otherwise the new file is dropped, the old one stays as it was, and the
// answer is false. (QSaveFile::commit alone does not look at the last flush it makes, nor at the
// sync: on a disk that fills up it would put a cut file in the old one's place and report
// success.)
bool commitWhole(QSaveFile &file);
