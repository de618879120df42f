#pragma once

#include <QFrame>
#include <QString>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

// The pieces the find, flagged-list and export dialogs share in look: their title banner, their
// buttons, the yellow focus rectangle behind an edit, the magnifier.
namespace dialogparts {

// The band across the top of a dialog: a title and a line of instructions.
QWidget *banner(const QString &title, const QString &instructions, QWidget *parent);

// A push button of the program (the dialogs' bottom rows, the buttons inside the windows): one
// look everywhere.
QPushButton *button(const QString &name, const QString &text, QWidget *parent);
// That look as a style sheet.
QString buttonStyle();

// The magnifier beside a quick-find edit.
QLabel *magnifier(QWidget *parent);

// An edit with its focus rectangle ("eff...", brisvola::addFocusHighlight) in a cell of a layout
// that leaves room for the rectangle around the edit.
class EffCell : public QWidget
{
    Q_OBJECT
public:
    EffCell(QLineEdit *edit, const QString &effName, QWidget *parent);
    QLineEdit *edit() const { return m_edit; }
    QFrame *eff() const { return m_eff; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QLineEdit *m_edit;
    QFrame *m_eff;
};

// The fixed size and frame of the dialogs: no close box, no resizing.
void fixDialog(QWidget *dialog, int width, int height);

// The frame of the find and flagged-list dialogs: name, caption, fixed size, the banner with the
// heading at the top; the rest of the dialog goes into the layout returned.
QVBoxLayout *listDialogFrame(QDialog *dialog, const QString &name, const QString &caption,
                             const QString &heading);

} // namespace dialogparts
