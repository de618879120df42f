#include "recipes/RecipeLists.h"

#include "recipes/RecipeRecord.h"

namespace recipes {

const listline::Builder &listLine()
{
    static const listline::Builder line =
        listline::columns(recipeLayout(), {{{}, "Nome", 40},
                                           {QStringLiteral("  Portata: "), "Portata", 24},
                                           {QStringLiteral("  Nazione: "), "Nazionalita", 24},
                                           {QStringLiteral("  kcal: "), "Calorie", 10},
                                           {QStringLiteral(" Prezzo: € "), "Prezzo", -1}});
    return line;
}

QList<FindCriterion> findCriteria()
{
    const std::pair<const char *, const char *> table[] = {
        {"Nome", "Nome pietanza:"},
        {"Portata", "Portata:"},
        {"Nazionalita", "Nazionalità:"},
        {"Difficolta", "Difficoltà:"},
        {"Vino", "Vino o bevanda abbinata:"},
        {"Ingredienti", "Ingredienti:"},
        {"Descrizione", "Descrizione per menu:"},
        {"Fonte", "Fonte ricetta:"},
        {"Servizio", "Servizio in tavola:"},
        {"Note", "Note:"},
    };
    QList<FindCriterion> criteria;
    int n = 0;
    for (const auto &[field, label] : table)
        criteria.append({QStringLiteral("txt") + QLatin1String(field), QString::fromUtf8(label),
                         field, QStringLiteral("effCampo%1").arg(++n, 2, 10, QLatin1Char('0'))});
    return criteria;
}

const QList<spreadsheet::Column> &exportColumns()
{
    static const QList<spreadsheet::Column> columns = [] {
        const RecordLayout &l = recipeLayout();
        const std::tuple<const char *, const char *, int> table[] = {
            {"Nome", "Nome pietanza", 300},
            {"Portata", "Portata", 250},
            {"Nazionalita", "Nazionalità", 250},
            {"Difficolta", "Difficoltà", 250},
            {"Vino", "Vino o bevanda abbinata", 250},
            {"Tempo", "Tempo occorrente", 200},
            {"Calorie", "Calorie", 200},
            {"Descrizione", "Descrizione per menu", 350},
            {"Prezzo", "Prezzo porzione", 200},
            {"Fonte", "Fonte ricetta", 250},
            {"Servizio", "Servizio in tavola", 350},
            {"Note", "Note", 350},
            {"Segnalata", "Segnalata", 150},
        };
        QList<spreadsheet::Column> out;
        for (const auto &[field, header, width] : table)
            out.append(spreadsheet::field(l, field, QString::fromUtf8(header), width));
        return out;
    }();
    return columns;
}

} // namespace recipes
