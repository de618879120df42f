#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// The recipe card on paper and as a rich-text document. Both take the values of the recipe
// window's controls as they stand, trimmed, by field name ("Nome", "Portata", ...).
namespace recipecard {

using Values = std::function<QString(const char *field)>;

// One row of the printed card: its label and the field it shows.
struct Row
{
    QString label;
    const char *field;
};

// The twelve rows of the printed card, in order (ingredients, preparation and attachments are not
// on it).
const QList<Row> &printedRows();

// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss" for the card's foot.
QString footText();

// The rich-text card: every field in a fixed order, each between two paragraph marks.
// "\", "{" and "}" in a value are escaped, each line break inside a value becomes a line break
// of the document, and a character the code page cannot hold is written as its Unicode escape.
QByteArray rtf(const Values &values);

// The document file in the program folder.
QString rtfFileName();

// Writes the document; the previous file is replaced only when the new one is complete.
bool writeRtf(const QString &path, const Values &values);

} // namespace recipecard
