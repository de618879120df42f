#pragma once

#include <QString>

#include <stdexcept>

// Every failure of an archive operation: the file cannot be opened or created, a read or a write
// fails, a position is out of range or not a number. Windows turn it into archiveAccessMessage.
class ArchiveError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

namespace brisvola {
// The one message for any archive failure (its line breaks are LF CR LF CR).
inline const QString archiveAccessMessage = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere "
    "i privilegi di scrittura nella cartella di installazione del programma.");
} // namespace brisvola
