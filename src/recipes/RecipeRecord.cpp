#include "recipes/RecipeRecord.h"

#include "archive/NumberText.h"
#include "shell/ProgramFolder.h"

namespace recipes {

const RecordLayout &recipeLayout()
{
    static const RecordLayout layout(FieldEncoding::ZeroTerminated,
                                     {
                                         {"Nome", 120},
                                         {"Portata", 50},
                                         {"Nazionalita", 50},
                                         {"Difficolta", 50},
                                         {"Vino", 50},
                                         {"Tempo", 30},
                                         {"Calorie", 30},
                                         {"Ingredienti", 5000},
                                         {"Preparazione", 5000},
                                         {"Descrizione", 250},
                                         {"Prezzo", 15},
                                         {"Fonte", 50},
                                         {"Servizio", 250},
                                         {"Note", 250},
                                         {"Segnalata", 2},
                                         // The three attached files and their descriptions
                                         fieldGroup("File", 3, 250),
                                         fieldGroup("Desc", 3, 250),
                                     });
    return layout;
}

QStringList attachmentFields()
{
    return {QStringLiteral("File01"), QStringLiteral("File02"), QStringLiteral("File03"),
            QStringLiteral("Desc01"), QStringLiteral("Desc02"), QStringLiteral("Desc03")};
}

QString archivePath()
{
    return brisvola::programFile(QStringLiteral("Ricettario.pro"));
}

QString photoPath(qint64 position)
{
    return brisvola::programFile(QString::number(position) + QStringLiteral(".jpg"));
}

QString normalisePrice(const QString &typed)
{
    const QString zero = QStringLiteral("0,00");
    if (typed.trimmed().isEmpty())
        return zero;
    const std::optional<double> value = numtext::strToFloat(typed);
    if (!value)
        return zero;
    return numtext::amountText(numtext::R(*value, 2));
}

const QStringList &courseNames()
{
    static const QStringList names = {
        QStringLiteral("Aperitivo"),    QStringLiteral("Antipasto"),
        QStringLiteral("Primo piatto"), QStringLiteral("Secondo piatto"),
        QStringLiteral("Piatto unico"), QStringLiteral("Pizza"),
        QStringLiteral("Contorno"),     QStringLiteral("Formaggi"),
        QStringLiteral("Dessert"),      QStringLiteral("Frutta"),
        QStringLiteral("Bevanda"),      QStringLiteral("Vino"),
        QStringLiteral("Digestivo"),    QStringLiteral("Caffè"),
        QStringLiteral("Liquore")};
    return names;
}

} // namespace recipes
