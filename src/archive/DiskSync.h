#pragma once

class QFile;

// Makes what was written to an open file reach the disk (fsync; FlushFileBuffers on Windows)
// before the program reports it as saved. False when the system could not do it.
bool syncToDisk(QFile &file);
