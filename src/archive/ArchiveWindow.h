#pragma once

#include "archive/ArchiveSession.h"
#include "archive/RecordLayout.h"
#include "shell/Messages.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QLabel;
class QWidget;
class RecordFile;

// The binding of an archive session (ArchiveSession: navigation, New, Duplicate, Save and their
// messages) to an app's widgets. An ArchiveWindow is a helper object owned by the app's window; the
// form builder (FormBuilder) creates the controls from the record layout and binds them here, or
// bindFields() finds them by object name. The window then describes itself:
//
//     auto *archive = new ArchiveWindow(this, recipeLayout(), [] { return recipes::archivePath();
//     }); FormBuilder form(panel, archive);              // txt<Field>, chk<Field>, lbl<Field>
//     archive->config().defaults = {{"Prezzo", "0,00"}};
//     archive->config().checks = {ArchiveSession::required("Nome", "txtNome", "Attenzione: ...")};
//     archive->config().firstControl = "txtNome";
//     archive->config().attachmentFields = {"File01", ..., "Desc03"};
//     archive->setHighlight(ArchiveWindow::Highlight::Restyle);   // or EffRectangle
//     archive->setHint("impPortata", "Importa una portata.");
//     archive->hooks.clear = [this] { showPlaceholderPhoto(); };
//     archive->connectCommands();                    // cmdNuovo, cmdDuplica, cmdSalva, cmdPrimo...
//
// Field binding: a QLineEdit, QPlainTextEdit, QTextEdit, QComboBox, QCheckBox ("Sì" when ticked,
// "No" when not) or hidden QLabel (the attachment slots) edits one field. Fields without a control
// are kept as read (bytes written back unchanged on an overwrite) and empty on a new card.
//
// Commands (connectCommands connects each button found by name; they are also public slots):
//   cmdNuovo, cmdDuplica, cmdSalva, cmdPrimo, cmdIndietro, cmdAvanti, cmdUltimo: the session's
//   steps (Save first parks the focus, see setFocusParking); cmdEsci closes the window; cmdFile
//   opens the attachments dialog with the keyword of setAttachments and puts back what it returns;
//   cmdGuida opens the help window with the topic of setHelpTopic.
// A find dialog fills the window with showPosition(p) (or showRecord(record, p)).
//
// Information bar: panInfo reads "Pronto per archiviare una nuova scheda..." until the mouse
// moves; the mouse over a control with a hint writes the hint, over a hint clearer (the window
// background, panels, shapes) empties it. The commands carry their usual hints by default.
//
// Focus highlight, two styles: Restyle (the field's own background yellow while focused, white
// with a sky-blue border otherwise; setUnfocusedBackground changes the latter per field) and
// EffRectangle (a yellow rectangle named "eff" + the field name without "txt" behind the field,
// shown while it has the focus). Exactly one field is yellow at a time.
class ArchiveWindow : public QObject, private ArchiveSession::Screen
{
    Q_OBJECT
public:
    using PathProvider = std::function<QString()>;
    using Command = ArchiveSession::Command;

    enum class Highlight
    {
        None,
        Restyle,
        EffRectangle
    };

    ArchiveWindow(QWidget *window, const RecordLayout &layout, PathProvider archivePath);

    QWidget *window() const { return m_window; }
    const RecordLayout &layout() const { return m_session.layout(); }
    QString archivePath() const { return m_session.archivePath(); }
    ArchiveSession &session() { return m_session; }
    ArchiveSession::Config &config() { return m_session.config(); }

    // --- configuration -------------------------------------------------------------------
    // Binds every child named "txt", "chk" or "lbl" + a field's name to that field.
    void bindFields();
    void bindField(const char *fieldName, QWidget *control);
    QWidget *control(const char *fieldName) const;
    // Enter in the first control of each consecutive pair moves the focus to the second; only
    // single-line controls take part (memos keep Enter as a new line).
    void addEnterChain(const QStringList &controlNames);
    // The invisible button that takes the focus before a save (recipe window: btnFocus).
    void setFocusParking(const QString &controlName) { m_focusParking = controlName; }
    void setHighlight(Highlight style);
    // Also highlights controls that are not bound to a field (call after setHighlight).
    void addHighlighted(const QStringList &controlNames);
    // Restyle only: the background of a field without the focus (white unless told otherwise),
    // for all fields or for one.
    void setUnfocusedBackground(const QColor &colour);
    void setUnfocusedBackground(const QString &controlName, const QColor &colour);
    void setHint(const QString &controlName, const QString &hint);
    void setHint(QWidget *control, const QString &hint);
    void setHintClearers(const QList<QWidget *> &widgets);
    // How an archive failure of a command is shown (an error with OK and Cancel unless told).
    void setFailureMessage(Command command, brisvola::MessageKind kind,
                           brisvola::MessageButtons buttons = brisvola::MessageButtons::OkCancel);
    // cmdFile opens the attachments dialog with this keyword ("ricette", "fornitori") over the
    // session's attachment fields.
    void setAttachments(const QString &keyword) { m_attachmentsKeyword = keyword; }
    // cmdGuida opens the help window with this topic ("App Archivio ricette").
    void setHelpTopic(const QString &title) { m_helpTopic = title; }
    // Connects cmdNuovo, cmdDuplica, cmdSalva, cmdPrimo, cmdIndietro, cmdAvanti, cmdUltimo,
    // cmdEsci (and cmdFile, cmdGuida when configured above) when the window has them, and sets
    // their usual hints where none was set. Call once, after the configuration.
    void connectCommands();

    ArchiveSession::Hooks &hooks;

    // --- state ---------------------------------------------------------------------------
    // The position on screen: 0 for a new card (empty lblPosizione).
    qint64 position() const { return m_session.position(); }
    QLabel *positionLabel() const;
    QLabel *infoBar() const { return m_info; }

    // The record as the controls hold it now (with the bytes of fields without a control kept).
    Record recordFromScreen() const { return m_session.record(); }
    // Puts a record on screen as record p.
    void showRecord(const Record &record, qint64 position) { m_session.show(record, position); }
    // Reads record p and shows it; false (after the archive message) on failure.
    bool showPosition(qint64 position, Command command = Command::First)
    {
        return m_session.showPosition(position, command);
    }

    static QString fieldText(const QWidget *control);
    static void setFieldText(QWidget *control, const QString &text);

    static const QString readyHint;

public slots:
    void newCard() { m_session.newCard(); }
    void duplicate() { m_session.duplicate(); }
    bool save();
    void first() { m_session.first(); }
    void previous() { m_session.previous(); }
    void next() { m_session.next(); }
    void last() { m_session.last(); }
    void exit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // ArchiveSession::Screen
    bool hasControl(int field) const override;
    QString text(int field) const override;
    void setText(int field, const QString &text) override;
    QString positionText() const override;
    void setPositionText(const QString &text) override;
    void message(brisvola::MessageKind kind, const QString &text,
                 brisvola::MessageButtons buttons) override;
    void focus(const QString &control) override;

    QWidget *child(const QString &name) const;
    void openAttachments();
    void focusControl(QWidget *control);
    void applyHighlight(QWidget *field, bool focused);
    void highlight(QWidget *control);
    void resolveHint(QWidget *receiver, const QPoint &localPos, bool useChildAt);
    bool singleLine(const QWidget *w) const;

    QWidget *m_window;
    ArchiveSession m_session;
    std::vector<QPointer<QWidget>> m_controls; // per field, may be null
    QString m_focusParking;
    Highlight m_highlight = Highlight::None;
    QHash<QWidget *, QColor> m_unfocused;
    QColor m_unfocusedDefault = Qt::white;
    QList<QPointer<QWidget>> m_highlighted; // the controls that take part in the highlight
    QString m_attachmentsKeyword;
    QString m_helpTopic;
    QHash<QWidget *, QWidget *> m_eff; // field -> its rectangle
    QHash<QWidget *, QString> m_hints;
    QList<QPointer<QWidget>> m_clearers;
    mutable QLabel *m_position = nullptr;
    QLabel *m_info = nullptr; // panInfo, found by connectCommands
};
