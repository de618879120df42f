#include "menus/MenuRecord.h"

#include "shell/ProgramFolder.h"

namespace menus {

const QString titleRequiredMessage =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il titolo del menu.");

const RecordLayout &menuLayout()
{
    static const RecordLayout layout(FieldEncoding::LengthPrefixed,
                                     {
                                         {"Titolo", 120},
                                         {"Stagione", 50},
                                         {"Coperto", 15},
                                         {"Avvertenze", 250},
                                         // The dish slots, column by column
                                         fieldGroup("Nome", dishCount, 120),
                                         fieldGroup("Descrizione", dishCount, 250),
                                         fieldGroup("Prezzo", dishCount, 15),
                                         {"Allergeni", 250},
                                         {"Note", 250},
                                         {"Segnalato", 2},
                                     });
    return layout;
}

QString archivePath()
{
    return brisvola::programFile(QStringLiteral("Menu.pro"));
}

ArchiveSession::Config sessionConfig()
{
    ArchiveSession::Config config;
    config.archivePath = [] { return archivePath(); };
    config.flagFields = {QStringLiteral("Segnalato")};
    config.firstControl = QStringLiteral("txtTitolo");
    config.checks = {ArchiveSession::required(QStringLiteral("Titolo"), QStringLiteral("txtTitolo"),
                                              titleRequiredMessage)};
    config.duplicateClearsFlags = true;
    // The copy is begun before the archive is found unreachable: it stays begun.
    config.duplicateOpensArchive = ArchiveSession::Config::ArchiveCheck::AfterCopy;
    config.failures[ArchiveSession::Command::Duplicate] = {brisvola::MessageKind::Warning};
    return config;
}

} // namespace menus
