#pragma once

#include "documents/ReportOutput.h"

#include <QList>
#include <QStringList>

// Records what would be previewed or printed instead of showing a window or using a printer.
// Installed for its lifetime. Each entry keeps the text lines of every prepared page.
class ReportRecorder : public brisvola::documents::ReportOutputService
{
public:
    struct Output
    {
        bool preview = false;
        brisvola::documents::PrintMode mode = brisvola::documents::PrintMode::AskPrinter;
        QString name;
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
        QList<QStringList> pages;  // the lines of each page, top to bottom
        QStringList lines() const; // every page's lines in order
    };

    ReportRecorder() { brisvola::documents::setReportOutput(this); }
    ~ReportRecorder() override { brisvola::documents::setReportOutput(nullptr); }

    void preview(brisvola::documents::Report &report, QWidget *parent) override;
    bool print(brisvola::documents::Report &report, QWidget *parent,
               brisvola::documents::PrintMode mode) override;

    // What print() answers (true: printed; false: cancelled).
    bool printAnswer = true;
    QList<Output> outputs;

private:
    Output record(brisvola::documents::Report &report);
};
