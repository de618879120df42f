// The messages every archive window and list dialog shows, written out as the user reads them
// (tests compare with these, never with the program's own constants).
#pragma once

#include <QString>

namespace texts {
const QString emptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString inserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString updated =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString duplicateRefused =
    QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                   "questa è stata inserita in archivio.");
const QString duplicated =
    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                   "Al termine premere Salva per inserire la scheda in archivio.");
const QString readyHint = QStringLiteral("Pronto per archiviare una nuova scheda...");
const QString archiveAccess =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                   "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                   "installazione del programma.");
const QString exportQuestion =
    QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del "
                   "numero di schede presenti in archivio.\r\n\r\n"
                   "Si vuole esportare i dati adesso?");
const QString exportDone =
    QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                   "Si vuole aprire il file di Excel?");
const QString exportFailure =
    QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                   "Accertarsi che il file di Excel non sia già aperto.");
} // namespace texts
