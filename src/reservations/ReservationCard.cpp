#include "reservations/ReservationCard.h"

#include "documents/DocumentDialog.h"
#include "documents/ReportOutput.h"
#include "shell/Clock.h"

using namespace brisvola::documents;

namespace reservationcard {

bool fill(Report &report, const reservations::ReservationTexts &texts)
{
    const QList<reservations::CardRow> rows = reservations::cardRows(texts);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString n = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        if (!report.setText(QStringLiteral("titCampo") + n, rows[i].label) ||
            !report.setText(QStringLiteral("txtCampo") + n, rows[i].value))
            return false;
    }
    return report.setText(QStringLiteral("txtCalce"), reservations::cardFooter(brisvola::now()));
}

namespace {

bool filled(Report &report, const reservations::ReservationTexts &texts)
{
    return fillDocument(report, {templatePath, [&texts](Report &r) { return fill(r, texts); }});
}

} // namespace

void preview(const reservations::ReservationTexts &texts, QWidget *parent)
{
    Report report;
    if (filled(report, texts))
        brisvola::documents::preview(report, parent);
}

void print(const reservations::ReservationTexts &texts, QWidget *parent)
{
    Report report;
    if (filled(report, texts))
        brisvola::documents::print(report, parent, PrintMode::AskPrinter);
}

} // namespace reservationcard
