#include "menus/MenuPage.h"

#include "menus/MenuRecord.h"

namespace menus {

QList<std::pair<QString, QString>> pageTexts(const MenuValues &menu)
{
    const auto value = [&menu](const QString &field) { return menu.value(field).trimmed(); };
    QList<std::pair<QString, QString>> texts;
    texts.append({QStringLiteral("txtTitolo"), value(QStringLiteral("Titolo"))});
    const QString cover = value(QStringLiteral("Coperto"));
    texts.append({QStringLiteral("txtCoperto"),
                  cover.isEmpty() ? QString() : QStringLiteral("Coperto:  € ") + cover});
    texts.append({QStringLiteral("txtAllergeni"), value(QStringLiteral("Allergeni"))});
    texts.append({QStringLiteral("txtNote"), value(QStringLiteral("Note"))});
    for (int k = 1; k <= dishCount; ++k) {
        const QString nn = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
        texts.append({QStringLiteral("txtNome") + nn, value(QStringLiteral("Nome") + nn)});
        texts.append(
            {QStringLiteral("txtDescrizione") + nn, value(QStringLiteral("Descrizione") + nn)});
        const QString price = value(QStringLiteral("Prezzo") + nn);
        texts.append(
            {QStringLiteral("txtPrezzo") + nn,
             price.isEmpty() ? QString() : QStringLiteral("€ ") + price + QLatin1Char(' ')});
    }
    return texts;
}

} // namespace menus
