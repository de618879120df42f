#include "documents/ListReport.h"

#include "documents/ReportOutput.h"

namespace brisvola::documents {

bool fillListReport(Report &report, const QString &title, const QStringList &lines)
{
    if (!report.load(listTemplate))
        return false;
    const double memo = fromUnits(listLineUnits * lines.size());
    return report.setText(QStringLiteral("txtTitolo"), title) &&
           report.setText(QStringLiteral("txtRiepilogo"), lines.join(QLatin1Char('\n'))) &&
           report.setHeight(QStringLiteral("txtRiepilogo"), memo) &&
           report.setBandHeight(QStringLiteral("MasterData"), memo + fromUnits(10));
}

bool outputListReport(QWidget *parent, const QString &title, const QStringList &lines,
                      ListOutput how)
{
    Report report;
    if (!fillListReport(report, title, lines))
        return false;
    if (how == ListOutput::Preview) {
        preview(report, parent);
        return true;
    }
    return print(report, parent, PrintMode::AskPrinter);
}

} // namespace brisvola::documents
