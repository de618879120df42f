#include "documents/DocumentDialog.h"

#include "shell/Messages.h"
#include "shell/OpenURL.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisvola::documents {

bool fillDocument(Report &report, const Document &document)
{
    return report.load(document.templatePath) && document.fill && document.fill(report);
}

namespace {
// Hands a prepared report to the output; false when a PDF could not be written, or was written
// and the user chose not to open it.
bool output(QWidget *parent, Report &report, DocumentOutput kind, PrintMode printMode,
            const PdfExport &pdf)
{
    switch (kind) {
    case DocumentOutput::Preview:
        preview(report, parent);
        return true;
    case DocumentOutput::Print:
        // The engine reports a printer that cannot print.
        print(report, parent, printMode);
        return true;
    case DocumentOutput::Pdf: {
        const QString path = pdf.path();
        if (!writePdf(report, path, pdf.title, pdf.subject)) {
            showMessage(parent, MessageKind::Warning, pdf.failureMessage, MessageButtons::Ok);
            return false;
        }
        if (!askYesNo(parent, pdf.doneQuestion))
            return false;
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
        return true;
    }
    }
    return true;
}
} // namespace

bool produceDocument(QWidget *parent, Report &report, const Document &document, DocumentOutput out,
                     PrintMode printMode, const PdfExport &pdf)
{
    if (!fillDocument(report, document))
        return false;
    report.prepare();
    return output(parent, report, out, printMode, pdf);
}

DocumentDialog::DocumentDialog(DocumentDialogConfig config, QWidget *parent)
    : QDialog(parent), m_config(std::move(config))
{
    setObjectName(m_config.className);
    setWindowTitle(m_config.caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    // The explanation: a picture, the title and what the button does.
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panSpiegazione"));
    panel->setStyleSheet(
        QStringLiteral("#panSpiegazione { background: #1f4e9c; border-radius: 10px; }"
                       "QLabel { color: #ffffff; }"));
    auto *icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("imgIcona"));
    icon->setPixmap(QIcon(m_config.icon).pixmap(56, 56));
    icon->setAlignment(Qt::AlignTop);
    auto *title = new QLabel(m_config.title, panel);
    title->setObjectName(QStringLiteral("imgTitolo"));
    QFont titleFont = title->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto *explanation = new QLabel(m_config.explanation, panel);
    explanation->setObjectName(QStringLiteral("imgSpiegazione"));
    explanation->setWordWrap(true);
    explanation->setStyleSheet(QStringLiteral("color: #dfe9f7;"));
    auto *texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(title);
    texts->addWidget(explanation);
    texts->addStretch();
    auto *panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(16, 14, 18, 16);
    panelLayout->setSpacing(14);
    panelLayout->addWidget(icon);
    panelLayout->addLayout(texts, 1);

    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnStampa = new QPushButton(m_config.button, this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnAnnulla->setAutoDefault(false);
    btnStampa->setDefault(true);
    for (QPushButton *b : {btnAnnulla, btnStampa})
        b->setMinimumSize(130, 30);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addStretch();
    buttons->addWidget(btnStampa);

    m_options = new QVBoxLayout;
    m_options->setSpacing(10);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(14);
    layout->addWidget(panel);
    layout->addLayout(m_options);
    layout->addLayout(buttons);
    if (m_config.fixedSize.isEmpty()) {
        panel->setFixedWidth(440);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        m_options->addStretch(1);
        setFixedSize(m_config.fixedSize);
    }

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnStampa, &QPushButton::clicked, this, &DocumentDialog::btnStampaClick);
}

bool DocumentDialog::fillDocument()
{
    return documents::fillDocument(m_report, m_document);
}

void DocumentDialog::btnStampaClick()
{
    if (!fillDocument()) {
        if (m_config.damagedMessage.isEmpty()) {
            accept();
            return;
        }
        showMessage(this, MessageKind::Warning, m_config.damagedMessage, MessageButtons::Ok);
        return;
    }
    m_report.prepare();
    produce();
}

void DocumentDialog::produce()
{
    // A PDF that could not be written, or that the user does not open, keeps the dialog.
    if (output(this, m_report, m_config.output, m_config.printMode, m_config.pdf))
        accept();
}

} // namespace brisvola::documents
