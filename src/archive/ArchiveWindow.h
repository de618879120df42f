#pragma once

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

// The behaviour every archive window shares (recipes, menus, quotes, reservations, customers),
// written once and configured by the app's tables. An ArchiveWindow is a helper object owned by
// the app's window; it finds the controls by object name, so the window only has to build its
// widgets with the documented names and then describe itself:
//
//     auto *archive = new ArchiveWindow(this, recipeLayout(),
//                                       [] { return brisvola::programFile("Ricettario.pro"); });
//     archive->bindFields();                       // txt<Field>, chk<Field>, lbl<Field> children
//     archive->setDefault("Prezzo", "0,00");
//     archive->setRequired({{"txtNome", "Attenzione: ..."}, {"txtPortata", "Attenzione: ..."}});
//     archive->setFirstField("txtNome");
//     archive->addEnterChain({"txtNome", "txtPortata"});
//     archive->setHighlight(ArchiveWindow::Highlight::Restyle);   // or EffRectangle
//     archive->setHint("impPortata", "Importa una portata.");
//     archive->setHintClearers({this, panel});
//     archive->hooks.clear = [this] { showPlaceholderPhoto(); };
//     archive->connectCommands();                  // cmdNuovo, cmdDuplica, cmdSalva, cmdPrimo...
//
// Field binding (bindFields): for each field F of the layout, the first child named "txt" + F
// (QLineEdit, QPlainTextEdit, QTextEdit, QComboBox), "chk" + F (QCheckBox: "Sì" when ticked,
// "No" when not) or "lbl" + F (hidden QLabel, the attachment slots) is bound to it. Fields
// without a control are kept as read (bytes written back unchanged on an overwrite) and empty on
// a new card. bindField() binds one field to any control explicitly.
//
// Commands (connectCommands connects each button found by name; they are also public slots):
//   New       cmdNuovo     empty the fields, put defaults, run hooks.clear, empty lblPosizione,
//                          focus the first field; an ArchiveError from hooks.clear is ignored
//                          unless setFailureMessage(Command::New, ...) asks for the message.
//   Duplicate cmdDuplica   on a never-saved card: warning; otherwise empty the attachment slots
//                          and lblPosizione, run hooks.duplicate, focus the first field, notice.
//   Save      cmdSalva     park the focus (setFocusParking), hooks.beforeSave, required fields
//                          in order, hooks.check, then overwrite or append; lblPosizione set;
//                          hooks.stored(position); the saved notice. An ArchiveError thrown by
//                          a hook counts as an archive failure of the save.
//   A find dialog fills the window with showPosition(p) (or showRecord(record, p)).
//   First, Previous, Next, Last  cmdPrimo, cmdIndietro, cmdAvanti, cmdUltimo: the navigation
//                          rules of every archive window (empty archive notice, no-op at ends).
//   Exit      cmdEsci      closes the window.
//   Attach    cmdFile      TfrmAllegaCartella with the keyword of setAttachments.
//   Help      cmdGuida     the help window with the topic of setHelpTopic.
// Archive failures show brisvola::archiveAccessMessage with the kind and buttons configured per
// command (setFailureMessage; an error with OK and Cancel unless told otherwise). The screen keeps
// its values after a failure.
//
// Information bar: panInfo reads "Pronto per archiviare una nuova scheda..." until the mouse
// moves; the mouse over a control with a hint writes the hint, over a hint clearer (the window
// background, panels, shapes) empties it. The commands carry their usual hints by default.
//
// Focus highlight, two styles: Restyle (the field's own background yellow while focused, white
// with a sky-blue border otherwise; setUnfocusedBackground changes the latter per field) and
// EffRectangle (a yellow rectangle named "eff" + the field name without "txt" behind the field,
// shown while it has the focus). Exactly one field is yellow at a time.
class ArchiveWindow : public QObject
{
    Q_OBJECT
public:
    using PathProvider = std::function<QString()>;

    enum class Command
    {
        New,
        Duplicate,
        Save,
        First,
        Previous,
        Next,
        Last
    };

    enum class Highlight
    {
        None,
        Restyle,
        EffRectangle
    };

    struct RequiredField
    {
        QString control; // object name of the field's control
        QString message; // the warning shown when it is empty after trimming
    };

    // What an app keeps beside the record or checks on its own. Every hook is optional.
    struct Hooks
    {
        std::function<void()> clear;                 // New: after the fields are emptied
        std::function<void()> duplicate;             // Duplicate: after the slots are emptied
        std::function<void()> beforeSave;            // Save: before the checks (totals...)
        std::function<bool()> check;                 // Save: after the required fields;
                                                     // false stops (it shows its message)
        std::function<void(Record &)> fill;          // Save: after the bound fields
        std::function<void(const Record &)> show;    // showing: after the bound fields
        std::function<void(qint64 position)> shown;  // showing: after lblPosizione is set
        std::function<void(qint64 position)> stored; // Save: after lblPosizione is set,
                                                     // before the notice (the photo)
    };

    ArchiveWindow(QWidget *window, const RecordLayout &layout, PathProvider archivePath);

    QWidget *window() const { return m_window; }
    const RecordLayout &layout() const { return *m_layout; }
    QString archivePath() const { return m_path(); }

    // --- configuration -------------------------------------------------------------------
    void bindFields();
    void bindField(const char *fieldName, QWidget *control);
    QWidget *control(const char *fieldName) const;
    // A text put by New into a field (the price's "0,00").
    void setDefault(const char *fieldName, const QString &text);
    // Texts are trimmed before they are stored (true by default; the recipe window stores them as
    // typed).
    void setTrimOnWrite(bool trim) { m_trimOnWrite = trim; }
    void setRequired(const QList<RequiredField> &fields) { m_required = fields; }
    void setFirstField(const QString &controlName) { m_firstField = controlName; }
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
    // The attachment fields that Duplicate empties (File01..03, Desc01..03 when the layout has
    // them).
    void setAttachmentFields(const QStringList &fieldNames) { m_attachmentFields = fieldNames; }
    // How an archive failure of a command is shown. New ignores failures of its hooks unless a
    // message is set for it here.
    void setFailureMessage(Command command, brisvola::MessageKind kind,
                           brisvola::MessageButtons buttons = brisvola::MessageButtons::OkCancel);
    // cmdFile opens the attachments dialog with this keyword ("ricette", "fornitori").
    void setAttachments(const QString &keyword) { m_attachmentsKeyword = keyword; }
    // cmdGuida opens the help window with this topic ("App Archivio ricette").
    void setHelpTopic(const QString &title) { m_helpTopic = title; }
    // Connects cmdNuovo, cmdDuplica, cmdSalva, cmdPrimo, cmdIndietro, cmdAvanti, cmdUltimo,
    // cmdEsci (and cmdFile, cmdGuida when configured above) when the window has them, and sets
    // their usual hints where none was set. Call once, after the configuration.
    void connectCommands();

    Hooks hooks;

    // --- state ---------------------------------------------------------------------------
    // The position on screen: 0 for a new card (empty lblPosizione).
    qint64 position() const;
    QLabel *positionLabel() const { return m_position; }
    QLabel *infoBar() const { return m_info; }

    // The record as the controls hold it now (with the bytes of fields without a control kept).
    Record recordFromScreen() const;
    // Puts a record on screen as record p: fields, hooks.show, lblPosizione, hooks.shown.
    void showRecord(const Record &record, qint64 position);
    // Reads record p and shows it; false (after the archive message) on failure.
    bool showPosition(qint64 position, Command command = Command::First);

    static QString flagText(bool ticked);
    static bool flagFromText(const QString &text);
    static QString fieldText(const QWidget *control);
    static void setFieldText(QWidget *control, const QString &text);

    static const QString readyHint;
    static const QString emptyArchiveMessage;
    static const QString insertedMessage;
    static const QString updatedMessage;
    static const QString duplicateRefusedMessage;
    static const QString duplicatedMessage;

public slots:
    void newCard();
    void duplicate();
    bool save();
    void first();
    void previous();
    void next();
    void last();
    void exit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Failure
    {
        brisvola::MessageKind kind = brisvola::MessageKind::Error;
        brisvola::MessageButtons buttons = brisvola::MessageButtons::OkCancel;
    };

    QWidget *child(const QString &name) const;
    void notice(brisvola::MessageKind kind, const QString &text);
    void failure(Command command);
    void focusControl(QWidget *control);
    void applyHighlight(QWidget *field, bool focused);
    void placeEff(QWidget *field);
    void highlight(QWidget *control);
    void resolveHint(QWidget *receiver, const QPoint &localPos, bool useChildAt);
    bool singleLine(const QWidget *w) const;

    QWidget *m_window;
    const RecordLayout *m_layout;
    PathProvider m_path;
    std::vector<QPointer<QWidget>> m_controls; // per field, may be null
    QHash<int, QString> m_defaults;
    bool m_trimOnWrite = true;
    QList<RequiredField> m_required;
    QString m_firstField;
    QHash<QWidget *, QWidget *> m_enterNext;
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
    QStringList m_attachmentFields;
    QHash<int, Failure> m_failures;
    QLabel *m_position = nullptr;
    QLabel *m_info = nullptr;
    QByteArray m_shownBytes; // the record last read or written, for fields without a control
};
