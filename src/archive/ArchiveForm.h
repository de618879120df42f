#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <vector>

class QLabel;
class QToolButton;

// The look shared by the archive windows: the blue-to-white background, the picture buttons of
// the top row in white groups, the position counter and the information bar. The icons of the
// usual commands are under ":/archive/" (nuovo, duplica, salva, trova, allega, stampa, primo,
// indietro, avanti, ultimo, esporta, segnalate, guida, esci, cancella, cartella).
namespace archiveform {

// A control the window itself built, found by name; a missing one is a programming error that
// stops the program with its name instead of a crash further on.
template <class T> T *require(const QWidget *window, const QString &name)
{
    T *w = window->findChild<T *>(name);
    if (!w)
        qFatal("%s has no control %s", qPrintable(window->objectName()), qPrintable(name));
    return w;
}

// A widget on the archive windows' background: the gradient from ARGB FF6598C2 at the top to
// white at the bottom.
class GradientBackground : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A white rounded box that groups picture buttons (or any small controls).
QWidget *group(QWidget *parent);

// A picture button: the icon over its caption, flat, with a pointing hand.
QToolButton *commandButton(QWidget *parent, const QString &objectName, const QString &caption,
                           const QString &iconPath, int width = 56);

// One entry of the top row: a picture button, or the position counter where the name is
// "lblPosizione".
struct CommandSpec
{
    const char *name;
    const char *caption;
    const char *icon;
    int width;
};
using CommandGroup = std::vector<CommandSpec>;

// The top row of an archive window: the groups left to right in white boxes, spread across the
// row's width, the first at the left edge and the last at the right one. The boxes are appended
// to *boxes when given (windows clear the information bar over them).
QWidget *commandRow(QWidget *parent, const std::vector<CommandGroup> &groups,
                    QList<QWidget *> *boxes = nullptr);
// The same commands standing in a column (the customer window's right edge): the groups top to
// bottom, the first at the top and the last at the bottom; each button as wide as its entry says
// and buttonHeight tall.
QWidget *commandColumn(QWidget *parent, const std::vector<CommandGroup> &groups,
                       QList<QWidget *> *boxes = nullptr, int buttonHeight = 58);

// A small picture-only button (zoom, delete, picker).
QToolButton *iconButton(QWidget *parent, const QString &objectName, const QString &iconPath,
                        int size = 26);

// lblPosizione: bold, centred.
QLabel *positionLabel(QWidget *parent);

// panInfo: white Tahoma 12 on ARGB FF3030DD.
QLabel *infoBar(QWidget *parent);

// The look of the drop-down lists of the archive windows: a white box with a thin blue border and
// a flat arrow (the platform's sunken arrow box does not match the windows).
QString listStyle();

// The layout of an archive window: the panel of the window's fixed size (995 x 692) centred in
// the window, and, when asked, the information bar across the bottom. Returns the panel.
QWidget *centredPanel(QWidget *window, const QString &panelName, bool withInfoBar);

// A field caption in Verdana.
QLabel *caption(QWidget *parent, const QString &text);

} // namespace archiveform
