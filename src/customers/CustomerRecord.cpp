#include "customers/CustomerRecord.h"

#include "quotes/QuoteRecord.h"
#include "shell/ProgramFolder.h"

namespace customers {

const RecordLayout &customerLayout()
{
    static const RecordLayout layout(FieldEncoding::LengthPrefixed,
                                     {
                                         // Name, company, residence, payment
                                         {"Ditta", 50},
                                         {"Titolare", 120},
                                         {"Recapito", 50},
                                         {"IndirizzoRes", 50},
                                         {"ProvRes", 2},
                                         {"ComuneRes", 50},
                                         {"CapRes", 5},
                                         {"Pagamento", 250},
                                         // Phones, PEC and e-mail
                                         {"TelCasa", 30},
                                         {"TelUff", 30},
                                         {"TelCel", 30},
                                         {"Fax", 30},
                                         {"Email", 50},
                                         // Tax and bank data
                                         {"CodFisc", 16},
                                         {"Carta", 30},
                                         {"ScadeCarta", 30},
                                         {"PartitaIva", 11},
                                         {"Iban", 27},
                                         // Requests, intolerances, preferences, issues, notes
                                         {"Articoli", 250},
                                         {"Offerte", 250},
                                         {"Ordine", 250},
                                         {"Questioni", 250},
                                         {"Note", 250},
                                         {"Ricontatta", 2},
                                         // The three attached files and their descriptions
                                         fieldGroup("File", 3, 250),
                                         fieldGroup("Desc", 3, 250),
                                     });
    return layout;
}

QString archivePath()
{
    return brisvola::programFile(QStringLiteral("Clienti.pro"));
}

QStringList attachmentFields()
{
    return {QStringLiteral("File01"), QStringLiteral("File02"), QStringLiteral("File03"),
            QStringLiteral("Desc01"), QStringLiteral("Desc02"), QStringLiteral("Desc03")};
}

const QStringList &provinceCodes()
{
    return quotes::provinceCodes();
}

InputRule inputRule(const QString &field)
{
    if (field == QLatin1String("CodFisc") || field == QLatin1String("Iban") ||
        field == QLatin1String("ProvRes"))
        return InputRule::Capitals;
    if (field == QLatin1String("Fax") || field == QLatin1String("Email"))
        return InputRule::NoOuterBlanks;
    if (field == QLatin1String("Carta") || field == QLatin1String("PartitaIva"))
        return InputRule::DigitsOnly;
    return InputRule::Free;
}

QString applyRule(InputRule rule, const QString &text)
{
    switch (rule) {
    case InputRule::Capitals:
        return text.trimmed().toUpper();
    case InputRule::NoOuterBlanks:
        return text.trimmed();
    case InputRule::Free:
    case InputRule::DigitsOnly:
        break;
    }
    return text;
}

ArchiveSession::Config sessionConfig()
{
    ArchiveSession::Config config;
    config.archivePath = [] { return archivePath(); };
    config.attachmentFields = attachmentFields();
    config.flagFields = {QStringLiteral("Ricontatta")};
    // Duplicate proves the archive reachable before the copy is begun: a failure is the archive
    // error, with the card, its attachments and its position as they were.
    config.duplicateOpensArchive = ArchiveSession::Config::ArchiveCheck::BeforeCopy;
    config.firstControl = QStringLiteral("txtDitta");
    config.checks = {ArchiveSession::required(QStringLiteral("Ditta"), QStringLiteral("txtDitta"),
                                              nameRequiredMessage)};
    return config;
}

} // namespace customers
