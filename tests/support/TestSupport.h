#pragma once

#include "FolderSupport.h"
#include "archive/RecordListPanel.h"
#include "shell/Messages.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <source_location>

class QTimer;
class QWidget;

// Records every message instead of showing it, answering from a script (OK by default; Yes for
// questions unless scripted otherwise). Installed for its lifetime.
class MessageRecorder : public brisvola::MessageService
{
public:
    struct Shown
    {
        brisvola::MessageKind kind;
        QString text;
        brisvola::MessageButtons buttons;
    };

    MessageRecorder();
    ~MessageRecorder() override;

    brisvola::MessageAnswer show(QWidget *parent, brisvola::MessageKind kind, const QString &text,
                                 brisvola::MessageButtons buttons) override;

    void answerNext(brisvola::MessageAnswer answer) { m_answers.push_back(answer); }
    QList<Shown> shown;
    QStringList texts() const;
    QString last() const { return shown.isEmpty() ? QString() : shown.last().text; }
    void clear() { shown.clear(); }

private:
    std::deque<brisvola::MessageAnswer> m_answers;
    brisvola::MessageService *m_previous = nullptr;
};

// Runs an action on the next modal dialog that opens (a message, a file chooser, a picker), once
// it is on screen and active. A dialog the action leaves open (a failed check) is closed, so that
// the test goes on. Keep the returned expectation while the dialog is opened: when it ends without
// a dialog having come, the test fails at the line that expected it.
class [[nodiscard]] ModalExpectation
{
public:
    ModalExpectation(std::function<void(QWidget *)> action, std::source_location where);
    ~ModalExpectation();
    ModalExpectation(const ModalExpectation &) = delete;
    ModalExpectation &operator=(const ModalExpectation &) = delete;

private:
    QTimer *m_timer;
    std::shared_ptr<bool> m_came = std::make_shared<bool>(false);
    std::source_location m_where;
};

ModalExpectation onNextModal(std::function<void(QWidget *)> action,
                             std::source_location where = std::source_location::current());
// Chooses path in the next file chooser (to open or to save), typing it as the user would.
ModalExpectation chooseFile(const QString &path,
                            std::source_location where = std::source_location::current());

// The result list of a find, flagged-list or import dialog ("lstRecords") and its lines.
RecordList *recordList(QWidget *dialog);
QStringList recordLines(QWidget *dialog);
// Double-clicks a line as a user does (a click first, then the double click), in a list or in a
// dialog's result list.
void doubleClickRow(QListView *list, int row);
void doubleClickRow(QWidget *dialog, int row);
// Clicks a window's named button, which must be there and enabled.
void clickButton(QWidget *window, const char *name);
