#pragma once

#include "shell/Messages.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <deque>

class QListWidget;
class QWidget;
#include <functional>

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

// A fresh, empty program folder for one test, removed afterwards; the program folder points at
// it for its lifetime.
class TempProgramFolder
{
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// Makes a file or a folder unwritable for the scope of the guard, even for root (with the
// immutable attribute where permissions do not bite). writable() tells whether it worked: a test
// skips where the file system allows neither.
class ReadOnlyPath
{
public:
    explicit ReadOnlyPath(QString path);
    ~ReadOnlyPath();
    ReadOnlyPath(const ReadOnlyPath &) = delete;
    ReadOnlyPath &operator=(const ReadOnlyPath &) = delete;
    bool writable() const;

private:
    QString m_path;
    bool m_folder = false;
    bool m_immutable = false;
};

// Runs an action on the next modal dialog that opens (a message, a file chooser, a picker), once
// it is on screen and active. A dialog the action leaves open (a failed check) is closed, so that
// the test goes on.
void onNextModal(std::function<void(QWidget *)> action);

// The result list of a find, flagged-list or import dialog ("lstRecords") and its lines.
QListWidget *recordList(QWidget *dialog);
QStringList recordLines(QWidget *dialog);
// Double-clicks a line as a user does (a click first, then the double click), in a list or in a
// dialog's result list.
void doubleClickRow(QListWidget *list, int row);
void doubleClickRow(QWidget *dialog, int row);
// Clicks a window's named button, which must be there and enabled.
void clickButton(QWidget *window, const char *name);
