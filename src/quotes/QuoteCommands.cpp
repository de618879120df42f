#include "quotes/QuoteCommands.h"

#include "archive/ArchiveWindow.h"
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
#include <QLineEdit>

namespace quotes {

namespace {

template <class Dialog, class... Values> void openModal(TfrmPreventivi *window, Values... values)
{
    Dialog dialog(values..., window);
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

QuoteTexts screenTexts(const TfrmPreventivi &window)
{
    QuoteTexts texts;
    const ArchiveWindow *archive = window.archive();
    const RecordLayout &layout = quoteLayout();
    for (int i = 0; i < layout.fieldCount(); ++i)
        if (const QWidget *control = archive->control(layout.name(i)))
            texts.insert(QLatin1StringView(layout.name(i)), ArchiveWindow::fieldText(control));
    return texts;
}

RecordTarget showOn(TfrmPreventivi *window)
{
    return [window](const Record &record, qint64 position) {
        window->archive()->showRecord(record, position);
    };
}

void applyDish(TfrmPreventivi &window, int line, const QuoteDish &dish)
{
    for (const auto &[column, text] :
         {std::pair{"Codice", &dish.course}, std::pair{"Desc", &dish.name},
          std::pair{"Prezzo", &dish.price}})
        if (auto *edit =
                window.findChild<QLineEdit *>(QStringLiteral("txt") + lineField(column, line))) {
            edit->setText(*text);
            edit->setCursorPosition(0);
        }
}

void connectQuoteCommands(TfrmPreventivi *window)
{
    const auto archive = [window] { return window->lblFile->text(); };
    onClick(window, QStringLiteral("cmdTrova"), [window, archive] {
        TfrmTrovaPreventivi find(archive(), showOn(window), window);
        find.memoryLabel()->setText(QStringLiteral("preventivi"));
        find.exec();
    });
    onClick(window, QStringLiteral("cmdSospese"),
            [window, archive] { openModal<TfrmSospesi>(window, archive(), showOn(window)); });
    onClick(window, QStringLiteral("cmdAnteprima"),
            [window] { openModal<TfrmAnteprimaPrev>(window, screenTexts(*window)); });
    onClick(window, QStringLiteral("cmdStampa"),
            [window] { openModal<TfrmStampaPrev>(window, screenTexts(*window)); });
    onClick(window, QStringLiteral("cmdPDF"),
            [window] { openModal<TfrmCrea_PDF_Prev>(window, screenTexts(*window)); });
    onClick(window, QStringLiteral("cmdEsporta"),
            [window, archive] { openModal<TfrmExpPreventivi>(window, archive()); });
    for (int line = 1; line <= lineCount; ++line)
        onClick(window, QStringLiteral("impMag%1").arg(line, 2, 10, QLatin1Char('0')),
                [window, line] {
                    TfrmImportaMagazzino import(window);
                    import.memoryLabel()->setText(TfrmImportaMagazzino::keyword(line));
                    import.exec();
                    if (const std::optional<QuoteDish> dish = import.dish())
                        applyDish(*window, line, *dish);
                });
}

} // namespace quotes
