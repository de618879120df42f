#include "recipes/RecipeCard.h"

#include "archive/Cp1252.h"
#include "archive/DiskSync.h"
#include "shell/Clock.h"

#include <QLocale>
#include <QSaveFile>

namespace recipecard {

const QList<Row> &printedRows()
{
    static const QList<Row> rows = {
        {QStringLiteral("Nome pietanza:"), "Nome"},
        {QStringLiteral("Portata:"), "Portata"},
        {QStringLiteral("Nazionalità:"), "Nazionalita"},
        {QStringLiteral("Difficoltà:"), "Difficolta"},
        {QStringLiteral("Vino o bevanda abbinata:"), "Vino"},
        {QStringLiteral("Tempo occorrente:"), "Tempo"},
        {QStringLiteral("Calorie:"), "Calorie"},
        {QStringLiteral("Descrizione in menu:"), "Descrizione"},
        {QStringLiteral("Prezzo:"), "Prezzo"},
        {QStringLiteral("Fonte ricetta:"), "Fonte"},
        {QStringLiteral("Servizio in tavola:"), "Servizio"},
        {QStringLiteral("Note:"), "Note"},
    };
    return rows;
}

QString footText()
{
    const QDateTime now = brisvola::now();
    return QStringLiteral("Stampa eseguita in data ") + brisvola::dateText(now.date()) +
           QStringLiteral(" alle ore ") + now.time().toString(QStringLiteral("HH:mm:ss"));
}

QString rtfFileName()
{
    return QStringLiteral("Scheda_Ricetta.rtf");
}

namespace {

// One value as document text, in code page 1252.
QByteArray rtfText(const QString &value)
{
    QByteArray out;
    out.reserve(value.size());
    const qsizetype n = value.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = value[i];
        switch (c.unicode()) {
        case '\\':
            out += "\\\\";
            continue;
        case '{':
            out += "\\{";
            continue;
        case '}':
            out += "\\}";
            continue;
        case '\r':
            if (i + 1 < n && value[i + 1] == QLatin1Char('\n'))
                ++i;
            out += "\\line ";
            continue;
        case '\n':
            out += "\\line ";
            continue;
        default:
            break;
        }
        char32_t cp = c.unicode();
        if (c.isHighSurrogate() && i + 1 < n && value[i + 1].isLowSurrogate())
            cp = QChar::surrogateToUcs4(c, value[++i]);
        const char byte = cp1252::encodeChar(cp);
        if (byte != '?' || cp == '?') {
            out += byte;
        } else if (cp <= 0xFFFF) {
            // \uN takes a signed 16-bit number, followed by the one-byte fallback (\uc1).
            out += "\\u" + QByteArray::number(qint16(cp)) + '?';
        } else {
            const QChar pair[2] = {QChar::highSurrogate(cp), QChar::lowSurrogate(cp)};
            for (QChar half : pair)
                out += "\\u" + QByteArray::number(qint16(half.unicode())) + '?';
        }
    }
    return out;
}

} // namespace

QByteArray rtf(const Values &values)
{
    const QByteArray f = "\\b0\\f1  \\f0 ";
    QByteArray out;
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\fnil\\fcharset0 "
           "Verdana;}{\\f1\\fnil Verdana;}}";
    out += "{\\colortbl ;\\red0\\green0\\blue0;}";
    out += "\\viewkind4\\uc1\\pard\\qc\\cf1\\b\\f0\\fs24 SCHEDA RICETTA DI CUCINA\\f1\\fs16";
    out += "\\par \\fs24 " + QByteArray(48, '_') + "\\par";
    out += "\\par \\pard\\f0\\fs20 Nome pietanza:" + f + rtfText(values("Nome")) + "\\par";
    static const QList<Row> fields = {
        {QStringLiteral("Portata:"), "Portata"},
        {QStringLiteral("Nazionalità:"), "Nazionalita"},
        {QStringLiteral("Difficoltà:"), "Difficolta"},
        {QStringLiteral("Vino o bevanda abbinata:"), "Vino"},
        {QStringLiteral("Tempo occorrente:"), "Tempo"},
        {QStringLiteral("Calorie:"), "Calorie"},
        {QStringLiteral("Ingredienti:"), "Ingredienti"},
        {QStringLiteral("Preparazione:"), "Preparazione"},
        {QStringLiteral("Descrizione per menu:"), "Descrizione"},
        {QStringLiteral("Prezzo:"), "Prezzo"},
        {QStringLiteral("Fonte ricetta:"), "Fonte"},
        {QStringLiteral("Servizio in tavola:"), "Servizio"},
    };
    for (const Row &row : fields)
        out += "\\par \\b " + cp1252::encode(row.label) + f + rtfText(values(row.field)) + "\\par";
    out += "\\par \\b Note:" + f + rtfText(values("Note")) + "\\b" + "\\par";
    out += "\\par }";
    return out;
}

bool writeRtf(const QString &path, const Values &values)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = rtf(values);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return commitWhole(file);
}

} // namespace recipecard
