#pragma once

#include <QList>
#include <QString>

class QLineEdit;
class QWidget;

// The field conventions of the quotes windows' dialogs: the yellow rectangle behind the focused
// field and the Enter key moving along a chain of fields.
namespace quotes {

// Puts a yellow rectangle named effName behind field, shown while the field has the focus.
QWidget *addFocusHighlight(QWidget *field, const QString &effName);

// Enter in each widget of the chain moves the focus to the next; the last leads to the first.
void setEnterChain(const QList<QWidget *> &chain);
// Enter in from moves the focus to to.
void setEnterTarget(QWidget *from, QWidget *to);

// Accepts only the digits (and the editing keys) in an edit; a paste with anything else is refused.
void acceptDigitsOnly(QLineEdit *edit);

} // namespace quotes
