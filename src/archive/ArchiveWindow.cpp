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
const QString ArchiveWindow::emptyArchiveMessage =
    QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString ArchiveWindow::insertedMessage =
    QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString ArchiveWindow::updatedMessage =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString ArchiveWindow::duplicateRefusedMessage =
    QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                   "questa è stata inserita in archivio.");
const QString ArchiveWindow::duplicatedMessage =
    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                   "Al termine premere Salva per inserire la scheda in archivio.");

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
    : QObject(window), m_window(window), m_layout(&layout), m_path(std::move(archivePath)),
      m_controls(size_t(layout.fieldCount())), m_shownBytes(layout.recordSize(), '\0')
{
    m_position = window->findChild<QLabel *>(QStringLiteral("lblPosizione"));
    if (!m_position) {
        m_position = new QLabel(window);
        m_position->setObjectName(QStringLiteral("lblPosizione"));
        m_position->hide();
    }
    m_info = window->findChild<QLabel *>(QStringLiteral("panInfo"));
    if (m_info)
        m_info->setText(readyHint);
    for (const char *f : {"File01", "File02", "File03", "Desc01", "Desc02", "Desc03"})
        if (layout.indexOf(QLatin1StringView(f)) >= 0)
            m_attachmentFields << QString::fromLatin1(f);
}

QWidget *ArchiveWindow::child(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    return m_window->findChild<QWidget *>(name);
}

void ArchiveWindow::bindFields()
{
    for (int i = 0; i < m_layout->fieldCount(); ++i) {
        const QString f = QString::fromLatin1(m_layout->name(i));
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
    m_controls[size_t(m_layout->field(fieldName))] = control;
}

QWidget *ArchiveWindow::control(const char *fieldName) const
{
    return m_controls[size_t(m_layout->field(fieldName))];
}

void ArchiveWindow::setDefault(const char *fieldName, const QString &text)
{
    m_defaults.insert(m_layout->field(fieldName), text);
}

void ArchiveWindow::addEnterChain(const QStringList &controlNames)
{
    for (int i = 0; i + 1 < controlNames.size(); ++i) {
        QWidget *from = child(controlNames[i]);
        QWidget *to = child(controlNames[i + 1]);
        if (!from || !to)
            continue;
        m_enterNext.insert(from, to);
        from->installEventFilter(this);
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
            focused ? QColor(0xFF, 0xFF, 0x00) : m_unfocused.value(field, QColor(Qt::white));
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
    m_failures.insert(int(command), Failure{kind, buttons});
}

void ArchiveWindow::connectCommands()
{
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
        connect(b, &QAbstractButton::clicked, this, [this] {
            // The slots go in from the hidden labels; what the dialog applies goes back there.
            const auto slotControl = [this](const char *base, int k) {
                return m_window->findChild<QWidget *>(QStringLiteral("lbl") +
                                                      attachmentSlotName(base, k));
            };
            Attachments shown;
            for (int k = 0; k < 3; ++k)
                shown[k] = {fieldText(slotControl("File", k)), fieldText(slotControl("Desc", k))};
            if (const auto applied =
                    TfrmAllegaCartella::edit(m_window, m_attachmentsKeyword, shown))
                for (int k = 0; k < 3; ++k) {
                    setFieldText(slotControl("File", k), (*applied)[k].file);
                    setFieldText(slotControl("Desc", k), (*applied)[k].description);
                }
        });
    if (auto *b = m_window->findChild<QAbstractButton *>(QStringLiteral("cmdGuida"));
        b && !m_helpTopic.isEmpty())
        connect(b, &QAbstractButton::clicked, this,
                [this] { brisvola::showHelp(m_window, m_helpTopic); });
    for (const auto &c : commandHints)
        if (QWidget *w = child(QLatin1String(c.name)); w && !m_hints.contains(w))
            setHint(w, QString::fromUtf8(c.hint));
}

// --- state ---------------------------------------------------------------------------------

qint64 ArchiveWindow::position() const
{
    return RecordFile::positionFromText(m_position->text());
}

QString ArchiveWindow::flagText(bool ticked)
{
    return ticked ? QStringLiteral("Sì") : QStringLiteral("No");
}

bool ArchiveWindow::flagFromText(const QString &text)
{
    return text == QStringLiteral("Sì");
}

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
        return flagText(c->isChecked());
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
        c->setChecked(flagFromText(text));
    } else if (auto *l = qobject_cast<QLabel *>(control)) {
        l->setText(text);
    }
}

Record ArchiveWindow::recordFromScreen() const
{
    Record record(*m_layout, m_shownBytes);
    for (int i = 0; i < m_layout->fieldCount(); ++i) {
        QWidget *w = m_controls[size_t(i)];
        if (!w)
            continue;
        QString value = fieldText(w);
        if (m_trimOnWrite)
            value = value.trimmed();
        record.setText(i, value);
    }
    if (hooks.fill)
        hooks.fill(record);
    return record;
}

void ArchiveWindow::showRecord(const Record &record, qint64 position)
{
    for (int i = 0; i < m_layout->fieldCount(); ++i)
        if (QWidget *w = m_controls[size_t(i)])
            setFieldText(w, record.text(i));
    if (hooks.show)
        hooks.show(record);
    m_shownBytes = record.bytes();
    m_position->setText(QString::number(position));
    if (hooks.shown)
        hooks.shown(position);
}

bool ArchiveWindow::showPosition(qint64 position, Command command)
{
    try {
        RecordFile file(archivePath(), *m_layout);
        const Record record = file.read(position);
        showRecord(record, position);
        return true;
    } catch (const ArchiveError &) {
        failure(command);
        return false;
    }
}

void ArchiveWindow::notice(MessageKind kind, const QString &text)
{
    brisvola::showMessage(m_window, kind, text, MessageButtons::OkCancel);
}

void ArchiveWindow::failure(Command command)
{
    const Failure f = m_failures.value(int(command));
    brisvola::showMessage(m_window, f.kind, brisvola::archiveAccessMessage, f.buttons);
}

void ArchiveWindow::focusControl(QWidget *control)
{
    if (control && control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
}

// --- commands ------------------------------------------------------------------------------

void ArchiveWindow::newCard()
{
    for (int i = 0; i < m_layout->fieldCount(); ++i)
        if (QWidget *w = m_controls[size_t(i)])
            setFieldText(w, qobject_cast<QCheckBox *>(w) ? flagText(false) : m_defaults.value(i));
    m_shownBytes.fill('\0');
    try {
        if (hooks.clear)
            hooks.clear();
    } catch (const ArchiveError &) {
        // Ignored unless the window shows its New failures (the quote numbering reads an archive).
        if (m_failures.contains(int(Command::New)))
            failure(Command::New);
    }
    m_position->clear();
    focusControl(child(m_firstField));
}

void ArchiveWindow::duplicate()
{
    if (m_position->text().trimmed().isEmpty()) {
        notice(MessageKind::Warning, duplicateRefusedMessage);
        return;
    }
    Record kept(*m_layout, m_shownBytes);
    for (const QString &f : m_attachmentFields) {
        const int i = m_layout->field(f.toLatin1().constData());
        kept.setText(i, QString());
        if (QWidget *w = m_controls[size_t(i)])
            setFieldText(w, QString());
    }
    m_shownBytes = kept.bytes();
    m_position->clear();
    if (hooks.duplicate)
        hooks.duplicate();
    focusControl(child(m_firstField));
    notice(MessageKind::Information, duplicatedMessage);
}

bool ArchiveWindow::save()
{
    if (!m_focusParking.isEmpty()) {
        QWidget *was = QApplication::focusWidget();
        if (QWidget *park = child(m_focusParking))
            park->setFocus(Qt::OtherFocusReason);
        if (was && was->hasFocus() && was != child(m_focusParking))
            was->clearFocus();
    }
    qint64 p = 0;
    bool appended = false;
    Record record(*m_layout);
    try {
        if (hooks.beforeSave)
            hooks.beforeSave();
        for (const RequiredField &r : m_required) {
            QWidget *w = child(r.control);
            if (w && fieldText(w).trimmed().isEmpty()) {
                notice(MessageKind::Warning, r.message);
                focusControl(w);
                return false;
            }
        }
        if (hooks.check && !hooks.check())
            return false;
        record = recordFromScreen();
        RecordFile file(archivePath(), *m_layout);
        p = position();
        if (p > 0) {
            file.write(p, record);
        } else {
            p = file.append(record);
            appended = true;
        }
    } catch (const ArchiveError &) {
        failure(Command::Save);
        return false;
    }
    m_shownBytes = record.bytes();
    m_position->setText(QString::number(p));
    if (hooks.stored)
        hooks.stored(p);
    notice(MessageKind::Information, appended ? insertedMessage : updatedMessage);
    return true;
}

void ArchiveWindow::first()
{
    try {
        RecordFile file(archivePath(), *m_layout);
        if (file.count() == 0) {
            notice(MessageKind::Information, emptyArchiveMessage);
            return;
        }
        showRecord(file.read(1), 1);
    } catch (const ArchiveError &) {
        failure(Command::First);
    }
}

void ArchiveWindow::last()
{
    try {
        RecordFile file(archivePath(), *m_layout);
        const qint64 n = file.count();
        if (n == 0) {
            notice(MessageKind::Information, emptyArchiveMessage);
            return;
        }
        showRecord(file.read(n), n);
    } catch (const ArchiveError &) {
        failure(Command::Last);
    }
}

void ArchiveWindow::next()
{
    try {
        RecordFile file(archivePath(), *m_layout);
        const qint64 p = position();
        const qint64 n = file.count();
        if (n == 0) {
            m_position->clear();
            notice(MessageKind::Information, emptyArchiveMessage);
            return;
        }
        if (p < n)
            showRecord(file.read(p + 1), p + 1);
    } catch (const ArchiveError &) {
        failure(Command::Next);
    }
}

void ArchiveWindow::previous()
{
    if (m_position->text() == QLatin1String("1"))
        return;
    try {
        RecordFile file(archivePath(), *m_layout);
        const qint64 p = position();
        const qint64 n = file.count();
        if (n == 0) {
            notice(MessageKind::Information, emptyArchiveMessage);
            return;
        }
        const qint64 target = p == 0 ? 1 : p - 1;
        showRecord(file.read(target), target);
    } catch (const ArchiveError &) {
        failure(Command::Previous);
    }
}

void ArchiveWindow::exit()
{
    m_window->close();
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
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier) {
            if (QWidget *next = m_enterNext.value(w)) {
                focusControl(next);
                return true;
            }
        }
        break;
    }
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
