#include "recipes/ExpRicette.h"

#include "recipes/RecipeLists.h"
#include "recipes/RecipeRecord.h"

namespace {
ExportConfig recipeExport()
{
    ExportConfig c;
    c.className = QStringLiteral("TfrmExpRicette");
    c.caption = QStringLiteral(" Esporta archivio ricette in Excel");
    c.heading = QStringLiteral("Esporta archivio ricette in Excel");
    c.layout = &recipes::recipeLayout();
    c.archivePath = [] { return recipes::archivePath(); };
    c.columns = recipes::exportColumns();
    c.sheetName = QStringLiteral("Archivio Ricette");
    c.fileName = QStringLiteral("Ricettario.xls");
    c.helpTitle = QStringLiteral("Esportazione archivio ricette in Excel");
    return c;
}
} // namespace

TfrmExpRicette::TfrmExpRicette(QWidget *parent) : ExportDialog(recipeExport(), parent) {}
