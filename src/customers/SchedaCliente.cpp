#include "customers/SchedaCliente.h"

#include "archive/ArchiveWindow.h"
#include "customers/CustomerRecord.h"
#include "customers/Fornitori.h"
#include "recipes/RecipeCard.h"
#include "shell/ProgramFolder.h"

using namespace brisvola::documents;

namespace customers {

const QList<CardRow> &cardRows()
{
    static const QList<CardRow> rows = [] {
        const std::pair<const char *, const char *> table[] = {
            {"Cognome e nome:", "Ditta"},
            {"Denominazione Ditta:", "Titolare"},
            {"Recapito preferenziale:", "Recapito"},
            {"Indirizzo:", "IndirizzoRes"},
            {"Città:", "ComuneRes"},
            {"Provincia:", "ProvRes"},
            {"CAP:", "CapRes"},
            {"Modalità pagamento:", "Pagamento"},
            {"Tel. casa:", "TelCasa"},
            {"Tel. ufficio:", "TelUff"},
            {"Tel. cellulare:", "TelCel"},
            {"PEC:", "Fax"},
            {"E-mail:", "Email"},
            {"Codice fiscale:", "CodFisc"},
            {"Partita IVA:", "PartitaIva"},
            {"Carta di credito n.", "Carta"},
            {"Scadenza carta di credito:", "ScadeCarta"},
            {"IBAN:", "Iban"},
            {"Segnalazioni del cliente:", "Articoli"},
            {"Intolleranze alimentari:", "Offerte"},
            {"Preferenze:", "Ordine"},
            {"Questioni in sospeso:", "Questioni"},
            {"Da ricontattare:", "Ricontatta"},
            {"Note:", "Note"},
        };
        QList<CardRow> out;
        for (const auto &[label, field] : table)
            out.append({QString::fromUtf8(label), field});
        return out;
    }();
    return rows;
}

QHash<QString, QString> screenValues(const TfrmFornitori *window)
{
    QHash<QString, QString> values;
    for (const CardRow &row : cardRows())
        if (QWidget *control = window->archive()->control(row.field))
            values.insert(QLatin1String(row.field), ArchiveWindow::fieldText(control).trimmed());
    return values;
}

Document card(const QHash<QString, QString> &values)
{
    return {QStringLiteral(":/templates/scheda_cliente.json"), [values](Report &report) {
                report.setOrientation(QPageLayout::Portrait);
                bool ok = report.setText(QStringLiteral("txtTitolo"),
                                         QStringLiteral("SCHEDA ANAGRAFICA CLIENTE"));
                const QList<CardRow> &rows = cardRows();
                for (int i = 0; i < rows.size(); ++i) {
                    const QString n = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
                    QString value = values.value(QLatin1String(rows[i].field));
                    if (QLatin1String(rows[i].field) == QLatin1String("Ricontatta"))
                        value = ArchiveSession::flagText(ArchiveSession::flagFromText(value));
                    ok &= report.setText(QStringLiteral("titCampo") + n, rows[i].label);
                    ok &= report.setText(QStringLiteral("txtCampo") + n, value);
                }
                ok &= report.setText(QStringLiteral("txtCalce"), recipecard::footText());
                return ok;
            }};
}

QString cardPdfPath()
{
    return brisvola::programFile(QStringLiteral("Clienti.pdf"));
}

PdfExport cardPdf()
{
    return {.path = [] { return cardPdfPath(); },
            .title = QStringLiteral("Scheda informativa"),
            .subject = QStringLiteral("Scheda informativa"),
            .failureMessage = pdfFailureMessage,
            .doneQuestion = pdfDoneQuestion};
}

} // namespace customers
