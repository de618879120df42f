#include "archive/FieldChrome.h"

#include <QClipboard>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpressionValidator>

namespace brisvola {

namespace {

class Highlight : public QObject
{
public:
    Highlight(QWidget *field, QFrame *rect) : QObject(field), m_field(field), m_rect(rect)
    {
        place();
        m_rect->setVisible(field->hasFocus());
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (!m_rect) // the window is being destroyed
            return false;
        switch (event->type()) {
        case QEvent::FocusIn:
            place();
            m_rect->show();
            break;
        case QEvent::FocusOut:
            m_rect->hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            place();
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Just around the field, behind it.
    void place()
    {
        m_rect->setGeometry(m_field->geometry().adjusted(-3, -3, 3, 3));
        m_rect->stackUnder(m_field);
    }
    QWidget *m_field;
    QPointer<QFrame> m_rect;
};

class EnterMove : public QObject
{
public:
    EnterMove(QWidget *from, QWidget *to, Qt::FocusReason reason)
        : QObject(from), m_to(to), m_reason(reason)
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !m_to)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        // Enter alone (the keypad's too); with Shift, Control or Alt it stays the field's own key.
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        if (m_to->isEnabled())
            m_to->setFocus(m_reason);
        return true;
    }

private:
    QPointer<QWidget> m_to;
    Qt::FocusReason m_reason;
};

class DigitKeys : public QObject
{
public:
    explicit DigitKeys(QLineEdit *edit) : QObject(edit), m_edit(edit) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Paste)) {
            QString digits;
            for (QChar c : QGuiApplication::clipboard()->text())
                if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                    digits += c;
            m_edit->insert(digits);
            return true;
        }
        const QString text = key->text();
        if (text.isEmpty() || !text.front().isPrint())
            return false; // editing and moving keys, Enter
        for (QChar c : text)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return true;
        return false;
    }

private:
    QLineEdit *m_edit;
};

} // namespace

QWidget *addFocusHighlight(QWidget *field, const QString &effName)
{
    auto *rect = new QFrame(field->parentWidget());
    rect->setObjectName(effName);
    rect->setStyleSheet(QStringLiteral("background: #ffff00; border-radius: 3px;"));
    rect->setAttribute(Qt::WA_TransparentForMouseEvents);
    rect->hide();
    field->installEventFilter(new Highlight(field, rect));
    return rect;
}

void setEnterTarget(QWidget *from, QWidget *to, Qt::FocusReason reason)
{
    from->installEventFilter(new EnterMove(from, to, reason));
}

void setEnterChain(const QList<QWidget *> &chain)
{
    for (qsizetype i = 0; i < chain.size(); ++i)
        setEnterTarget(chain[i], chain[(i + 1) % chain.size()]);
}

void acceptDigitsOnly(QLineEdit *edit)
{
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

void discardNonDigitKeys(QLineEdit *edit)
{
    edit->installEventFilter(new DigitKeys(edit));
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setAcceptDrops(false);
}

} // namespace brisvola
