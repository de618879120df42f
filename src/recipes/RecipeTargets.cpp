#include "recipes/RecipeTargets.h"

#include "archive/ArchiveWindow.h"
#include "recipes/RecipeRecord.h"
#include "recipes/Ricette.h"
#include "shell/WindowSet.h"

#include <QPointer>

namespace recipes {

namespace {
// The recipe window a dialog works for: its opener (or one of the opener's ancestors) when that
// is the recipe window, otherwise the program's recipe window.
TfrmRicette *recipeWindow(QWidget *opener)
{
    for (QWidget *w = opener; w; w = w->parentWidget())
        if (auto *recipes = qobject_cast<TfrmRicette *>(w))
            return recipes;
    return brisvola::window<TfrmRicette>(QStringLiteral("TfrmRicette"));
}
} // namespace

recipecard::Values screenValues(TfrmRicette *window)
{
    // Read now: the values are the card as it stands when the dialog opens.
    QHash<QString, QString> values;
    const RecordLayout &layout = recipeLayout();
    for (int i = 0; window && i < layout.fieldCount(); ++i) {
        const QString name = QLatin1String(layout.name(i));
        if (QWidget *control = window->findChild<QWidget *>(QStringLiteral("txt") + name))
            values.insert(name, ArchiveWindow::fieldText(control).trimmed());
    }
    return [values](const char *field) { return values.value(QLatin1String(field)); };
}

QHash<QString, RecordTarget> recordTargets(QWidget *opener)
{
    const QPointer<QWidget> from(opener);
    return {{QStringLiteral("ricette"), [from](const Record &record, qint64 position) {
                 if (TfrmRicette *w = recipeWindow(from))
                     w->archive()->showRecord(record, position);
             }}};
}

} // namespace recipes
