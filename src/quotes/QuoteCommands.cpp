#include "quotes/QuoteCommands.h"

#include "quotes/AnteprimaPrev.h"
#include "quotes/Crea_PDF_Prev.h"
#include "quotes/ExpPreventivi.h"
#include "quotes/ImportaMagazzino.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteRecord.h"
#include "quotes/Sospesi.h"
#include "quotes/StampaPrev.h"
#include "quotes/TrovaPreventivi.h"

#include <QAbstractButton>
#include <QLabel>

namespace quotes {

namespace {

template <class Dialog> void openModal(TfrmPreventivi *window)
{
    Dialog dialog(window);
    dialog.exec();
}

void onClick(TfrmPreventivi *window, const QString &button, const std::function<void()> &open)
{
    if (auto *b = window->findChild<QAbstractButton *>(button)) {
        b->setEnabled(true);
        QObject::connect(b, &QAbstractButton::clicked, window, open);
    }
}

} // namespace

void connectQuoteCommands(TfrmPreventivi *window)
{
    onClick(window, QStringLiteral("cmdTrova"), [window] {
        TfrmTrovaPreventivi find(window);
        find.memoryLabel()->setText(QStringLiteral("preventivi"));
        find.exec();
    });
    onClick(window, QStringLiteral("cmdSospese"), [window] { openModal<TfrmSospesi>(window); });
    onClick(window, QStringLiteral("cmdAnteprima"),
            [window] { openModal<TfrmAnteprimaPrev>(window); });
    onClick(window, QStringLiteral("cmdStampa"), [window] { openModal<TfrmStampaPrev>(window); });
    onClick(window, QStringLiteral("cmdPDF"), [window] { openModal<TfrmCrea_PDF_Prev>(window); });
    onClick(window, QStringLiteral("cmdEsporta"),
            [window] { openModal<TfrmExpPreventivi>(window); });
    for (int line = 1; line <= lineCount; ++line)
        onClick(window, QStringLiteral("impMag%1").arg(line, 2, 10, QLatin1Char('0')),
                [window, line] {
                    TfrmImportaMagazzino import(window);
                    import.memoryLabel()->setText(TfrmImportaMagazzino::keyword(line));
                    import.exec();
                });
}

} // namespace quotes
