#include "shell/Help.h"

#include "shell/HelpTopics.h"
#include "shell/Messages.h"

// Interim opener until the help window exists: shows the topic's text as a plain message.
void brisvola::showHelp(QWidget *parent, const QString &topicTitle)
{
    const HelpTopic topic = helpTopic(topicTitle);
    plainMessage(parent, topic.title + QStringLiteral("\n\n") + displayText(topic.text()));
}
