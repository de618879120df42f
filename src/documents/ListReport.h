#pragma once

#include "documents/Report.h"

#include <QStringList>

class QWidget;

// The list report of the find, flagged-list and summary dialogs: A4 landscape, the title in a
// grey bar, the list lines in Courier New 8 points (as many pages as they need), and the print
// date at the foot of every page.
namespace brisvola::documents {

inline const QString listTemplate = QStringLiteral(":/templates/lista.json");

// Report units from one list line to the next.
constexpr double listLineUnits = 12.822;

// Loads the list template into report and fills it: the title into txtTitolo, the lines (in
// their order) into txtRiepilogo, the memo 12.822 units a line high and its band 10 units more.
bool fillListReport(Report &report, const QString &title, const QStringList &lines);

enum class ListOutput
{
    Print,
    Preview
};

// Fills the list report and prints it through the print dialog, or shows it in the preview.
// False when nothing was printed (cancelled, no printer).
bool outputListReport(QWidget *parent, const QString &title, const QStringList &lines,
                      ListOutput how = ListOutput::Print);

} // namespace brisvola::documents
