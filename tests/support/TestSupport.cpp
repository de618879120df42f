#include "TestSupport.h"

#include "shell/ProgramFolder.h"

using namespace brisvola;

MessageRecorder::MessageRecorder()
{
    m_previous = &messageService();
    setMessageService(this);
}

MessageRecorder::~MessageRecorder()
{
    setMessageService(nullptr);
}

MessageAnswer MessageRecorder::show(QWidget *, MessageKind kind, const QString &text,
                                    MessageButtons buttons)
{
    shown.append({kind, text, buttons});
    if (!m_answers.empty()) {
        const MessageAnswer a = m_answers.front();
        m_answers.pop_front();
        return a;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

QStringList MessageRecorder::texts() const
{
    QStringList out;
    for (const auto &s : shown)
        out << s.text;
    return out;
}

TempProgramFolder::TempProgramFolder()
{
    setProgramFolder(m_dir.path());
}

TempProgramFolder::~TempProgramFolder()
{
    setProgramFolder(QString());
}
