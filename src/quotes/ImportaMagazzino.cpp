#include "quotes/ImportaMagazzino.h"

#include "quotes/Preventivi.h"
#include "quotes/QuoteRecord.h"
#include "recipes/RecipeLists.h"
#include "recipes/RecipeRecord.h"

#include <QLineEdit>

namespace {

FindConfig dishImport(TfrmPreventivi *quoteWindow)
{
    const RecordLayout &layout = recipes::recipeLayout();
    FindConfig c;
    c.className = QStringLiteral("TfrmImportaMagazzino");
    c.caption = QStringLiteral(" Importa pietanze da archivio ricette");
    c.heading = QStringLiteral("Importa pietanze da archivio ricette");
    c.printTitle = QStringLiteral("Riepilogo ricette in archivio");
    c.layout = &layout;
    c.archivePath = [] { return recipes::archivePath(); };
    // The recipe find's criteria and lines.
    c.criteria = recipes::findCriteria();
    c.line = recipes::listLine();
    c.sorted = true;
    // Line NN receives the course, the name and the price, as they are in the recipe: the
    // quantity, discount, exempt flag and amount stay, and nothing is computed.
    for (int line = 1; line <= quotes::lineCount; ++line) {
        c.targets.insert(TfrmImportaMagazzino::keyword(line),
                         [quoteWindow, line](const Record &recipe, qint64) {
                             const auto edit = [quoteWindow, line](const char *column) {
                                 return quoteWindow->findChild<QLineEdit *>(
                                     QStringLiteral("txt") + quotes::lineField(column, line));
                             };
                             for (const auto &[column, field] :
                                  {std::pair{"Codice", "Portata"}, std::pair{"Desc", "Nome"},
                                   std::pair{"Prezzo", "Prezzo"}})
                                 if (QLineEdit *e = edit(column)) {
                                     e->setText(recipe.text(field));
                                     e->setCursorPosition(0);
                                 }
                         });
    }
    return c;
}

} // namespace

TfrmImportaMagazzino::TfrmImportaMagazzino(TfrmPreventivi *quoteWindow, QWidget *parent)
    : FindDialog(dishImport(quoteWindow), parent ? parent : quoteWindow)
{
}

QString TfrmImportaMagazzino::keyword(int line)
{
    return QStringLiteral("pre_art_%1").arg(line, 2, 10, QLatin1Char('0'));
}
