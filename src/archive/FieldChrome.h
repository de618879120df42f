#pragma once

#include <QList>
#include <QString>
#include <Qt>

class QLineEdit;
class QWidget;

// The field conventions of the dialogs: the yellow rectangle behind the focused
// field and the Enter key moving along a chain of fields.
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

} // namespace brisvola
