#include "quotes/ImportaMagazzino.h"

#include "recipes/RecipeLists.h"
#include "recipes/RecipeRecord.h"

namespace {

FindConfig dishImport()
{
    FindConfig c;
    c.className = QStringLiteral("TfrmImportaMagazzino");
    c.caption = QStringLiteral(" Importa pietanze da archivio ricette");
    c.heading = QStringLiteral("Importa pietanze da archivio ricette");
    c.printTitle = QStringLiteral("Riepilogo ricette in archivio");
    c.layout = &recipes::recipeLayout();
    c.archivePath = [] { return recipes::archivePath(); };
    // The recipe find's criteria and lines.
    c.criteria = recipes::findCriteria();
    c.line = recipes::listLine();
    c.sorted = true;
    return c;
}

} // namespace

TfrmImportaMagazzino::TfrmImportaMagazzino(QWidget *parent) : FindDialog(dishImport(), parent) {}

QString TfrmImportaMagazzino::keyword(int line)
{
    return QStringLiteral("pre_art_%1").arg(line, 2, 10, QLatin1Char('0'));
}

std::optional<QuoteDish> TfrmImportaMagazzino::dish() const
{
    if (!chosen())
        return std::nullopt;
    const Record &recipe = chosen()->record;
    return QuoteDish{recipe.text("Portata"), recipe.text("Nome"), recipe.text("Prezzo")};
}
