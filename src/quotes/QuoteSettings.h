#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// "Numerazione.ini": the issuer data that survive from one use of the quotes app to the next,
// and the numbering of new quotes.
namespace quotes {

inline const QString settingsFileName = QStringLiteral("Numerazione.ini");
inline const QString issuerSection = QStringLiteral("Ditta Emittente");
inline const QString numberingSection = QStringLiteral("Numerazione Preventivi");
inline const QString startKey = QStringLiteral("Inizio");
inline const QString yearSuffixKey = QStringLiteral("Indicazione Anno Solare");

// program folder + "Numerazione.ini"
QString settingsPath();

// The issuer keys in the order they are read and written, each with the control it feeds.
struct IssuerKey
{
    QString key;
    QString control;
};
const QList<IssuerKey> &issuerKeys();

// One text per issuer key, in the order of issuerKeys(); missing keys read empty.
QStringList readIssuerData(const QString &path);
// Writes the issuer keys (each trimmed) and keeps the rest of the file; false when the file
// cannot be written (the previous file is then left whole).
bool writeIssuerData(const QString &path, const QStringList &values);

struct NumberingSettings
{
    QString start;      // "Inizio" ("1" when empty)
    QString yearSuffix; // "Indicazione Anno Solare"
};
NumberingSettings readNumbering(const QString &path);
// Writes "Inizio"; false when the file cannot be written.
bool writeStart(const QString &path, const QString &start);

// The number proposed for a new quote: start + count, followed by "/" and today's year when
// yearSuffix is "Sì". Empty when start is not a whole number.
std::optional<QString> proposedNumber(const NumberingSettings &settings, qint64 count,
                                      const QDate &today);

// The start number as left in the numbering window: empty gives "1"; otherwise the value with the
// decimal comma brought to the nearest whole number (halves up); anything that is not a number
// gives "1".
QString normalisedStart(const QString &text);

} // namespace quotes

namespace quotes {
// Shown when "Numerazione.ini" cannot be written.
inline const QString settingsWriteMessage = QStringLiteral(
    "Attenzione: non è stato possibile salvare le impostazioni nel file Numerazione.ini.\r\n\r\n"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
    "programma.");
} // namespace quotes
