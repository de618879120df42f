// Pictures of the quote documents' windows, the find, the pending list, the dish import and the
// export as a user sees them, written to the folder given as its argument (under Xvfb):
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/tools/brisvola_quote_screens /tmp/shots
#include "TestSupport.h"

#include "archive/ArchiveWindow.h"
#include "archive/FindDialog.h"
#include "archive/RecordFile.h"
#include "documents/ReportOutput.h"
#include "quotes/Crea_PDF_Prev.h"
#include "quotes/ExpPreventivi.h"
#include "quotes/ImportaMagazzino.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteCommands.h"
#include "quotes/QuoteRecord.h"
#include "quotes/Sospesi.h"
#include "quotes/StampaPrev.h"
#include "quotes/TrovaPreventivi.h"
#include "recipes/RecipeRecord.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: brisvola_quote_screens FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    TempProgramFolder folder;
    MessageRecorder messages;
    TfrmPreventivi window;
    window.lblFile->setText(quotes::quoteArchivePath(QStringLiteral("2024")));
    const char *names[] = {"Mario Rossi", "Anna Verdi", "Ristorante Il Porto", "Luca Bianchi"};
    for (int i = 0; i < 12; ++i) {
        Record r(quotes::quoteLayout());
        r.setText("NumFatt", QStringLiteral("%1/2024").arg(i + 1));
        r.setText("Data", QStringLiteral("%1/03/2024").arg(2 + i, 2, 10, QLatin1Char('0')));
        r.setText("Cliente", QLatin1String(names[i % 4]));
        r.setText("IvaCliente", i % 2 ? QStringLiteral("01234567890") : QString());
        r.setText("Riferimenti",
                  QStringLiteral("Tel. 333 12345%1").arg(i, 2, 10, QLatin1Char('0')));
        r.setText("TotFattura", QStringLiteral("%1,00").arg(1200 + 35 * i));
        r.setText("InSospeso", i % 3 ? quotes::no : quotes::yes);
        RecordFile(window.lblFile->text(), quotes::quoteLayout()).append(r);
    }
    for (const char *dish : {"Risotto ai funghi porcini", "Tagliata di manzo", "Tiramisù"}) {
        Record r(recipes::recipeLayout());
        r.setText("Nome", QString::fromUtf8(dish));
        r.setText("Portata", QStringLiteral("Primo piatto"));
        r.setText("Nazionalita", QStringLiteral("Italiana"));
        r.setText("Calorie", QStringLiteral("450"));
        r.setText("Prezzo", QStringLiteral("12,50"));
        RecordFile(recipes::archivePath(), recipes::recipeLayout()).append(r);
    }
    const auto shoot = [&out](QWidget *w, const QString &name) {
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            qFatal("%s never showed", qPrintable(name));
        QTest::qWait(50);
        if (!w->grab().save(out + QLatin1Char('/') + name + QStringLiteral(".png")))
            qFatal("%s: the picture was not written", qPrintable(name));
    };

    window.resize(1400, 900);
    shoot(&window, QStringLiteral("preventivi"));
    TfrmCrea_PDF_Prev pdf(quotes::screenTexts(window), &window);
    shoot(&pdf, QStringLiteral("pdf"));
    TfrmStampaPrev print(quotes::screenTexts(window), &window);
    shoot(&print, QStringLiteral("stampa"));
    {
        TfrmTrovaPreventivi find(window.lblFile->text(), quotes::showOn(&window), &window);
        find.criterion(QStringLiteral("txtData"))->setText(QStringLiteral("03/2024"));
        shoot(&find, QStringLiteral("trova_criteri"));
        find.btnCercaClick();
        shoot(&find, QStringLiteral("trova_elenco"));
    }
    {
        TfrmSospesi pending(window.lblFile->text(), quotes::showOn(&window), &window);
        shoot(&pending, QStringLiteral("sospesi"));
    }
    {
        TfrmImportaMagazzino import(&window);
        import.btnCercaClick();
        shoot(&import, QStringLiteral("importa"));
    }
    {
        TfrmExpPreventivi exp(window.lblFile->text(), &window);
        shoot(&exp, QStringLiteral("esporta"));
    }
    if (!pdf.fillDocument())
        qFatal("the quote document was not filled");
    brisvola::documents::ReportPreview preview(pdf.report());
    preview.resize(1100, 900);
    shoot(&preview, QStringLiteral("anteprima"));
    return 0;
}
