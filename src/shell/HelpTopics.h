#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Every help topic of the program in one place. A topic is a title and paragraphs; its text, as
// the help window shows it, is the paragraphs joined by an empty line (CR LF CR LF).
namespace brisvola {

struct HelpTopic
{
    QString title;
    QStringList paragraphs;
    QString text() const { return paragraphs.join(QStringLiteral("\r\n\r\n")); }
};

// Titles of the topics.
inline const QString generalTopicTitle = QStringLiteral("Uno sguardo a Brisvola");

// The topic with this title (an empty topic for an unknown title).
HelpTopic helpTopic(const QString &title);

// Every topic in the order of the help table: the general topic first, then the six app topics,
// then the five export topics, then the copies of the data. The manual "Guida.pdf" is made
// from this list.
QList<HelpTopic> helpTopics();

} // namespace brisvola
