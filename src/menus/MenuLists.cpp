#include "menus/MenuLists.h"

#include "menus/MenuRecord.h"

namespace menus {

const char *slotField(const char *base, int slot)
{
    const RecordLayout &l = menuLayout();
    return l.name(
        l.field((QByteArray(base) + QByteArray::number(slot).rightJustified(2, '0')).constData()));
}

const listline::Builder &listLine()
{
    static const listline::Builder line =
        listline::columns(menuLayout(), {{{}, "Titolo", 40},
                                         {QStringLiteral("  Stagione: "), "Stagione", 30},
                                         {QStringLiteral(" Avvertenze: "), "Avvertenze", -1}});
    return line;
}

const QList<spreadsheet::Column> &exportColumns()
{
    static const QList<spreadsheet::Column> columns = [] {
        const RecordLayout &l = menuLayout();
        QList<spreadsheet::Column> out = {
            spreadsheet::field(l, "Titolo", QStringLiteral("Titolo menu"), 250),
            spreadsheet::field(l, "Stagione", QStringLiteral("Stagione"), 250),
            spreadsheet::field(l, "Avvertenze", QStringLiteral("Avvertenze"), 300),
        };
        for (int k = 1; k <= dishCount; ++k) {
            out.append(spreadsheet::field(l, slotField("Nome", k),
                                          QStringLiteral("Nome pietanza %1").arg(k), 250));
            out.append(
                spreadsheet::field(l, slotField("Prezzo", k), QStringLiteral("Prezzo"), 200));
        }
        out.append(
            spreadsheet::field(l, "Allergeni", QStringLiteral("Indicazioni su allergeni"), 300));
        out.append(spreadsheet::field(l, "Note", QString::fromUtf8("Note a piè pagina"), 300));
        return out;
    }();
    return columns;
}

} // namespace menus
