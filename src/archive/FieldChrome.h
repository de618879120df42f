#pragma once

#include <QList>
#include <QString>
#include <Qt>

class QComboBox;
class QLineEdit;
class QWidget;

// The field conventions of every window: the yellow rectangle behind the focused field, the Enter
// key moving along a chain of fields, the key filters of numeric fields.
namespace brisvola {

// Puts a yellow rectangle named effName behind field, shown while the field has the focus.
QWidget *addFocusHighlight(QWidget *field, const QString &effName);

// Enter in each widget of the chain moves the focus to the next; the last leads to the first.
void setEnterChain(const QList<QWidget *> &chain);
// Enter in from moves the focus to to (when it is enabled). The reason tells the target how it
// got the focus: a Tab reason selects an edit's text.
void setEnterTarget(QWidget *from, QWidget *to, Qt::FocusReason reason = Qt::TabFocusReason);

// Accepts only the digits (and the editing keys) in an edit; a paste with anything else is refused.
void acceptDigitsOnly(QLineEdit *edit);
// Discards every key that types a character other than a digit 0 to 9, one key at a time, so a
// text put in by the program (a card number with blanks) stays editable; a paste brings in only
// the digits of the text pasted, and nothing can be dropped on the edit.
void discardNonDigitKeys(QLineEdit *edit);
// The same for any set of allowed characters. Shortcuts held with Control, Alt or Meta (select
// all, copy, cut, undo) always pass.
void filterKeys(QLineEdit *edit, const QString &allowed);
// An amount or number field of an archive window: digits (and the decimal comma) only, and the
// whole text selected as the field takes the focus, so that typing replaces it.
void numberField(QLineEdit *edit, bool decimalComma);

// A drop-down whose value can only be chosen from its list. Typed characters are ignored; so are
// Backspace and Delete, unless emptiable, when they empty the field. Enter, Tab, the Left and Right
// arrows and the keys that open the list (F4, Alt+Down) keep their meaning. No entry is selected as
// the field takes the focus, and a text that is not exactly one of the entries (after trimming)
// is emptied as it loses the focus.
void listOnlyField(QComboBox *box, bool emptiable);
// An editable drop-down whose list has no entry selected as it takes the focus; the text stays.
void noSelectionOnFocus(QComboBox *box);

} // namespace brisvola
