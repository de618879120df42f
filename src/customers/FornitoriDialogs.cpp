// The customer window's commands that open dialogs, the documents and the mail program.
#include "customers/ExpFornitori.h"
#include "customers/Fornitori.h"
#include "customers/RicontattaFor.h"
#include "customers/SchedaCliente.h"
#include "customers/TrovaFornitori.h"
#include "shell/OpenURL.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

using namespace brisvola::documents;

void TfrmFornitori::connectDialogs()
{
    const std::pair<const char *, void (TfrmFornitori::*)()> buttons[] = {
        {"cmdTrova", &TfrmFornitori::cmdTrovaClick},
        {"cmdRicontatta", &TfrmFornitori::cmdRicontattaClick},
        {"cmdEsporta", &TfrmFornitori::cmdEsportaClick},
        {"cmdAnteprima", &TfrmFornitori::cmdAnteprimaClick},
        {"cmdStampa", &TfrmFornitori::cmdStampaClick},
        {"cmdPDF", &TfrmFornitori::cmdPDFClick},
        {"btnEmail", &TfrmFornitori::btnEmailClick},
    };
    for (const auto &[name, handler] : buttons)
        connect(archiveform::require<QAbstractButton>(this, QLatin1String(name)),
                &QAbstractButton::clicked, this, handler);
}

void TfrmFornitori::cmdTrovaClick()
{
    TfrmTrovaFornitori find(this);
    find.lblMemory->setText(QStringLiteral("fornitori"));
    find.exec();
}

void TfrmFornitori::cmdRicontattaClick()
{
    TfrmRicontattaFor list(this);
    list.exec();
}

void TfrmFornitori::cmdEsportaClick()
{
    TfrmExpFornitori exportDialog(this);
    exportDialog.exec();
}

void TfrmFornitori::cmdAnteprimaClick()
{
    Report report;
    produceDocument(this, report, customers::card(customers::screenValues(this)),
                    DocumentOutput::Preview);
}

void TfrmFornitori::cmdStampaClick()
{
    Report report;
    produceDocument(this, report, customers::card(customers::screenValues(this)),
                    DocumentOutput::Print, PrintMode::AskPrinter);
}

void TfrmFornitori::cmdPDFClick()
{
    Report report;
    produceDocument(this, report, customers::card(customers::screenValues(this)),
                    DocumentOutput::Pdf, PrintMode::AskPrinter, customers::cardPdf());
}

void TfrmFornitori::btnEmailClick()
{
    TMisc::Open(QLatin1Char('"') + brisvola::mailtoLink(m_email->text().trimmed()) +
                QLatin1Char('"'));
}
