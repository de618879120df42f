#pragma once

#include "archive/FindCriterion.h"
#include "archive/ListLine.h"
#include "archive/RecordLayout.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class RecordListPanel;

namespace dialogparts {
class EffCell;
}

// Where a chosen record goes: the window (or the slot of a window) that the dialog fills.
using RecordTarget = std::function<void(const Record &record, qint64 position)>;

// A record a dialog gives back: the record and its position (1-based) in the archive.
struct ChosenRecord
{
    Record record;
    qint64 position = 0;
};

// Reads the record at position (1-based) in the archive; nothing when no line was chosen (0) or
// the archive cannot be read.
std::optional<ChosenRecord> readChosen(const std::function<QString()> &archivePath,
                                       const RecordLayout &layout, qint64 position);

// Reads the record at position and hands it to the target. Nothing happens, without a word, when
// no line was chosen, there is no target or the archive cannot be read: the dialog that calls it
// closes all the same.
void bringRecord(const RecordTarget &target, const std::function<QString()> &archivePath,
                 const RecordLayout &layout, qint64 position);

// What makes a find dialog one archive's: every find dialog of the program is this one dialog,
// configured.
struct FindConfig
{
    QString className;  // the dialog's object name ("TfrmTrovaRicette")
    QString caption;    // " Trova ricette in archivio"
    QString heading;    // the title on the dialog's banner
    QString printTitle; // "Riepilogo ricette in archivio"
    const RecordLayout *layout = nullptr;
    std::function<QString()> archivePath;
    QList<FindCriterion> criteria;
    listline::Builder line;
    bool sorted = true; // alphabetical; false keeps file order
    QString countPrefix = QStringLiteral("Il presente riepilogo contiene ");
    QString countSuffix = QStringLiteral(" schede.");
    // The targets by the keyword in lblMemory; with a keyword without a target the dialog only
    // gives the record back (chosen()) for its opener to apply.
    QHash<QString, RecordTarget> targets;
};

// The find dialog: the criteria page ("panAvvio"), then the results page ("panContainer") with the
// lines of the records that satisfy every criterion in use. A double click reads the record of
// the line clicked, hands it to the target named by lblMemory, keeps it as chosen() and closes
// the dialog.
class FindDialog : public QDialog
{
    Q_OBJECT
public:
    static const QString waitText;

    explicit FindDialog(FindConfig config, QWidget *parent = nullptr);

    const FindConfig &config() const { return m_config; }
    QLabel *memoryLabel() const { return m_memory; }
    RecordListPanel *results() const { return m_results; }
    QLineEdit *criterion(const QString &control) const;
    // The record of the line double-clicked; nothing when the dialog was closed without one.
    const std::optional<ChosenRecord> &chosen() const { return m_chosen; }

public slots:
    void btnCercaClick();
    void lstRecordsDblClick();
    void btnStampaClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

public:
    void done(int result) override;

private:
    void choose(qint64 position);

    FindConfig m_config;
    QWidget *m_criteriaPage = nullptr;
    RecordListPanel *m_results = nullptr;
    QList<QLineEdit *> m_edits;
    QPushButton *m_search = nullptr;
    QLabel *m_wait = nullptr;
    QLabel *m_count = nullptr;
    QLabel *m_memory = nullptr;
    std::optional<ChosenRecord> m_chosen;
};
