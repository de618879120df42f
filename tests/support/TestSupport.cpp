#include "TestSupport.h"

#include "archive/RecordListPanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
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

ModalExpectation chooseFile(const QString &path, std::source_location where)
{
    return ModalExpectation(
        [path](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            QVERIFY(dialog);
            dialog->selectFile(path);
            // The chooser's list loads in the background: a file of the folder already shown may
            // not be selectable yet, so the name goes into its edit as a user would type it.
            if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name->setText(path);
            static_cast<QDialog *>(dialog)->accept();
        },
        where);
}

RecordList *recordList(QWidget *dialog)
{
    return dialog->findChild<RecordList *>(QStringLiteral("lstRecords"));
}

QStringList recordLines(QWidget *dialog)
{
    // Any list named so: the shared result list, or a dialog's own list widget.
    QStringList out;
    const QListView *list = dialog->findChild<QListView *>(QStringLiteral("lstRecords"));
    const QAbstractItemModel *model = list ? list->model() : nullptr;
    for (int i = 0; model && i < model->rowCount(); ++i)
        out << model->index(i, 0).data().toString();
    return out;
}

void doubleClickRow(QListView *list, int row)
{
    QVERIFY(list);
    const QModelIndex index = list->model()->index(row, 0);
    QVERIFY(index.isValid());
    list->scrollTo(index);
    const QRect r = list->visualRect(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

void doubleClickRow(QWidget *dialog, int row)
{
    doubleClickRow(dialog->findChild<QListView *>(QStringLiteral("lstRecords")), row);
}

void clickButton(QWidget *window, const char *name)
{
    auto *b = window->findChild<QAbstractButton *>(QLatin1String(name));
    QVERIFY2(b && b->isEnabled(), name);
    QTest::mouseClick(b, Qt::LeftButton);
}
