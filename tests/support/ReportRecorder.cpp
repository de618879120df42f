#include "ReportRecorder.h"

using namespace brisvola::documents;

QStringList ReportRecorder::Output::lines() const
{
    QStringList all;
    for (const QStringList &page : pages)
        all << page;
    return all;
}

ReportRecorder::Output ReportRecorder::record(Report &report)
{
    report.prepare();
    Output output;
    output.name = report.name();
    output.orientation = report.orientation();
    for (int i = 0; i < report.pageCount(); ++i)
        output.pages << report.pageLines(i);
    return output;
}

void ReportRecorder::preview(Report &report, QWidget *)
{
    Output output = record(report);
    output.preview = true;
    outputs << output;
}

bool ReportRecorder::print(Report &report, QWidget *, PrintMode mode)
{
    Output output = record(report);
    output.mode = mode;
    outputs << output;
    return printAnswer;
}
