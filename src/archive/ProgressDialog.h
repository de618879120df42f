#pragma once

#include "archive/Progress.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <functional>

class QProgressDialog;
class QWidget;

// The progress of long work as the user sees it: nothing for the first half second, then a modal
// dialog with the count of records handled and "Interrompi", which stops the work.
//
//     ProgressDialog progress(this, ProgressDialog::reading);
//     if (!RecordFile(path, layout).scan(visit, &progress)) ... // stopped by the user
class ProgressDialog : public Progress
{
public:
    // The line above the bar; %1 is the count handled, %2 the total.
    static const QString reading; // "Lettura dell'archivio in corso: %1 schede lette su %2."
    static const QString writing; // "Scrittura del file in corso: %1 righe scritte su %2."

    ProgressDialog(QWidget *parent, QString text);
    ~ProgressDialog() override;

    bool advance(qint64 done, qint64 total) override;
    bool stopped() const { return m_stopped; }

    // Tests slow the work down through this hook, called at every step with the dialog (or null
    // while it is not shown yet).
    static void setStepHook(std::function<void(QProgressDialog *)> hook);

private:
    QWidget *m_parent;
    QString m_text;
    QElapsedTimer m_clock;
    QPointer<QProgressDialog> m_dialog;
    bool m_stopped = false;
};
