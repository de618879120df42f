#pragma once

#include "documents/Report.h"
#include "documents/ReportOutput.h"

#include <QDialog>
#include <QSize>
#include <QString>

#include <functional>

class QPushButton;
class QVBoxLayout;

// The one frame through which every app's documents reach the preview, the printer and PDF files.
// A document is a template (data, see Report.h) and a function that fills it; the small dialogs
// that lead to a document (TfrmAnteprimaPrev, TfrmStampaRicette, ...) are this dialog configured:
// their look, what their button does, and the document.
//
// An app adds a document by writing its fill function, e.g.
//     bool fillMenuPage(Report &report, const MenuTexts &menu);
// and one thin class per documented dialog:
//     TfrmStampaMenu::TfrmStampaMenu(const MenuTexts &menu, QWidget *parent)
//         : DocumentDialog({"TfrmStampaMenu", " Stampa scheda menu", ..., DocumentOutput::Print},
//                          parent)
//     {
//         setDocument({menuTemplate, [menu](Report &r) { return fillMenuPage(r, menu); }});
//     }
// The opener hands the dialog the values to print; the dialog reads no window.
namespace brisvola::documents {

struct Document
{
    QString templatePath; // a file or a resource (":/templates/<name>.json")
    // Fills the loaded template; false when the template lacks one of the objects it fills.
    std::function<bool(Report &report)> fill;
};

// Loads the document's template into report and fills it: false when the template cannot be
// read or the fill fails.
bool fillDocument(Report &report, const Document &document);

enum class DocumentOutput
{
    Preview, // the modal preview, then the dialog closes
    Print,   // the print step (printMode), then the dialog closes
    Pdf      // the PDF file; see PdfExport
};

// The PDF file of a document: written uncompressed with its title and subject. A file that
// cannot be written is reported (failureMessage) and the dialog stays for another try; once
// written, doneQuestion asks whether to open it: Yes opens it and closes the dialog, No keeps it.
struct PdfExport
{
    std::function<QString()> path = {}; // asked when the button is pressed
    QString title = {};
    QString subject = {};
    QString failureMessage = {};
    QString doneQuestion = {};
};

// Fills a document, prepares its pages and hands them to the output, with no dialog of its own
// (the windows whose commands preview, print or save a card straight away, and DocumentDialog's
// button). False when the document could not be filled, or for a PDF when it could not be written
// (failureMessage shown, the previous file left whole) or the user chose not to open it.
bool produceDocument(QWidget *parent, Report &report, const Document &document,
                     DocumentOutput output, PrintMode printMode = PrintMode::AskPrinter,
                     const PdfExport &pdf = {});

struct DocumentDialogConfig
{
    QString className = {};   // the dialog's object name ("TfrmStampaPrev")
    QString caption = {};     // " Stampa preventivo"
    QString button = {};      // the text of btnStampa
    QString icon = {};        // the picture of the explanation
    QString title = {};       // the title of the explanation
    QString explanation = {}; // what the button does
    DocumentOutput output = DocumentOutput::Preview;
    PrintMode printMode = PrintMode::AskPrinter;
    PdfExport pdf = {};
    // Shown when the document cannot be filled (the dialog stays); empty: the dialog closes
    // without a word.
    QString damagedMessage = {};
    QSize fixedSize = {}; // empty: the size of the contents
};

// The dialog: the explanation (a picture, the title, what the button does), the room for the
// document's options, "Annulla" (btnAnnulla) and the button (btnStampa) that fills the document,
// prepares its pages and hands them to the output.
class DocumentDialog : public QDialog
{
    Q_OBJECT
public:
    DocumentDialog(DocumentDialogConfig config, QWidget *parent);

    QPushButton *btnAnnulla;
    QPushButton *btnStampa;

    const DocumentDialogConfig &config() const { return m_config; }
    void setDocument(Document document) { m_document = std::move(document); }
    const Document &document() const { return m_document; }

    // The report as last filled (its own copy of the template).
    Report &report() { return m_report; }
    // Loads and fills the report from the document as it is now; false when it cannot.
    bool fillDocument();

public slots:
    // Fill, prepare, produce.
    void btnStampaClick();

protected:
    // Where a dialog puts its options (radio buttons, ...), between the explanation and the
    // buttons.
    QVBoxLayout *optionsLayout() const { return m_options; }

private:
    void produce();

    DocumentDialogConfig m_config;
    Document m_document;
    Report m_report;
    QVBoxLayout *m_options;
};

} // namespace brisvola::documents
