#include "menus/MenuDocument.h"

namespace menus {

const QString pageTemplate = QStringLiteral(":/templates/scheda_menu.json");

brisvola::documents::Document menuDocument(MenuValues menu)
{
    return {pageTemplate, [menu = std::move(menu)](brisvola::documents::Report &report) {
                report.setOrientation(QPageLayout::Portrait);
                bool ok = true;
                for (const auto &[object, text] : pageTexts(menu))
                    ok &= report.setText(object, text);
                return ok;
            }};
}

} // namespace menus
