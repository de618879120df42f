#include "TestSupport.h"

#include "shell/ProgramFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
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

TempProgramFolder::TempProgramFolder()
{
    setProgramFolder(m_dir.path());
}

TempProgramFolder::~TempProgramFolder()
{
    setProgramFolder(QString());
}

ReadOnlyPath::ReadOnlyPath(QString path)
    : m_path(std::move(path)), m_folder(QFileInfo(m_path).isDir())
{
    QFile::setPermissions(m_path, m_folder ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
    if (writable())
        m_immutable =
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), m_path}) == 0;
}

ReadOnlyPath::~ReadOnlyPath()
{
    if (m_immutable)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner |
                                      (m_folder ? QFile::ExeOwner : QFile::Permissions()));
}

bool ReadOnlyPath::writable() const
{
    if (!m_folder)
        return QFile(m_path).open(QIODevice::ReadWrite);
    QFile probe(QDir(m_path).filePath(QStringLiteral("probe")));
    const bool ok = probe.open(QIODevice::WriteOnly);
    if (ok)
        probe.remove();
    return ok;
}

void onNextModal(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    const QPointer<QWidget> current = QApplication::activeModalWidget();
    QObject::connect(timer, &QTimer::timeout, [timer, action, current] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == current.data())
            return;
        timer->stop();
        timer->deleteLater();
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
    timer->start();
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
