#pragma once

#include "archive/ListLine.h"
#include "archive/QuickFind.h"

#include <QAbstractListModel>
#include <QListView>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

// The lines of a result list as a model: each row is one line's text (Qt::DisplayRole) and the
// position of its record (RecordList::positionRole). A line's text is made when the view asks for
// it, and every row has the same size hint, so the view lays out a hundred thousand lines without
// making or measuring each one.
class RecordListModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    void setLines(listline::Lines lines);
    const listline::Lines &lines() const { return m_lines; }
    void setRowSize(QSize size) { m_rowSize = size; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    listline::Lines m_lines;
    QSize m_rowSize;
};

// The list of lines ("lstRecords"): a list view over a RecordListModel, with the few row
// operations its users need.
class RecordList : public QListView
{
    Q_OBJECT
public:
    static constexpr int positionRole = Qt::UserRole;

    explicit RecordList(QWidget *parent);

    int count() const;
    QString text(int row) const;
    qint64 position(int row) const;
    // The current row, -1 when there is none.
    int currentRow() const;
    void setCurrentRow(int row);
    QString currentText() const { return text(currentRow()); }

    void setLines(listline::Lines lines);
    const listline::Lines &lines() const { return m_model->lines(); }

private:
    RecordListModel *m_model;
};

// The results page that find dialogs and flagged lists share: the quick-find box ("txtTrova",
// "btnTrova"), the list of lines ("lstRecords", Courier New 12, one item per record), the double
// click instruction ("lblRigo03"), the count line ("lblTrovate"), "Chiudi" and "Stampa".
//
// Each line keeps the position of its record (Qt::UserRole), so a double click brings back the
// record of the line clicked, even when several records give the same line.
//
// A summary window uses only the quick-find box and the list: it places its own total, count and
// commands, a line brings nothing back, and the empty-list message is an information message.
class RecordListPanel : public QWidget
{
    Q_OBJECT
public:
    static const QString doubleClickHint;
    static const QString quickFindHint; // the instructions beside the quick-find box
    static constexpr int positionRole = RecordList::positionRole;

    enum class Use
    {
        Results, // find dialogs and flagged lists: the whole page
        Summary  // the find box and the list only
    };

    RecordListPanel(const QString &instructions, QWidget *parent, Use use = Use::Results);

    RecordList *list() const { return m_list; }
    QLineEdit *findEdit() const { return m_find; }
    QLabel *countLabel() const { return m_count; }

    // Replaces the items by these lines, in this order; the quick find starts afresh.
    void setLines(listline::Lines lines);
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
    RecordList *m_list;
    QLabel *m_count = nullptr; // none in a summary
    QuickFind m_quickFind;
    Use m_use;
};
