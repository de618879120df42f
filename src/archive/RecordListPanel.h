#pragma once

#include "archive/ListLine.h"
#include "archive/QuickFind.h"

#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The results page that find dialogs and flagged lists share: the quick-find box ("txtTrova",
// "btnTrova"), the list of lines ("lstRecords", Courier New 12, one item per record), the double
// click instruction ("lblRigo03"), the count line ("lblTrovate"), "Chiudi" and "Stampa".
//
// Each list item keeps the position of its record (Qt::UserRole), so a double click brings back
// the record of the line clicked, even when several records give the same line.
//
// A summary window uses only the quick-find box and the list: it places its own total, count and
// commands, a line brings nothing back, and the empty-list message is an information message.
class RecordListPanel : public QWidget
{
    Q_OBJECT
public:
    static const QString doubleClickHint;
    static const QString quickFindHint; // the instructions beside the quick-find box
    static constexpr int positionRole = Qt::UserRole;

    enum class Use
    {
        Results, // find dialogs and flagged lists: the whole page
        Summary  // the find box and the list only
    };

    RecordListPanel(const QString &instructions, QWidget *parent, Use use = Use::Results);

    QListWidget *list() const { return m_list; }
    QLineEdit *findEdit() const { return m_find; }
    QLabel *countLabel() const { return m_count; }

    // Replaces the items by these lines, in this order; the quick find starts afresh.
    void setEntries(const std::vector<listline::Entry> &entries);
    void clearEntries();
    QStringList lines() const;
    // The position of the selected line's record; 0 when no line is selected.
    qint64 selectedPosition() const;

    // "Trova": the quick find over the lines; its one message on an empty list.
    void quickFind();
    // Forgets the last quick-find text and empties the box (when the dialog shows).
    void resetQuickFind();

signals:
    void chosen(qint64 position); // a double click (0: no line selected)
    void printRequested();
    void closeRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_find;
    QPushButton *m_findButton;
    QListWidget *m_list;
    QLabel *m_count = nullptr; // none in a summary
    QuickFind m_quickFind;
    Use m_use;
};
