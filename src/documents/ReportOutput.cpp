#include "documents/ReportOutput.h"

#include "archive/DiskSync.h"
#include "shell/Messages.h"
#include "shell/Version.h"

#include <QAction>
#include <QBuffer>
#include <QFileInfo>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

// qpdf: use std::shared_ptr throughout (no PointerHolder).
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

namespace brisvola::documents {

namespace {

const QString printFailure = QStringLiteral(
    "Attenzione: non è stato possibile stampare il documento.\r\n\r\nAccertarsi che una "
    "stampante sia installata e pronta.");

QPageLayout pageLayoutOf(const Report &report)
{
    return QPageLayout(QPageSize(QPageSize::A4), report.orientation(), QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

void setUpPrinter(const Report &report, QPrinter &printer)
{
    printer.setFullPage(true);
    printer.setPageLayout(pageLayoutOf(report));
    if (!report.name().isEmpty())
        printer.setDocName(report.name());
}

// Paints the prepared pages on a painter already begun on a paged device.
template <typename Device> bool paintAll(const Report &report, Device &device, QPainter &painter)
{
    for (int i = 0; i < report.pageCount(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        report.paintPage(painter, i);
    }
    return true;
}

class RealOutput : public ReportOutputService
{
public:
    void preview(Report &report, QWidget *parent) override
    {
        ReportPreview dialog(report, parent);
        dialog.exec();
    }

    bool print(Report &report, QWidget *parent, PrintMode mode) override
    {
        QPrinter printer(QPrinter::HighResolution);
        if (mode == PrintMode::DefaultPrinter) {
            const QPrinterInfo info = QPrinterInfo::defaultPrinter();
            if (info.isNull()) {
                showMessage(parent, MessageKind::Warning, printFailure, MessageButtons::Ok);
                return false;
            }
            printer.setPrinterName(info.printerName());
        }
        setUpPrinter(report, printer);
        if (mode == PrintMode::AskPrinter) {
            QPrintDialog dialog(&printer, parent);
            dialog.setWindowTitle(QStringLiteral(" Stampa"));
            if (dialog.exec() != QDialog::Accepted)
                return false;
        }
        if (!printOn(report, printer)) {
            showMessage(parent, MessageKind::Warning, printFailure, MessageButtons::Ok);
            return false;
        }
        return true;
    }
};

RealOutput realOutput;
ReportOutputService *currentOutput = nullptr;

} // namespace

bool printOn(Report &report, QPrinter &printer)
{
    report.prepare();
    // Orientation and margins are the report's; the print dialog chooses printer and copies.
    printer.setFullPage(true);
    printer.setPageLayout(pageLayoutOf(report));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const bool ok = paintAll(report, printer, painter);
    return painter.end() && ok;
}

bool writePdf(Report &report, const QString &path, const QString &title, const QString &subject,
              QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("Impossibile scrivere il file PDF \"%1\": %2")
                         .arg(QFileInfo(path).fileName(), why);
        return false;
    };
    report.prepare();

    // Qt draws the pages (always compressed, with no subject) into memory ...
    QByteArray drawn;
    {
        QBuffer buffer(&drawn);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setPageLayout(pageLayoutOf(report));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Brisvola"));
        QPainter painter;
        if (!painter.begin(&writer))
            return fail(QStringLiteral("impossibile disegnare le pagine"));
        const bool painted = paintAll(report, writer, painter);
        if (!painter.end() || !painted)
            return fail(QStringLiteral("impossibile disegnare le pagine"));
    }

    // ... then qpdf writes it again uncompressed, with title and subject.
    QByteArray finished;
    try {
        QPDF pdf;
        pdf.processMemoryFile("brisvola", drawn.constData(), static_cast<size_t>(drawn.size()));
        QPDFObjectHandle trailer = pdf.getTrailer();
        QPDFObjectHandle info = trailer.getKey("/Info");
        if (!info.isDictionary()) {
            info = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
            trailer.replaceKey("/Info", info);
        }
        info.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(title.toStdString()));
        info.replaceKey("/Subject", QPDFObjectHandle::newUnicodeString(subject.toStdString()));
        info.replaceKey("/Producer",
                        QPDFObjectHandle::newUnicodeString(
                            (QStringLiteral("Brisvola ") + programVersion()).toStdString()));
        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        writer.setCompressStreams(false);
        writer.setStreamDataMode(qpdf_s_uncompress);
        writer.setObjectStreamMode(qpdf_o_disable);
        writer.write();
        const std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
        finished = QByteArray(reinterpret_cast<const char *>(buffer->getBuffer()),
                              static_cast<qsizetype>(buffer->getSize()));
    } catch (const std::exception &exception) {
        return fail(QString::fromLocal8Bit(exception.what()));
    }

    // The old file is replaced only by a complete new one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(finished) != finished.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    if (!commitWhole(file))
        return fail(file.errorString());
    return true;
}

ReportOutputService &reportOutput()
{
    return currentOutput ? *currentOutput : realOutput;
}

void setReportOutput(ReportOutputService *service)
{
    currentOutput = service;
}

void preview(Report &report, QWidget *parent)
{
    reportOutput().preview(report, parent);
}

bool print(Report &report, QWidget *parent, PrintMode mode)
{
    return reportOutput().print(report, parent, mode);
}

ReportPreview::ReportPreview(Report &report, QWidget *parent) : QDialog(parent), m_report(report)
{
    setObjectName(QStringLiteral("TfrmAnteprima"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    setModal(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    m_report.prepare();

    m_printer = new QPrinter(QPrinter::HighResolution);
    setUpPrinter(m_report, *m_printer);
    m_view = new QPrintPreviewWidget(m_printer, this);
    m_view->setObjectName(QStringLiteral("vistaPagine"));
    m_view->setViewMode(QPrintPreviewWidget::SinglePageView);
    m_view->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::paintPages);
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::updatePageLabel);

    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("barraComandi"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(16, 16));
    const auto add = [&](const char *name, const QString &text, const QKeySequence &key,
                         auto slot) {
        QAction *action = bar->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, slot] {
            slot();
            updatePageLabel();
        });
        return action;
    };
    // The program's own pictures, as in the archive windows.
    add("btnStampa", QStringLiteral("Stampa"), QKeySequence::Print, [this] {
        printFromPreview();
    })->setIcon(QIcon(QStringLiteral(":/archive/stampa.svg")));
    bar->addSeparator();
    add("btnPrimaPagina", QStringLiteral("Prima pagina"), QKeySequence(Qt::Key_Home), [this] {
        m_view->setCurrentPage(1);
    })->setIcon(QIcon(QStringLiteral(":/archive/primo.svg")));
    add("btnPaginaPrecedente", QStringLiteral("Pagina precedente"), QKeySequence(Qt::Key_PageUp),
        [this] { m_view->setCurrentPage(m_view->currentPage() - 1); })
        ->setIcon(QIcon(QStringLiteral(":/archive/indietro.svg")));
    m_pageLabel = new QLabel(bar);
    m_pageLabel->setObjectName(QStringLiteral("lblPagina"));
    m_pageLabel->setContentsMargins(8, 0, 8, 0);
    bar->addWidget(m_pageLabel);
    add("btnPaginaSuccessiva", QStringLiteral("Pagina successiva"), QKeySequence(Qt::Key_PageDown),
        [this] { m_view->setCurrentPage(m_view->currentPage() + 1); })
        ->setIcon(QIcon(QStringLiteral(":/archive/avanti.svg")));
    add("btnUltimaPagina", QStringLiteral("Ultima pagina"), QKeySequence(Qt::Key_End), [this] {
        m_view->setCurrentPage(m_view->pageCount());
    })->setIcon(QIcon(QStringLiteral(":/archive/ultimo.svg")));
    bar->addSeparator();
    add("btnZoomPiu", QStringLiteral("Zoom +"), QKeySequence::ZoomIn, [this] {
        m_view->zoomIn();
    })->setIcon(QIcon::fromTheme(QStringLiteral("zoom-in")));
    add("btnZoomMeno", QStringLiteral("Zoom -"), QKeySequence::ZoomOut, [this] {
        m_view->zoomOut();
    })->setIcon(QIcon::fromTheme(QStringLiteral("zoom-out")));
    add("btnPaginaIntera", QStringLiteral("Pagina intera"), QKeySequence(),
        [this] { m_view->fitInView(); });
    add("btnLarghezzaPagina", QStringLiteral("Larghezza pagina"), QKeySequence(),
        [this] { m_view->fitToWidth(); });
    bar->addSeparator();
    add("btnSchermoIntero", QStringLiteral("Schermo intero"), QKeySequence(Qt::Key_F11), [this] {
        toggleFullScreen();
    })->setIcon(QIcon::fromTheme(QStringLiteral("view-fullscreen")));
    add("btnChiudi", QStringLiteral("Chiudi"), QKeySequence(Qt::Key_Escape), [this] {
        accept();
    })->setIcon(QIcon(QStringLiteral(":/archive/esci.svg")));
    // Page arrows show their picture only; the other commands their words.
    for (const char *name :
         {"btnPrimaPagina", "btnPaginaPrecedente", "btnPaginaSuccessiva", "btnUltimaPagina"}) {
        QAction *action = findChild<QAction *>(QLatin1String(name));
        action->setToolTip(action->text());
        if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action)))
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_view, 1);
    resize(980, 760);
    m_view->updatePreview();
}

ReportPreview::~ReportPreview()
{
    delete m_view;
    delete m_printer;
}

void ReportPreview::paintPages(QPrinter *printer)
{
    QPainter painter;
    if (!painter.begin(printer))
        return;
    paintAll(m_report, *printer, painter);
    painter.end();
}

void ReportPreview::updatePageLabel()
{
    m_pageLabel->setText(
        QStringLiteral("Pagina %1 di %2").arg(m_view->currentPage()).arg(m_view->pageCount()));
}

void ReportPreview::printFromPreview()
{
    reportOutput().print(m_report, this, PrintMode::AskPrinter);
}

void ReportPreview::toggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

} // namespace brisvola::documents
