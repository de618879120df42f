#include "ReportRecorder.h"
#include "TestSupport.h"

#include "archive/ArchiveWindow.h"
#include "archive/ListPrint.h"
#include "archive/RecordFile.h"
#include "documents/Report.h"
#include "documents/ReportOutput.h"
#include "reservations/ExpPrenotazioni.h"
#include "reservations/Prenotazioni.h"
#include "reservations/ReservationCard.h"
#include "reservations/ReservationLists.h"
#include "reservations/ReservationRecord.h"
#include "reservations/TrovaPrenotazioni.h"
#include "shell/Clock.h"
#include "shell/WindowSet.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QtTest>

using brisvola::MessageAnswer;
using brisvola::MessageKind;
using namespace reservations;

// The texts the user reads, as documented.
namespace texts {
const QString exportQuestion =
    QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del "
                   "numero di schede presenti in archivio.\r\n\r\n"
                   "Si vuole esportare i dati adesso?");
const QString exportDone =
    QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                   "Si vuole aprire il file di Excel?");
const QString emptyList =
    QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
} // namespace texts

namespace {

struct Reservation
{
    QString date, time, customer, phone, persons, state, meal, total;
    QString note = {};
};

Record reservationRecord(const Reservation &r)
{
    Record rec(reservationLayout());
    const QStringList d = r.date.split(QLatin1Char('/'));
    rec.setText("GiornoRit", d[0]);
    rec.setText("MeseRit", monthNames()[d[1].toInt() - 1]);
    rec.setText("AnnoRit", d[2]);
    rec.setText("AnnoRic", d[2]);
    rec.setText("OreRit", r.time.left(2));
    rec.setText("MinutiRit", r.time.mid(3));
    rec.setText("OreRic", QStringLiteral("23"));
    rec.setText("MinutiRic", QStringLiteral("15"));
    rec.setText("Cliente", r.customer);
    rec.setText("Recapito", r.phone);
    rec.setText("Persone", r.persons);
    rec.setText("Stato", r.state);
    rec.setText("Pasto", r.meal);
    rec.setText("Totale", r.total);
    rec.setText("Note", r.note);
    deriveFields(rec);
    return rec;
}

const Reservation march15{"15/03/2024", "20:30",      "Mario Rossi", "333 111",
                          "4",          "Confermata", "Cena",        "120,00"};
const Reservation feb28{"28/02/2024", "13:00",      "Anna Bianchi", "333 222",
                        "2",          "Confermata", "Pranzo",       "45,50"};
const Reservation march5{"05/03/2024", "21:00",         "Rossana ROSSI", "333 333",
                         "6",          "Da confermare", "Pranzo",        "0,00"};
const Reservation april3{"03/04/2024", "19:45",     "Luca Verdi", "333 444",
                         "3",          "Annullata", "Cena",       "0,00"};

QString line(const Reservation &r)
{
    const Record rec = reservationRecord(r);
    return reservationListLine()(RecordView(reservationLayout(), rec.bytes().constData()));
}

// The reservation window on 2024, with reservations in its archive.
struct Fixture
{
    TempProgramFolder folder;
    MessageRecorder messages;
    TfrmPrenotazioni *window = nullptr;

    Fixture()
    {
        brisvola::setNow(QDateTime(QDate(2026, 12, 10), QTime(9, 5, 7)));
        brisvola::registerWindow(QStringLiteral("TfrmAvvio"), [] { return new QWidget; });
        brisvola::registerAppWindows();
        window = brisvola::window<TfrmPrenotazioni>(QStringLiteral("TfrmPrenotazioni"));
        window->show();
        window->txtAnno->setText(QStringLiteral("2024"));
        clickButton(window, "btnApri");
    }
    ~Fixture()
    {
        brisvola::destroyWindows();
        brisvola::setNow(QDateTime());
    }
    void add(const Reservation &r)
    {
        RecordFile(window->lblFile->text(), reservationLayout()).append(reservationRecord(r));
    }
    QString shown(const char *name) const
    {
        return ArchiveWindow::fieldText(window->findChild<QWidget *>(QLatin1StringView(name)));
    }
};

} // namespace

class TestReservationFind : public QObject
{
    Q_OBJECT
private slots:
    void findKeepsFileOrder();
    void criteriaCombine();
    void doubleClickBringsBackTheLineClicked();
    void quickFindAndEmptyList();
    void findFromTheWindow();
    void exportFile();
    void cardDocument();
};

void TestReservationFind::findKeepsFileOrder()
{
    Fixture f;
    for (const Reservation &r : {march15, feb28, march5, april3})
        f.add(r);
    TfrmTrovaPrenotazioni find(f.window->lblFile->text(), {}, f.window);
    QCOMPARE(find.objectName(), QStringLiteral("TfrmTrovaPrenotazioni"));
    QCOMPARE(find.windowTitle(), QStringLiteral(" Trova prenotazioni tavoli in archivio"));
    find.memoryLabel()->setText(QStringLiteral("prenotazioni"));
    find.show();
    QCOMPARE(find.focusWidget(), find.criterion(QStringLiteral("txtDataRit")));
    const QStringList criteria = {
        "txtDataRit",      "txtStato",      "txtCliente", "txtMenu",      "txtSegnalazioni",
        "txtIntolleranze", "txtPreferenze", "txtTavoli",  "txtCameriere", "txtNote"};
    for (const QString &c : criteria)
        QVERIFY2(find.criterion(c), qPrintable(c));

    // No criterion: every reservation, in the order of entry.
    clickButton(&find, "btnCerca");
    QCOMPARE(recordLines(&find),
             QStringList({line(march15), line(feb28), line(march5), line(april3)}));
    QCOMPARE(recordLines(&find)[0],
             QStringLiteral("Data: 15/03/2024  Ora: 20:30  Cliente: Mario Rossi") +
                 QString(19, QLatin1Char(' ')) + QStringLiteral("  Tel. 333 111") +
                 QString(11, QLatin1Char(' ')) +
                 QStringLiteral("  Persone: 4    Stato: Confermata       Tot. € 120,00"));
    QCOMPARE(find.findChild<QLabel *>(QStringLiteral("lblTrovate"))->text(),
             QStringLiteral("Il presente riepilogo contiene 4 schede."));

    // The list prints under its title, in its order.
    QString printedTitle;
    QStringList printedLines;
    listprint::setPrinter([&](QWidget *, const QString &title, const QStringList &lines) {
        printedTitle = title;
        printedLines = lines;
    });
    clickButton(&find, "btnStampa");
    listprint::setPrinter({});
    QCOMPARE(printedTitle, QStringLiteral("Riepilogo prenotazioni tavoli"));
    QCOMPARE(printedLines, recordLines(&find));
}

void TestReservationFind::criteriaCombine()
{
    Fixture f;
    for (const Reservation &r : {march15, feb28, march5, april3})
        f.add(r);
    struct Case
    {
        QList<std::pair<const char *, const char *>> criteria;
        QStringList lines;
    };
    const QList<Case> cases = {
        {{{"txtDataRit", "03/2024"}}, {line(march15), line(march5)}},
        {{{"txtDataRit", "15/"}}, {line(march15)}},
        {{{"txtCliente", "rossi"}, {"txtMenu", "cena"}}, {line(march15)}},
        {{{"txtCliente", "ROSSI"}}, {line(march15), line(march5)}},
        {{{"txtStato", "annullata"}}, {line(april3)}},
        {{{"txtMenu", "colazione"}}, {}},
    };
    for (const Case &c : cases) {
        TfrmTrovaPrenotazioni find(f.window->lblFile->text(), {}, f.window);
        find.show();
        for (const auto &[control, text] : c.criteria)
            find.criterion(QLatin1StringView(control))->setText(QString::fromUtf8(text));
        clickButton(&find, "btnCerca");
        QCOMPARE(recordLines(&find), c.lines);
        QCOMPARE(find.findChild<QLabel *>(QStringLiteral("lblTrovate"))->text(),
                 QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(c.lines.size()));
    }
}

void TestReservationFind::doubleClickBringsBackTheLineClicked()
{
    Fixture f;
    Reservation first = march15;
    first.note = QStringLiteral("prima");
    Reservation second = march15;
    second.note = QStringLiteral("seconda");
    f.add(first);
    f.add(feb28);
    f.add(second);
    TfrmTrovaPrenotazioni find(
        f.window->lblFile->text(),
        [&f](const Record &r, qint64 p) { f.window->archive()->showRecord(r, p); }, f.window);
    find.memoryLabel()->setText(QStringLiteral("prenotazioni"));
    find.show();
    clickButton(&find, "btnCerca");
    QCOMPARE(recordLines(&find)[0], recordLines(&find)[2]);
    // The first of two identical lines brings back the first record, not the last.
    doubleClickRow(&find, 0);
    QVERIFY(!find.isVisible());
    QCOMPARE(f.shown("txtNote"), QStringLiteral("prima"));
    QCOMPARE(f.shown("lblPosizione"), QStringLiteral("1"));
    QCOMPARE(f.shown("lblDataRit"), QStringLiteral("15/03/2024"));
    QCOMPARE(f.shown("txtGiornoRic"), QStringLiteral("15"));
    QCOMPARE(f.window->windowTitle(),
             QStringLiteral(" Brisvola - Registro prenotazioni tavoli anno 2024"));

    // The window goes on from the record brought back as after navigation.
    clickButton(f.window, "cmdAvanti");
    QCOMPARE(f.shown("txtCliente"), QStringLiteral("Anna Bianchi"));
}

void TestReservationFind::quickFindAndEmptyList()
{
    Fixture f;
    TfrmTrovaPrenotazioni find(f.window->lblFile->text(), {}, f.window);
    find.show();
    clickButton(&find, "btnCerca");
    QVERIFY(recordLines(&find).isEmpty());
    QCOMPARE(find.findChild<QLabel *>(QStringLiteral("lblTrovate"))->text(),
             QStringLiteral("Il presente riepilogo contiene 0 schede."));
    clickButton(&find, "btnTrova");
    QCOMPARE(f.messages.last(), texts::emptyList);
    QCOMPARE(f.messages.shown.last().kind, MessageKind::Plain);

    f.add(march15);
    f.add(feb28);
    TfrmTrovaPrenotazioni again(f.window->lblFile->text(), {}, f.window);
    again.show();
    clickButton(&again, "btnCerca");
    again.findChild<QLineEdit *>(QStringLiteral("txtTrova"))->setText(QStringLiteral("bianchi"));
    clickButton(&again, "btnTrova");
    QCOMPARE(recordList(&again)->currentRow(), 1);
}

void TestReservationFind::findFromTheWindow()
{
    Fixture f;
    f.add(feb28);
    const auto expected = onNextModal([](QWidget *w) {
        QCOMPARE(w->objectName(), QStringLiteral("TfrmTrovaPrenotazioni"));
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblMemory"))->text(),
                 QStringLiteral("prenotazioni"));
        clickButton(w, "btnCerca");
        doubleClickRow(w, 0);
    });
    clickButton(f.window, "cmdTrova");
    QCOMPARE(f.shown("txtCliente"), QStringLiteral("Anna Bianchi"));
    QCOMPARE(f.shown("lblPosizione"), QStringLiteral("1"));
}

void TestReservationFind::exportFile()
{
    Fixture f;
    Reservation tagged = march15;
    tagged.note = QStringLiteral("Tavolo <sposi> & parenti");
    f.add(tagged);
    f.add(feb28);
    TfrmExpPrenotazioni dialog(f.window->lblFile->text(), f.window);
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" Esporta archivio prenotazioni tavoli"));
    dialog.show();
    auto *grid = dialog.findChild<QTableView *>(QStringLiteral("grdRecords"));
    QVERIFY(grid);
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(grid->model()->columnCount(), 17);
    f.messages.answerNext(MessageAnswer::Yes);
    f.messages.answerNext(MessageAnswer::No);
    dialog.cmdEsportaClick();
    QCOMPARE(f.messages.texts(), QStringList({texts::exportQuestion, texts::exportDone}));

    QFile file(f.folder.file(QStringLiteral("Prenotazioni_Tavoli.xls")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("<x:Name>Prenotazioni Tavoli</x:Name>"));
    QByteArray header = "<tr>";
    const QList<std::pair<const char *, int>> headers = {{"N.", -1},
                                                         {"Giorno arrivo", 150},
                                                         {"Ora arrivo", 150},
                                                         {"Stato prenotazione", 250},
                                                         {"Cliente", 250},
                                                         {"Tel. preferenziale", 250},
                                                         {"Tot. persone", 180},
                                                         {"Pasto", 250},
                                                         {"E-mail", 280},
                                                         {"Segnalazioni del cliente", 350},
                                                         {"Intolleranze alimentari", 350},
                                                         {"Preferenze", 350},
                                                         {"Tavoli assegnati", 250},
                                                         {"Cameriere addetto", 250},
                                                         {"Note", 350},
                                                         {"Ora fine pasto", 200},
                                                         {"Totale pagato", 200}};
    for (const auto &[text, width] : headers) {
        if (width < 0)
            continue;
        header += "<td style=\"text-align: left; font-weight: bold;\" width=" +
                  QByteArray::number(width) + ">" + text + "</td>";
    }
    QVERIFY2(bytes.contains(header), bytes.left(2000).constData());
    // The first data row, cells escaped.
    QByteArray row;
    for (const char *cell :
         {"15/03/2024", "20:30", "Confermata", "Mario Rossi", "333 111", "4", "Cena", "", "", "",
          "", "", "", "Tavolo &lt;sposi&gt; &amp; parenti", "23:15", "120,00"})
        row += QByteArray("<td style=\"text-align: left;\">") + cell + "</td>";
    QVERIFY2(bytes.contains(row + "</tr>"), bytes.mid(bytes.indexOf("</tr>"), 1200).constData());
    QVERIFY(bytes.endsWith("</table></body></html>"));
}

void TestReservationFind::cardDocument()
{
    Fixture f;
    ReportRecorder recorder;
    const QList<std::pair<const char *, const char *>> values = {
        {"txtGiornoRit", "05"},
        {"txtMeseRit", "Marzo"},
        {"txtOreRit", "20"},
        {"txtMinutiRit", "07"},
        {"txtStato", "Da confermare"},
        {"txtCliente", "Mario Rossi"},
        {"txtRecapito", "333 111"},
        {"txtPersone", "4"},
        {"txtMenu", "Cena"},
        {"txtEmail", "m@r.it"},
        {"txtSegnalazioni", "vicino alla finestra"},
        {"txtIntolleranze", "glutine"},
        {"txtPreferenze", "vino rosso"},
        {"txtTavoli", "7 e 8"},
        {"txtCameriere", "Giorgio"},
        {"txtNote", "compleanno"},
        {"txtOreRic", "23"},
        {"txtMinutiRic", "15"},
        {"txtTotale", "120,00"}};
    for (const auto &[name, value] : values)
        ArchiveWindow::setFieldText(f.window->findChild<QWidget *>(QLatin1StringView(name)),
                                    QString::fromUtf8(value));
    clickButton(f.window, "cmdAnteprima");
    QCOMPARE(recorder.outputs.size(), 1);
    QVERIFY(recorder.outputs[0].preview);
    QCOMPARE(recorder.outputs[0].pages.size(), 1);
    QStringList expected = {"SCHEDA PRENOTAZIONE TAVOLI",
                            "Prenotazione per giorno:",
                            "05 Marzo 2024  -  Ora: 20:07",
                            "Stato prenotazione:",
                            "Da confermare",
                            "Cliente:",
                            "Mario Rossi",
                            "Tel. preferenziale:",
                            "333 111",
                            "Tot. persone:",
                            "4",
                            "Pasto:",
                            "Cena",
                            "E-mail cliente:",
                            "m@r.it",
                            "Segnalazioni:",
                            "vicino alla finestra",
                            "Intolleranze alimentari:",
                            "glutine",
                            "Preferenze:",
                            "vino rosso",
                            "Tavoli assegnati:",
                            "7 e 8",
                            "Cameriere addetto:",
                            "Giorgio",
                            "Note:",
                            "compleanno",
                            "Ora fine pasto:",
                            "23:15",
                            "Totale pagato: €",
                            "120,00",
                            "Stampa eseguita in data 10/12/2026 alle ore 09:05:07"};
    // Label and value of a row share their line; their order on it is the engine's.
    const auto sorted = [](QStringList l) {
        l.sort();
        return l;
    };
    QCOMPARE(sorted(recorder.outputs[0].lines()), sorted(expected));
    QCOMPARE(recorder.outputs[0].lines().first(), QStringLiteral("SCHEDA PRENOTAZIONE TAVOLI"));
    QCOMPARE(recorder.outputs[0].lines().last(), expected.last());

    clickButton(f.window, "cmdStampa");
    QCOMPARE(recorder.outputs.size(), 2);
    QVERIFY(!recorder.outputs[1].preview);
    QCOMPARE(recorder.outputs[1].mode, brisvola::documents::PrintMode::AskPrinter);
    QCOMPARE(recorder.outputs[1].lines(), recorder.outputs[0].lines());

    // The same card as a PDF page, kept beside the tests to be looked at.
    brisvola::documents::Report report;
    ReservationTexts texts;
    for (const auto &[name, value] : values)
        texts.insert(QString::fromLatin1(name).mid(3) == QLatin1String("Menu")
                         ? QStringLiteral("Pasto")
                         : QString::fromLatin1(name).mid(3),
                     QString::fromUtf8(value));
    texts.insert(QStringLiteral("AnnoRit"), QStringLiteral("2024"));
    QVERIFY(report.load(reservationcard::templatePath));
    QVERIFY(reservationcard::fill(report, texts));
    const QString pdf = QStringLiteral(BRISVOLA_TEST_BINARY_DIR "/scheda_prenotazione.pdf");
    QVERIFY(brisvola::documents::writePdf(report, pdf, QStringLiteral("Scheda prenotazione"),
                                          QStringLiteral("Prenotazione tavoli")));
    QFile written(pdf);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.read(5) == "%PDF-");
}

QTEST_MAIN(TestReservationFind)
#include "tst_reservationfind.moc"
