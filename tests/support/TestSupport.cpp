#include "TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QTimer>

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

ModalExpectation::ModalExpectation(std::function<void(QWidget *)> action,
                                   std::source_location where)
    : m_timer(new QTimer), m_where(where)
{
    m_timer->setInterval(20);
    const QPointer<QWidget> current = QApplication::activeModalWidget();
    QObject::connect(m_timer, &QTimer::timeout, [timer = m_timer, came = m_came, action, current] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == current.data())
            return;
        timer->stop();
        *came = true;
        const QPointer<QWidget> guard(modal);
        QApplication::setActiveWindow(modal);
        action(modal);
        if (!guard || !guard->isVisible())
            return;
        if (auto *dialog = qobject_cast<QDialog *>(guard.data()))
            dialog->reject();
        else
            guard->close();
    });
    m_timer->start();
}

ModalExpectation::~ModalExpectation()
{
    delete m_timer; // it never acts on a later dialog
    if (*m_came)
        return;
    const QByteArray message = "no modal dialog opened for the action expecting it";
    if (!QTest::currentTestFunction())
        qFatal("%s:%u: %s", m_where.file_name(), m_where.line(), message.constData());
    // A test that already failed stops at its first fault.
    if (!QTest::currentTestFailed())
        QTest::qFail(message.constData(), m_where.file_name(), int(m_where.line()));
}

ModalExpectation onNextModal(std::function<void(QWidget *)> action, std::source_location where)
{
    return ModalExpectation(std::move(action), where);
}

QListWidget *recordList(QWidget *dialog)
{
    return dialog->findChild<QListWidget *>(QStringLiteral("lstRecords"));
}

QStringList recordLines(QWidget *dialog)
{
    QStringList out;
    QListWidget *list = recordList(dialog);
    for (int i = 0; list && i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void doubleClickRow(QListWidget *list, int row)
{
    list->scrollToItem(list->item(row));
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

void doubleClickRow(QWidget *dialog, int row)
{
    doubleClickRow(recordList(dialog), row);
}

void clickButton(QWidget *window, const char *name)
{
    auto *b = window->findChild<QAbstractButton *>(QLatin1String(name));
    QVERIFY2(b && b->isEnabled(), name);
    QTest::mouseClick(b, Qt::LeftButton);
}
