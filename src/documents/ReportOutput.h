#pragma once

#include "documents/Report.h"

#include <QDialog>

class QPrinter;
class QPrintPreviewWidget;
class QLabel;

// What a filled report becomes: a preview window, printed pages, a PDF file. Each lays the report
// out again first, so that it shows the report as filled at that moment.
namespace brisvola::documents {

enum class PrintMode
{
    AskPrinter,    // through the print dialog (printer and copies)
    DefaultPrinter // straight to the system's default printer
};

// Paints every page on an open-ready printer (a real one, or a PDF-format QPrinter in tests); the
// printer's page layout is set to the report's. False when the printer cannot be started.
bool printOn(Report &report, QPrinter &printer);

// Writes the report as an uncompressed PDF file with the given title and subject, without any
// dialog. The old file is replaced only when the new one is complete; on failure it is left as it
// was and *error tells why.
bool writePdf(Report &report, const QString &path, const QString &title, const QString &subject,
              QString *error = nullptr);

// Preview and print go through one service that tests can replace (as they replace messages).
class ReportOutputService
{
public:
    virtual ~ReportOutputService() = default;
    // Shows the modal preview; returns when it is closed.
    virtual void preview(Report &report, QWidget *parent) = 0;
    // Prints; false when the user cancels or the printer fails.
    virtual bool print(Report &report, QWidget *parent, PrintMode mode) = 0;
};

// The service in use (the real one unless a test installed another); nullptr restores the real.
ReportOutputService &reportOutput();
void setReportOutput(ReportOutputService *service);

// Shorthands for reportOutput().preview / print.
void preview(Report &report, QWidget *parent);
bool print(Report &report, QWidget *parent, PrintMode mode);

// The preview window: the pages, print, zoom, full screen and close; nothing can be edited.
class ReportPreview : public QDialog
{
    Q_OBJECT
public:
    explicit ReportPreview(Report &report, QWidget *parent = nullptr);
    ~ReportPreview() override;

    QPrintPreviewWidget *view() const { return m_view; }

private:
    void paintPages(QPrinter *printer);
    void updatePageLabel();
    void printFromPreview();
    void toggleFullScreen();

    Report &m_report;
    QPrinter *m_printer = nullptr;
    QPrintPreviewWidget *m_view = nullptr;
    QLabel *m_pageLabel = nullptr;
};

} // namespace brisvola::documents
