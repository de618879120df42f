#include "quotes/QuoteSettings.h"

#include "archive/IniFile.h"
#include "archive/NumberText.h"
#include "quotes/QuoteRecord.h"
#include "shell/ProgramFolder.h"

namespace quotes {

QString settingsPath()
{
    return brisvola::programFile(settingsFileName);
}

const QList<IssuerKey> &issuerKeys()
{
    static const QList<IssuerKey> keys = {
        {QStringLiteral("Nome"), QStringLiteral("txtDitta")},
        {QStringLiteral("Indirizzo"), QStringLiteral("txtViaDitta")},
        {QStringLiteral("CAP"), QStringLiteral("txtCapDitta")},
        {QStringLiteral("Comune"), QStringLiteral("txtCittaDitta")},
        {QStringLiteral("Provincia"), QStringLiteral("txtProvDitta")},
        {QStringLiteral("Partita IVA"), QStringLiteral("txtIvaDitta")},
        {QStringLiteral("Codice Fiscale"), QStringLiteral("txtCodFiscDitta")},
        {QStringLiteral("Campo Libero 1"), QStringLiteral("txtLibero01")},
        {QStringLiteral("Campo Libero 2"), QStringLiteral("txtLibero02")},
        {QStringLiteral("Pagamento"), QStringLiteral("txtPagamento")},
        {QStringLiteral("Banca Appoggio"), QStringLiteral("txtBanca")},
        {QStringLiteral("Iban"), QStringLiteral("txtIban")},
        {QStringLiteral("Aliquota Iva"), QStringLiteral("txtPercIva")},
    };
    return keys;
}

QStringList readIssuerData(const QString &path)
{
    IniFile ini(path);
    QStringList values;
    for (const IssuerKey &k : issuerKeys())
        values << ini.value(issuerSection, k.key);
    return values;
}

bool writeIssuerData(const QString &path, const QStringList &values)
{
    IniFile ini(path);
    if (ini.status() == IniFile::Status::Unreadable)
        return false; // saving would replace the numbering settings it could not read
    const QList<IssuerKey> &keys = issuerKeys();
    for (qsizetype i = 0; i < keys.size(); ++i)
        ini.setValue(issuerSection, keys[i].key, values.value(i).trimmed());
    return ini.save();
}

NumberingSettings readNumbering(const QString &path)
{
    IniFile ini(path);
    NumberingSettings s{ini.value(numberingSection, startKey).trimmed(),
                        ini.value(numberingSection, yearSuffixKey)};
    if (s.start.isEmpty())
        s.start = QStringLiteral("1");
    return s;
}

bool writeStart(const QString &path, const QString &start)
{
    IniFile ini(path);
    if (ini.status() == IniFile::Status::Unreadable)
        return false;
    ini.setValue(numberingSection, startKey, start.trimmed());
    return ini.save();
}

std::optional<QString> proposedNumber(const NumberingSettings &settings, qint64 count,
                                      const QDate &today)
{
    QString start = settings.start.trimmed();
    if (start.isEmpty())
        start = QStringLiteral("1");
    bool ok = false;
    const qint64 first = start.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    QString number = QString::number(first + count);
    if (settings.yearSuffix.trimmed() == yes)
        number += QLatin1Char('/') + QString::number(today.year()).rightJustified(4, u'0');
    return number;
}

QString normalisedStart(const QString &text)
{
    const QString one = QStringLiteral("1");
    if (text.trimmed().isEmpty())
        return one;
    const auto v = numtext::strToFloat(text);
    if (!v)
        return one;
    const QString out = numtext::floatToStr(numtext::R(*v, 0));
    if (out == QLatin1String(",") || out.startsWith(u',') || out.endsWith(u','))
        return one;
    return out;
}

} // namespace quotes
