#pragma once

#include "archive/RecordLayout.h"
#include "shell/Messages.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>

// The sequence every archive window runs over one record of texts: navigation (first, previous,
// next, last), New, Duplicate and Save, with their messages. It knows no widget: the window hands
// it a Screen (the fields' texts, the position counter, the messages and the focus), and an app
// describes itself in a Config. The rules the apps share are here once; what differs between them
// is data in their Config.
//
//   New        prepareNew (if any) is asked first: false stops with the New failure message and
//              changes nothing. Then every bound field not in keptByNew is emptied or gets its
//              default, hooks.clear runs, the position empties, the values of newValues are put
//              (nullopt stops there with the failure message), the first control takes the focus.
//   Duplicate  on a card never saved: the refusal warning. Otherwise duplicateValues (if any) is
//              asked first, and the archive opened when told to before the copy: nullopt, or an
//              archive failure, stops with the Duplicate failure message and changes nothing.
//              Then the attachment fields empty, the values of duplicateValues are put (and the
//              flags clear, when told), the position empties, hooks.duplicate runs, the archive
//              is opened when told to after the copy (a failure leaves the copy begun), the first
//              control takes the focus, and the information notice follows.
//   Save       hooks.beforeSave, the saveDefaults into empty fields, then the checks in their
//              order (the first that fails shows its message, focuses its control and stops),
//              hooks.check, then the record is read from the screen (bound fields, trimmed unless
//              told otherwise; other fields as last read), derive runs, and the record is
//              overwritten at the position or appended; the position is set (and the stored record
//              shown again, when told), hooks.stored runs, and the inserted or updated notice
//              follows.
//   Navigation the empty-archive notice on an empty archive; previous on record 1 and next on
//              the last record do nothing.
// An archive failure of any step shows the one archive message with the kind and buttons set for
// that command in Config::failures (an error with OK and Cancel otherwise); the screen keeps what
// it holds.
class ArchiveSession
{
public:
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

    // What the session reads and shows through the window.
    class Screen
    {
    public:
        virtual ~Screen() = default;
        // Whether a field has a control on screen; fields without one keep the bytes last read.
        virtual bool hasControl(int field) const = 0;
        // A field's text as the screen holds it (flags as "Sì" or "No").
        virtual QString text(int field) const = 0;
        virtual void setText(int field, const QString &text) = 0;
        // The position counter's text: empty for a new card, the record's number otherwise.
        virtual QString positionText() const = 0;
        virtual void setPositionText(const QString &text) = 0;
        virtual void message(brisvola::MessageKind kind, const QString &text,
                             brisvola::MessageButtons buttons) = 0;
        virtual void focus(const QString &control) = 0;
    };

    // One save check: passes() is asked with the screen as it is; when it says false, the message
    // is shown and the control takes the focus.
    struct Check
    {
        QString control;
        std::function<bool(const ArchiveSession &)> passes;
        QString message;
        brisvola::MessageKind kind = brisvola::MessageKind::Warning;
        brisvola::MessageButtons buttons = brisvola::MessageButtons::OkCancel;
        // A message that names what the screen holds ("la data 31/04/2024 non esiste"): when
        // set, it gives the text shown instead of message.
        std::function<QString(const ArchiveSession &)> describe = {};
    };
    // The usual check: the field must not be empty after trimming.
    static Check required(const QString &field, const QString &control, const QString &message);

    // How a flag field shows a stored text other than "Sì" or "No": as not ticked (Read) or by
    // leaving the check box as it was (KeepUnlessYesOrNo).
    enum class FlagOnShow
    {
        Read,
        KeepUnlessYesOrNo
    };

    struct Failure
    {
        brisvola::MessageKind kind = brisvola::MessageKind::Error;
        brisvola::MessageButtons buttons = brisvola::MessageButtons::OkCancel;
    };

    struct Config
    {
        std::function<QString()> archivePath;
        // Emptied by Duplicate (the attached files and their descriptions).
        QStringList attachmentFields;
        // What New puts in a field instead of an empty text.
        QHash<QString, QString> defaults;
        // Fields New leaves as they are.
        QStringList keptByNew;
        // Asked before New clears anything (the quote numbering counts the archive): false, or an
        // ArchiveError, stops New with its failure message and changes nothing.
        std::function<bool()> prepareNew;
        // What New sets after clearing (a proposed number, today's date); nullopt, or an
        // ArchiveError, stops New there with its failure message.
        std::function<std::optional<QHash<QString, QString>>()> newValues;
        // What Duplicate sets in the copy (the quotes: a proposed number, today's date, the
        // pending flag cleared), asked before the copy changes anything; nullopt, or an
        // ArchiveError, stops Duplicate with its failure message and changes nothing.
        std::function<std::optional<QHash<QString, QString>>()> duplicateValues;
        QStringList flagFields;
        FlagOnShow flagOnShow = FlagOnShow::Read;
        // Texts are trimmed before they are stored.
        bool trimOnWrite = true;
        // What Save puts, before its checks, into a field the screen holds empty (a count of
        // "0", an amount of "0,00").
        QHash<QString, QString> saveDefaults;
        // After a save the stored record goes back on screen, so that the fields derive worked
        // out show what the archive holds.
        bool showStored = false;
        // Duplicate opens the archive (creating it) to make sure it is reachable: before the copy
        // is begun (a failure changes nothing) or once it is made (a failure leaves the screen as
        // the copy left it). Either way a failure shows the Duplicate failure message and the
        // information notice does not follow.
        enum class ArchiveCheck
        {
            None,
            BeforeCopy,
            AfterCopy
        };
        ArchiveCheck duplicateOpensArchive = ArchiveCheck::None;
        // The notice after a record is appended; empty for the usual one.
        QString insertedMessage;
        // The control that takes the focus after New and Duplicate.
        QString firstControl;
        // Duplicate also clears the flags (the copy starts unflagged).
        bool duplicateClearsFlags = false;
        QList<Check> checks;
        // Fields worked out from the others as the record is stored.
        std::function<void(Record &)> derive;
        std::map<Command, Failure> failures;
    };

    // What an app keeps beside the record (a photo, totals on screen). Every hook is optional.
    struct Hooks
    {
        std::function<void()> clear;                 // New: after the fields are emptied
        std::function<void()> duplicate;             // Duplicate: after the slots are emptied
        std::function<void()> beforeSave;            // Save: before the checks
        std::function<bool()> check;                 // Save: after the checks; false stops
        std::function<void(const Record &)> show;    // showing: after the fields
        std::function<void(qint64 position)> shown;  // showing: after the position is set
        std::function<void(qint64 position)> stored; // Save: after the position is set,
                                                     // before the notice
    };

    ArchiveSession(const RecordLayout &layout, Config config, Screen &screen);

    const RecordLayout &layout() const { return *m_layout; }
    Config &config() { return m_config; }
    const Config &config() const { return m_config; }
    QString archivePath() const
    {
        return m_config.archivePath ? m_config.archivePath() : QString();
    }
    Hooks hooks;

    // The text of a field on screen (for a field without a control, as last read).
    QString text(const QString &field) const;
    QString text(int field) const;
    void setText(const QString &field, const QString &value);

    // 0 for a new card; an unreadable counter is an ArchiveError.
    qint64 position() const;
    // The record as the screen holds it now, derived fields included.
    Record record() const;
    // Puts a record on screen as record p.
    void show(const Record &record, qint64 position);
    // Reads record p and shows it; false (after the failure message of command) on failure.
    bool showPosition(qint64 position, Command command = Command::First);

    // Empties the card as New does, without newValues and without the focus (a window showing
    // itself).
    void clear();

    void newCard();
    void duplicate();
    bool save();
    void first();
    void previous();
    void next();
    void last();

    static QString flagText(bool ticked);
    static bool flagFromText(const QString &text);

private:
    void notice(brisvola::MessageKind kind, const QString &text);
    void failure(Command command);
    int fieldIndex(const QString &field) const;

    const RecordLayout *m_layout;
    Config m_config;
    Screen *m_screen;
    QByteArray m_shownBytes; // the record last read or written, for fields without a control
};
