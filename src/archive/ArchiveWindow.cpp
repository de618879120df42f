#include "archive/ArchiveWindow.h"

#include "archive/AllegaCartella.h"
#include "archive/ArchiveError.h"
#include "archive/FieldChrome.h"
#include "archive/RecordFile.h"
#include "shell/Help.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>

using brisvola::MessageButtons;
using brisvola::MessageKind;

const QString ArchiveWindow::readyHint =
    QStringLiteral("Pronto per archiviare una nuova scheda...");
namespace {

struct CommandSpec
{
    const char *name;
    const char *hint;
};

// The usual hints of the top row; an app overrides any of them with setHint.
const CommandSpec commandHints[] = {
    {"cmdNuovo", "Prepara la schermata per l'inserimento di una nuova scheda."},
    {"cmdDuplica",
     "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
    {"cmdSalva", "Salva la scheda corrente in archivio."},
    {"cmdTrova", "Trova una scheda in archivio."},
    {"cmdFile", "Allega file alla scheda corrente."},
    {"cmdStampa", "Stampa la scheda corrente."},
    {"cmdPrimo", "Visualizza la prima scheda in archivio."},
    {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
    {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
    {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
    {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
    {"cmdGuida", "Visualizza la guida in linea."},
    {"cmdEsci", "Esci dalla schermata di lavoro corrente."},
};

// Memos hold line breaks as LF; the archives store CR LF.
QString toStored(const QString &memo)
{
    QString s = memo;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return s;
}

QString fromStored(const QString &stored)
{
    QString s = stored;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QString effName(const QString &fieldName)
{
    return QStringLiteral("eff") +
           (fieldName.startsWith(QLatin1String("txt")) ? fieldName.mid(3) : fieldName);
}

} // namespace

ArchiveWindow::ArchiveWindow(QWidget *window, const RecordLayout &layout, PathProvider archivePath)
    : QObject(window), hooks(m_session.hooks), m_window(window),
      m_session(layout, ArchiveSession::Config{}, *this), m_controls(size_t(layout.fieldCount()))
{
    m_session.config().archivePath = std::move(archivePath);
}

QLabel *ArchiveWindow::positionLabel() const
{
    // Looked up when first needed: the window may build its command row after this object.
    if (!m_position) {
        m_position = m_window->findChild<QLabel *>(QStringLiteral("lblPosizione"));
        if (!m_position) {
            m_position = new QLabel(m_window);
            m_position->setObjectName(QStringLiteral("lblPosizione"));
            m_position->hide();
        }
    }
    return m_position;
}

QWidget *ArchiveWindow::child(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    return m_window->findChild<QWidget *>(name);
}

void ArchiveWindow::bindFields()
{
    for (int i = 0; i < layout().fieldCount(); ++i) {
        const QString f = QString::fromLatin1(layout().name(i));
        for (const char *prefix : {"txt", "chk", "lbl"}) {
            if (QWidget *w = child(QLatin1String(prefix) + f)) {
                m_controls[size_t(i)] = w;
                break;
            }
        }
    }
}

void ArchiveWindow::bindField(const char *fieldName, QWidget *control)
{
    m_controls[size_t(layout().field(fieldName))] = control;
}

QWidget *ArchiveWindow::control(const char *fieldName) const
{
    return m_controls[size_t(layout().field(fieldName))];
}

void ArchiveWindow::addEnterChain(const QStringList &controlNames)
{
    for (int i = 0; i + 1 < controlNames.size(); ++i) {
        QWidget *from = child(controlNames[i]);
        QWidget *to = child(controlNames[i + 1]);
        if (from && to)
            brisvola::setEnterTarget(from, to, Qt::OtherFocusReason);
    }
}

bool ArchiveWindow::singleLine(const QWidget *w) const
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w);
}

void ArchiveWindow::setHighlight(Highlight style)
{
    m_highlight = style;
    for (const auto &c : m_controls) {
        QWidget *w = c.data();
        if (!w)
            continue;
        const bool text =
            singleLine(w) || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextEdit *>(w);
        if (!text)
            continue;
        if (style == Highlight::Restyle && !singleLine(w))
            continue; // the recipe window restyles its single-line edits only
        highlight(w);
    }
}

void ArchiveWindow::addHighlighted(const QStringList &controlNames)
{
    for (const QString &name : controlNames)
        if (QWidget *w = child(name))
            highlight(w);
}

void ArchiveWindow::highlight(QWidget *w)
{
    if (m_highlight == Highlight::None)
        return;
    if (!m_highlighted.contains(w)) {
        m_highlighted << w;
        w->installEventFilter(this);
    }
    if (m_highlight == Highlight::EffRectangle && !m_eff.contains(w))
        m_eff.insert(w, brisvola::addFocusHighlight(w, effName(w->objectName())));
    applyHighlight(w, w->hasFocus());
}

void ArchiveWindow::setUnfocusedBackground(const QColor &colour)
{
    m_unfocusedDefault = colour;
    if (m_highlight == Highlight::Restyle)
        for (const auto &w : m_highlighted)
            if (w)
                applyHighlight(w, w->hasFocus());
}

void ArchiveWindow::setUnfocusedBackground(const QString &controlName, const QColor &colour)
{
    if (QWidget *w = child(controlName)) {
        m_unfocused.insert(w, colour);
        if (m_highlight == Highlight::Restyle)
            applyHighlight(w, w->hasFocus());
    }
}

void ArchiveWindow::applyHighlight(QWidget *field, bool focused)
{
    if (m_highlight == Highlight::Restyle) {
        const QColor bg =
            focused ? QColor(0xFF, 0xFF, 0x00) : m_unfocused.value(field, m_unfocusedDefault);
        const char *cls = field->metaObject()->className();
        field->setStyleSheet(QStringLiteral("%1 { background-color: %2; color: black; border: 1px "
                                            "solid #87CEEB; padding: 1px 4px; }")
                                 .arg(QLatin1String(cls), bg.name()));
    }
    // The yellow rectangles follow the focus by themselves (FieldChrome).
}

void ArchiveWindow::setHint(const QString &controlName, const QString &hint)
{
    if (QWidget *w = child(controlName))
        setHint(w, hint);
}

void ArchiveWindow::setHint(QWidget *control, const QString &hint)
{
    m_hints.insert(control, hint);
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

void ArchiveWindow::setHintClearers(const QList<QWidget *> &widgets)
{
    for (QWidget *w : widgets) {
        m_clearers << w;
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

void ArchiveWindow::setFailureMessage(Command command, MessageKind kind, MessageButtons buttons)
{
    m_session.config().failures[command] = ArchiveSession::Failure{kind, buttons};
}

void ArchiveWindow::connectCommands()
{
    positionLabel();
    m_info = m_window->findChild<QLabel *>(QStringLiteral("panInfo"));
    if (m_info)
        m_info->setText(readyHint);
    const std::pair<const char *, void (ArchiveWindow::*)()> commands[] = {
        {"cmdNuovo", &ArchiveWindow::newCard}, {"cmdDuplica", &ArchiveWindow::duplicate},
        {"cmdPrimo", &ArchiveWindow::first},   {"cmdIndietro", &ArchiveWindow::previous},
        {"cmdAvanti", &ArchiveWindow::next},   {"cmdUltimo", &ArchiveWindow::last},
        {"cmdEsci", &ArchiveWindow::exit},
    };
    for (const auto &[name, slot] : commands)
        if (auto *b = m_window->findChild<QAbstractButton *>(QLatin1String(name)))
            connect(b, &QAbstractButton::clicked, this, slot);
    if (auto *b = m_window->findChild<QAbstractButton *>(QStringLiteral("cmdSalva")))
        connect(b, &QAbstractButton::clicked, this, [this] { save(); });
    if (auto *b = m_window->findChild<QAbstractButton *>(QStringLiteral("cmdFile"));
        b && !m_attachmentsKeyword.isEmpty())
        connect(b, &QAbstractButton::clicked, this, [this] { openAttachments(); });
    if (auto *b = m_window->findChild<QAbstractButton *>(QStringLiteral("cmdGuida"));
        b && !m_helpTopic.isEmpty())
        connect(b, &QAbstractButton::clicked, this,
                [this] { brisvola::showHelp(m_window, m_helpTopic); });
    for (const auto &c : commandHints)
        if (QWidget *w = child(QLatin1String(c.name)); w && !m_hints.contains(w))
            setHint(w, QString::fromUtf8(c.hint));
}

// --- the screen of the session ----------------------------------------------------------

QString ArchiveWindow::fieldText(const QWidget *control)
{
    if (auto *e = qobject_cast<const QLineEdit *>(control))
        return e->text();
    if (auto *m = qobject_cast<const QPlainTextEdit *>(control))
        return toStored(m->toPlainText());
    if (auto *m = qobject_cast<const QTextEdit *>(control))
        return toStored(m->toPlainText());
    if (auto *c = qobject_cast<const QComboBox *>(control))
        return c->currentText();
    if (auto *c = qobject_cast<const QCheckBox *>(control))
        return ArchiveSession::flagText(c->isChecked());
    if (auto *l = qobject_cast<const QLabel *>(control))
        return l->text();
    return {};
}

void ArchiveWindow::setFieldText(QWidget *control, const QString &text)
{
    if (auto *e = qobject_cast<QLineEdit *>(control)) {
        e->setText(text);
        e->setCursorPosition(0);
    } else if (auto *m = qobject_cast<QPlainTextEdit *>(control)) {
        m->setPlainText(fromStored(text));
    } else if (auto *m = qobject_cast<QTextEdit *>(control)) {
        m->setPlainText(fromStored(text));
    } else if (auto *c = qobject_cast<QComboBox *>(control)) {
        if (c->isEditable()) {
            c->setCurrentText(text);
        } else {
            c->setCurrentIndex(c->findText(text)); // -1 (no selection) when not a list value
        }
    } else if (auto *c = qobject_cast<QCheckBox *>(control)) {
        c->setChecked(ArchiveSession::flagFromText(text));
    } else if (auto *l = qobject_cast<QLabel *>(control)) {
        l->setText(text);
    }
}

bool ArchiveWindow::hasControl(int field) const
{
    return m_controls[size_t(field)] != nullptr;
}

QString ArchiveWindow::text(int field) const
{
    return fieldText(m_controls[size_t(field)]);
}

void ArchiveWindow::setText(int field, const QString &text)
{
    setFieldText(m_controls[size_t(field)], text);
}

QString ArchiveWindow::positionText() const
{
    return positionLabel()->text();
}

void ArchiveWindow::setPositionText(const QString &text)
{
    positionLabel()->setText(text);
}

void ArchiveWindow::message(MessageKind kind, const QString &text, MessageButtons buttons)
{
    brisvola::showMessage(m_window, kind, text, buttons);
}

void ArchiveWindow::focus(const QString &control)
{
    focusControl(child(control));
}

void ArchiveWindow::focusControl(QWidget *control)
{
    if (control && control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
}

// --- commands ------------------------------------------------------------------------------

bool ArchiveWindow::save()
{
    if (!m_focusParking.isEmpty()) {
        QWidget *was = QApplication::focusWidget();
        if (QWidget *park = child(m_focusParking))
            park->setFocus(Qt::OtherFocusReason);
        if (was && was->hasFocus() && was != child(m_focusParking))
            was->clearFocus();
    }
    return m_session.save();
}

void ArchiveWindow::exit()
{
    m_window->close();
}

void ArchiveWindow::openAttachments()
{
    // The three slots go in from the card's attachment fields; what the dialog applies goes back.
    Attachments shown;
    for (int k = 0; k < 3; ++k)
        shown[k] = {m_session.text(attachmentSlotName("File", k)),
                    m_session.text(attachmentSlotName("Desc", k))};
    const auto applied = TfrmAllegaCartella::edit(m_window, m_attachmentsKeyword, shown);
    if (!applied)
        return;
    for (int k = 0; k < 3; ++k) {
        m_session.setText(attachmentSlotName("File", k), (*applied)[k].file);
        m_session.setText(attachmentSlotName("Desc", k), (*applied)[k].description);
    }
}

// --- events --------------------------------------------------------------------------------

void ArchiveWindow::resolveHint(QWidget *receiver, const QPoint &localPos, bool useChildAt)
{
    if (!m_info)
        return;
    QWidget *w = receiver;
    if (useChildAt) {
        if (QWidget *c = receiver->childAt(localPos))
            w = c;
    }
    for (QWidget *x = w; x; x = x->parentWidget()) {
        if (auto it = m_hints.constFind(x); it != m_hints.constEnd()) {
            m_info->setText(*it);
            return;
        }
        if (m_clearers.contains(x)) {
            // Only the background itself, its labels and frames empty the bar; an edit under the
            // mouse leaves it as it is.
            if (x == w || qobject_cast<QLabel *>(w) ||
                w->metaObject() == &QFrame::staticMetaObject ||
                w->metaObject() == &QWidget::staticMetaObject)
                m_info->clear();
            return;
        }
        if (x == receiver)
            break;
    }
}

bool ArchiveWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (m_highlight != Highlight::None && m_highlighted.contains(w))
            applyHighlight(w, event->type() == QEvent::FocusIn);
        break;
    case QEvent::Enter:
        // Entering a control with a hint shows it; the background empties the bar only when the
        // mouse moves over it, so the first hint stays until the user moves the mouse.
        if (m_hints.contains(w))
            resolveHint(w, {}, false);
        break;
    case QEvent::MouseMove:
        resolveHint(w, static_cast<QMouseEvent *>(event)->position().toPoint(),
                    m_clearers.contains(w));
        break;
    default:
        break;
    }
    return false;
}
