#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

class ArchiveWindow;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Builds the controls of an archive window from its record layout: each control is named after
// its field ("txt" + field for edits, memos and lists, "chk" + field for flags, "lbl" + field for
// hidden state), takes the field's capacity as its maximum length and is bound to the field in
// the window's ArchiveWindow. A window only says which fields it shows, with caption and place;
// no capacity is written twice. Repeated rows (dish slots, quote lines) come from one Row
// description: the cells of row NN are the controls of fields Base + NN.
class FormBuilder
{
public:
    FormBuilder(QWidget *parent, ArchiveWindow *archive);

    // The widget the next controls go into (a panel, a block).
    void setParent(QWidget *parent) { m_parent = parent; }
    QWidget *parent() const { return m_parent; }
    // The font of the edits and memos made from here on (the parent's font when none is set).
    void setFont(const QFont &font)
    {
        m_font = font;
        m_hasFont = true;
    }

    QLineEdit *edit(const QString &field);
    QLineEdit *edit(const QString &field, const QRect &geometry);
    QPlainTextEdit *memo(const QString &field, const QRect &geometry);
    QCheckBox *check(const QString &field, const QString &text = {});
    // An editable drop-down of values, as long as the field allows; its edit is the field. It is
    // named "txt" + field unless controlName says otherwise.
    QComboBox *list(const QString &field, const QStringList &values,
                    const QString &controlName = {});
    // A hidden label holding a field (attachment slots).
    QLabel *hidden(const QString &field);
    // A field shown, not typed (a computed amount): a label named "txt" + field.
    QLabel *display(const QString &field);
    // A caption in the app's caption font at a point of the parent.
    QLabel *caption(const QString &text, int x, int y);

    // One cell of a repeated row: the field base, what kind of control, its fixed width (0 for
    // none) and its alignment. A Button cell is no field: a picture button named base + NN (an
    // import arrow in each row), as wide and high as its width, with the picture of icon; the
    // window connects it.
    enum class Kind
    {
        Edit,
        Check,
        Display,
        Button
    };
    struct Cell
    {
        const char *base;
        Kind kind = Kind::Edit;
        int width = 0;
        Qt::Alignment alignment = {};
        const char *icon = nullptr;
    };
    using Row = std::vector<Cell>;
    // The controls of row n (fields Base + two-digit n) in grid row gridRow from column
    // firstColumn on, in the row's order; Enter moves along the ones that take input.
    std::vector<QWidget *> row(const Row &row, int n, QGridLayout *grid, int gridRow,
                               int firstColumn = 0);

    // The field name of group member n: Base01...Base99.
    static QString member(const char *base, int n);

private:
    int capacity(const QString &field) const;
    void bind(const QString &field, QWidget *control);
    void applyFont(QWidget *w) const;

    QWidget *m_parent;
    ArchiveWindow *m_archive;
    QFont m_font;
    bool m_hasFont = false;
};
