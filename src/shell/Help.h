#pragma once

#include <QString>

class QWidget;

namespace brisvola {

// Opens the help window modally over parent with the topic of this title (HelpTopics.h), as the
// help buttons of the launcher, the app windows and the export dialogs do.
void showHelp(QWidget *parent, const QString &topicTitle);

} // namespace brisvola
