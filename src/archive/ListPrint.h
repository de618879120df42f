#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Printing the lines of a find or flagged list under a title, through the document engine's list
// report. Tests replace the printer to see what would be printed.
namespace listprint {

using Printer =
    std::function<void(QWidget *parent, const QString &title, const QStringList &lines)>;

void print(QWidget *parent, const QString &title, const QStringList &lines);
// Installs a printer; an empty function restores the document engine's.
void setPrinter(Printer printer);

} // namespace listprint
