#include "archive/FieldChrome.h"

#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QTimer>

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

// Lets through only the allowed characters, typed or pasted; moving and editing keys and every
// shortcut held with Control, Alt or Meta keep their meaning.
class KeyFilter : public QObject
{
public:
    KeyFilter(QLineEdit *edit, QString allowed)
        : QObject(edit), m_edit(edit), m_allowed(std::move(allowed))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Paste)) {
            QString kept;
            for (QChar c : QGuiApplication::clipboard()->text())
                if (m_allowed.contains(c))
                    kept += c;
            m_edit->insert(kept);
            return true;
        }
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const QString text = key->text();
        if (text.isEmpty() || !text.front().isPrint())
            return false; // editing and moving keys, Enter
        for (QChar c : text)
            if (!m_allowed.contains(c))
                return true;
        return false;
    }

private:
    QLineEdit *m_edit;
    QString m_allowed;
};

// Selects the whole text as the edit takes the focus, by keyboard or mouse: typing replaces it.
class SelectOnFocus : public QObject
{
public:
    explicit SelectOnFocus(QLineEdit *edit) : QObject(edit), m_edit(edit) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // After the mouse press that gave the focus has placed the cursor.
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, m_edit, [edit = m_edit] {
                if (edit->hasFocus())
                    edit->selectAll();
            });
        return false;
    }

private:
    QLineEdit *m_edit;
};

class ListOnly : public QObject
{
public:
    ListOnly(QComboBox *box, bool emptiable) : QObject(box), m_box(box), m_emptiable(emptiable) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            return keyPress(static_cast<QKeyEvent *>(event));
        case QEvent::FocusOut: {
            const QString text = m_box->currentText().trimmed();
            if (m_box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
                m_box->setEditText(QString());
            else if (text != m_box->currentText())
                m_box->setEditText(text);
            break;
        }
        default:
            break;
        }
        return false;
    }

private:
    bool keyPress(QKeyEvent *key)
    {
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_F4:
        case Qt::Key_Escape:
            return false;
        case Qt::Key_Down:
        case Qt::Key_Up:
            return !(key->modifiers() & Qt::AltModifier);
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            if (m_emptiable) {
                m_box->setCurrentIndex(-1);
                m_box->setEditText(QString());
            }
            return true;
        default:
            return true;
        }
    }

    QComboBox *m_box;
    bool m_emptiable;
};

} // namespace

class NoSelectionOnFocus : public QObject
{
public:
    explicit NoSelectionOnFocus(QComboBox *box) : QObject(box), m_box(box) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            const QString text = m_box->currentText();
            m_box->setCurrentIndex(-1);
            m_box->setEditText(text);
        }
        return false;
    }

private:
    QComboBox *m_box;
};

void noSelectionOnFocus(QComboBox *box)
{
    box->installEventFilter(new NoSelectionOnFocus(box));
}

void listOnlyField(QComboBox *box, bool emptiable)
{
    box->installEventFilter(new ListOnly(box, emptiable));
    noSelectionOnFocus(box);
    if (box->lineEdit()) {
        box->lineEdit()->setAcceptDrops(false);
        box->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    }
}

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

void filterKeys(QLineEdit *edit, const QString &allowed)
{
    edit->installEventFilter(new KeyFilter(edit, allowed));
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setAcceptDrops(false);
}

void discardNonDigitKeys(QLineEdit *edit)
{
    filterKeys(edit, QStringLiteral("0123456789"));
}

void numberField(QLineEdit *edit, bool decimalComma)
{
    filterKeys(edit, decimalComma ? QStringLiteral("0123456789,") : QStringLiteral("0123456789"));
    edit->installEventFilter(new SelectOnFocus(edit));
}

} // namespace brisvola
