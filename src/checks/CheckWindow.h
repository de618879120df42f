#pragma once

#include "shell/Messages.h"

#include <QColor>
#include <QDialog>
#include <QSize>

class QLabel;
class QLineEdit;
class QPushButton;

namespace brisvola {
class Picture;
}

// The frame the four check windows share: a fixed-size modal window centred on the screen, with
// no title-bar buttons, over a vertical gradient to white; a picture strip, a line of
// instructions, one edit with "Controlla" beside it and "Chiudi" below. Enter in the edit moves to
// "Controlla"; the window keeps nothing and returns nothing.
class CheckWindow : public QDialog
{
    Q_OBJECT
public:
    struct Frame
    {
        const char *name;     // the window's class name
        QString caption;      // the window title
        QString instructions; // lblTitolo
        QString picture;      // the resource of imgLogo
        QSize size;
        QColor top;        // the colour at the top of the gradient
        const char *field; // the edit's name
        int limit;         // the most characters the user can type into the edit
    };

    CheckWindow(const Frame &frame, QWidget *parent);

    // Puts a caller's value into the edit whole: a value longer than the edit's limit is not
    // cut to fit (it would be checked on a part of itself), and gets the length warning.
    void setValue(const QString &value);

    brisvola::Picture *imgLogo;
    QLabel *lblTitolo;
    QPushButton *btnControlla;
    QPushButton *btnChiudi;

protected:
    QLineEdit *edit() const { return m_edit; }
    // At every change the edit's text loses its outer blanks and, when asked, its letters a to z
    // become capitals.
    void keepTrimmed(bool upperCase);
    // The check of btnControlla.
    virtual void check() = 0;
    // A verdict: the message, then the window closes.
    void tell(brisvola::MessageKind kind, const QString &text);
    // A warning about the value itself: the window stays open with the focus in the edit.
    void warnAndStay(const QString &text);

    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLineEdit *m_edit;
    int m_limit;
    QColor m_top;
};
