#pragma once

#include "shell/HelpTopics.h"

#include <QList>
#include <QString>

// The manual "Guida.pdf", made from the help topics: a title page with the contents, then one
// section per topic, its paragraphs flowing from page to page.
namespace brisvola::documents {

class Report;

inline const QString guideFileName = QStringLiteral("Guida.pdf");

// Lays the manual out into report (cleared first).
void buildGuide(Report &report, const QList<HelpTopic> &topics);

// Writes the manual to path; false and *error on failure (the old file is then left whole).
bool writeGuide(const QString &path, const QList<HelpTopic> &topics, QString *error = nullptr);

} // namespace brisvola::documents
