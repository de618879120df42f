#pragma once

#include "archive/FindDialog.h"

#include <QDialog>

// What makes a flagged-records list one archive's.
struct FlaggedConfig
{
    QString className;  // "TfrmRicetteSegnalate"
    QString caption;    // " Riepilogo ricette segnalate"
    QString heading;    // the title on the banner
    QString printTitle; // "Riepilogo ricette segnalate"
    const RecordLayout *layout = nullptr;
    std::function<QString()> archivePath;
    const char *flagField = nullptr; // listed when it holds "Sì"
    listline::Builder line;
    bool sorted = true;
    RecordTarget target;
};

// The list of the records whose flag is "Sì", filled when the dialog shows; quick find, print,
// and a double click that brings the record of the line clicked into its window.
class FlaggedListDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FlaggedListDialog(FlaggedConfig config, QWidget *parent = nullptr);

    const FlaggedConfig &config() const { return m_config; }
    RecordListPanel *results() const { return m_results; }

public slots:
    void lstRecordsDblClick();
    void btnStampaClick();

protected:
    void showEvent(QShowEvent *event) override;

public:
    void done(int result) override;

private:
    void fill();
    void choose(qint64 position);

    FlaggedConfig m_config;
    RecordListPanel *m_results = nullptr;
};
