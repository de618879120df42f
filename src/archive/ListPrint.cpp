#include "archive/ListPrint.h"

#include "documents/ListReport.h"

namespace listprint {

namespace {
Printer &installed()
{
    static Printer printer;
    return printer;
}
} // namespace

void print(QWidget *parent, const QString &title, const QStringList &lines)
{
    if (installed())
        installed()(parent, title, lines);
    else
        brisvola::documents::outputListReport(parent, title, lines);
}

void setPrinter(Printer printer)
{
    installed() = std::move(printer);
}

} // namespace listprint
