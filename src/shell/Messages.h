#pragma once

#include <QString>

class QWidget;

namespace brisvola {

// The kinds of message the program shows, each a modal dialog.
enum class MessageKind
{
    Warning,     // "Attenzione: ..." notices
    Error,       // archive and export failures
    Information, // confirmations of what was done
    Question,    // the few Yes/No questions whose answer matters
    Plain        // a plain message box with OK
};

enum class MessageButtons
{
    Ok,
    OkCancel, // notices of the archive windows: both buttons only close the dialog
    YesNo
};

enum class MessageAnswer
{
    Ok,
    Cancel,
    Yes,
    No
};

// Shows one message and returns the button chosen. The program's own service shows a modal
// QMessageBox; tests install a recorder with scripted answers.
class MessageService
{
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(QWidget *parent, MessageKind kind, const QString &text,
                               MessageButtons buttons) = 0;
};

MessageService &messageService();
// Installs a service (not owned); nullptr restores the QMessageBox one.
void setMessageService(MessageService *service);

// The buttons each kind carries unless a window says otherwise: OK and Cancel for the archive
// windows' notices, Yes and No for questions, OK for plain messages.
MessageButtons defaultButtons(MessageKind kind);

// Shorthands used by the windows.
MessageAnswer showMessage(QWidget *parent, MessageKind kind, const QString &text);
MessageAnswer showMessage(QWidget *parent, MessageKind kind, const QString &text,
                          MessageButtons buttons);
inline MessageAnswer plainMessage(QWidget *parent, const QString &text)
{
    return showMessage(parent, MessageKind::Plain, text, MessageButtons::Ok);
}
// A question acts unless the answer is No.
inline bool askYesNo(QWidget *parent, const QString &text)
{
    return showMessage(parent, MessageKind::Question, text, MessageButtons::YesNo) !=
           MessageAnswer::No;
}

// The texts as a message box shows them: the program's texts break lines with CR LF or LF CR
// pairs, which become single line breaks on screen.
QString displayText(const QString &text);

} // namespace brisvola
