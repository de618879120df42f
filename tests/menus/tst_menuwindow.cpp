#include "archive/ArchiveWindow.h"
#include "archive/ListPrint.h"
#include "archive/RecordFile.h"
#include "archive/RecordListPanel.h"
#include "menus/ExpMenu.h"
#include "menus/Menu.h"
#include "menus/MenuRecord.h"
#include "menus/MenuSegnalati.h"
#include "menus/TrovaMenu.h"
#include "recipes/RecipeRecord.h"
#include "recipes/TrovaRicette.h"
#include "shell/WindowSet.h"

#include "ReportRecorder.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <memory>

using brisvola::MessageAnswer;
using brisvola::MessageKind;

// The texts the user reads, as documented.
namespace texts {
const QString caption = QStringLiteral(" Brisvola - Stampa menu");
const QString readyHint = QStringLiteral("Pronto per archiviare una nuova scheda...");
const QString inserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString updated =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString titleRequired =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il titolo del menu.");
const QString refused = QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire "
                                       "soltanto dopo che questa è stata inserita in archivio.");
const QString duplicated =
    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                   "Al termine premere Salva per inserire la scheda in archivio.");
const QString emptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString archiveAccess =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                   "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                   "installazione del programma.");
const QString importHint = QStringLiteral("Importa i dati dall'archivio delle ricette.");
} // namespace texts

namespace {

QString nn(int k)
{
    return QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
}

struct Window
{
    std::unique_ptr<TfrmMenu> w{new TfrmMenu};

    template <class T = QWidget> T *get(const QString &name) const
    {
        T *c = w->findChild<T *>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }
    QLineEdit *edit(const QString &name) const { return get<QLineEdit>(name); }
    QCheckBox *flag() const { return get<QCheckBox>(QStringLiteral("chkSegnalato")); }
    QString position() const { return get<QLabel>(QStringLiteral("lblPosizione"))->text(); }
    bool show() const
    {
        // The whole panel on the test screen, which is smaller than a desktop.
        w->setWindowState(Qt::WindowNoState);
        w->resize(1000, 760);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            return false;
        QApplication::setActiveWindow(w.get());
        return QTest::qWaitForWindowActive(w.get());
    }
};

struct Menu
{
    QString title;
    QString season;
    QString warnings;
    QHash<QString, QString> more = {};
    bool flagged = false;
};

void addMenus(const QList<Menu> &menus)
{
    RecordFile file(menus::archivePath(), menus::menuLayout());
    for (const Menu &m : menus) {
        Record r(menus::menuLayout());
        r.setText("Titolo", m.title);
        r.setText("Stagione", m.season);
        r.setText("Avvertenze", m.warnings);
        for (auto it = m.more.cbegin(); it != m.more.cend(); ++it)
            r.setText(it.key().toLatin1().constData(), it.value());
        r.setText("Segnalato", m.flagged ? QStringLiteral("Sì") : QStringLiteral("No"));
        file.append(r);
    }
}

void addRecipe(const QString &name, const QString &description, const QString &price)
{
    Record r(recipes::recipeLayout());
    r.setText("Nome", name);
    r.setText("Portata", QStringLiteral("Primo piatto"));
    r.setText("Descrizione", description);
    r.setText("Prezzo", price);
    RecordFile(recipes::archivePath(), recipes::recipeLayout()).append(r);
}

Record stored(qint64 p)
{
    return RecordFile(menus::archivePath(), menus::menuLayout()).read(p);
}

// Takes recipe line 0 of a search with the given name criterion over slot's import arrow.
ModalExpectation takeRecipe(const QString &name, const QString &expectedKeyword)
{
    return onNextModal([name, expectedKeyword](QWidget *w) {
        auto *find = qobject_cast<TfrmTrovaRicette *>(w);
        QVERIFY(find);
        QCOMPARE(find->lblMemory->text(), expectedKeyword);
        find->criterion(QStringLiteral("txtNome"))->setText(name);
        clickButton(find, "btnCerca");
        doubleClickRow(find->results()->list(), 0);
    });
}

} // namespace

class TestMenuWindow : public QObject
{
    Q_OBJECT

private slots:
    void controlsAndShow();
    void hintsAndHighlight();
    void enterCycle();
    void saveDuplicateBrowse();
    void pastedTextStaysInItsField();
    void readOnlyFolderKeepsTheScreen();
    void takingOverADish();
    void findBySlotAndBringBack();
    void flaggedListFollowsTheFlag();
    void damagedArchiveOpensEverywhere();
    void exportBytes();
    void buttonsOpenTheirDialogs();
    void pagePrintsTheScreenAsTyped();
    void declaredAndReturnsToLauncher();
};

void TestMenuWindow::controlsAndShow()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Window f;
    QCOMPARE(f.w->windowTitle(), texts::caption);
    QList<std::pair<QString, int>> lengths = {{"txtTitolo", 120},    {"txtStagione", 50},
                                              {"txtCoperto", 15},    {"txtAvvertenze", 250},
                                              {"txtAllergeni", 250}, {"txtNote", 250}};
    for (int k = 1; k <= 10; ++k)
        lengths << std::pair{QStringLiteral("txtNome") + nn(k), 120}
                << std::pair{QStringLiteral("txtDescrizione") + nn(k), 250}
                << std::pair{QStringLiteral("txtPrezzo") + nn(k), 15};
    for (const auto &[name, length] : lengths)
        QCOMPARE(f.edit(name)->maxLength(), length);
    for (int k = 1; k <= 10; ++k)
        QVERIFY(f.get<QAbstractButton>(QStringLiteral("impPietanza") + nn(k))->isEnabled());
    QCOMPARE(f.flag()->text(), QStringLiteral("Segnalato"));
    f.get(QStringLiteral("icoSegnalato"));
    f.get(QStringLiteral("icoLogo"));
    QStringList captions;
    for (QLabel *l : f.w->findChildren<QLabel *>())
        captions << l->text();
    for (const char *caption :
         {"Titolo menu:", "Stagione:", "Coperto: €", "Avvertenze:", "Nome pietanza", "Descrizione",
          "Prezzo", "Indicazioni su allergeni:", "Note a piè pagina:"})
        QVERIFY2(captions.contains(QString::fromUtf8(caption)), caption);
    QCOMPARE(f.get<QLabel>(QStringLiteral("panInfo"))->text(), texts::readyHint);

    // Showing clears the screen: a menu left there is gone, the focus is in the title.
    f.edit(QStringLiteral("txtNome05"))->setText(QStringLiteral("avanzo"));
    f.flag()->setChecked(true);
    f.get<QLabel>(QStringLiteral("lblPosizione"))->setText(QStringLiteral("3"));
    QVERIFY(f.show());
    QVERIFY(f.edit(QStringLiteral("txtNome05"))->text().isEmpty());
    QVERIFY(!f.flag()->isChecked());
    QVERIFY(f.position().isEmpty());
    QCOMPARE(QApplication::focusWidget(), f.edit(QStringLiteral("txtTitolo")));

    // Tab order: the header, the slots row by row, the footer.
    QStringList tabs = {"txtTitolo", "chkSegnalato", "txtStagione", "txtCoperto", "txtAvvertenze"};
    for (int k = 1; k <= 10; ++k)
        tabs << QStringLiteral("txtNome") + nn(k) << QStringLiteral("txtDescrizione") + nn(k)
             << QStringLiteral("txtPrezzo") + nn(k);
    tabs << QStringLiteral("txtAllergeni") << QStringLiteral("txtNote");
    auto nextTab = [](QWidget *w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible());
        return w;
    };
    for (qsizetype i = 0; i + 1 < tabs.size(); ++i)
        QCOMPARE(nextTab(f.get(tabs[i]))->objectName(), tabs[i + 1]);

    // A title of 120 characters can be typed; the 121st is refused.
    QTest::keyClicks(f.edit(QStringLiteral("txtTitolo")), QString(121, u'x'));
    QCOMPARE(f.edit(QStringLiteral("txtTitolo"))->text(), QString(120, u'x'));
    QVERIFY(messages.shown.isEmpty());
}

void TestMenuWindow::hintsAndHighlight()
{
    TempProgramFolder folder;
    Window f;
    QVERIFY(f.show());
    const std::pair<const char *, const char *> hints[] = {
        {"cmdNuovo", "Predispone la schermata per l'inserimento di una nuova scheda."},
        {"cmdDuplica", "Prepara la schermata per l'inserimento di una nuova scheda duplicando i "
                       "dati correnti."},
        {"cmdSalva", "Salva la scheda corrente in archivio."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdAnteprima", "Visualizza l'anteprima di stampa del menu corrente."},
        {"cmdStampa", "Stampa il menu corrente."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"cmdSegnalati", "Visualizza il riepilogo dei menu segnalati."},
        {"cmdGuida", "Visualizza la guida in linea."},
        {"cmdEsci", "Esci dalla schermata di lavoro corrente."},
        {"chkSegnalato", "Spunta questa casella per segnalare il menu."},
        {"impPietanza01", "Importa i dati dall'archivio delle ricette."},
        {"impPietanza10", "Importa i dati dall'archivio delle ricette."},
    };
    QLabel *info = f.get<QLabel>(QStringLiteral("panInfo"));
    for (const auto &[name, hint] : hints) {
        QWidget *c = f.get(QLatin1String(name));
        QTest::mouseMove(c, c->rect().center());
        QCOMPARE(info->text(), QString::fromUtf8(hint));
        QTest::mouseMove(f.get(QStringLiteral("panMenu")), QPoint(2, 300));
        QVERIFY2(info->text().isEmpty(), name);
    }

    // Sky-blue frames; yellow with the focus; alice blue without, white for the footer pair.
    f.edit(QStringLiteral("txtDescrizione04"))->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), f.edit(QStringLiteral("txtDescrizione04")));
    const std::pair<const char *, const char *> colours[] = {{"txtDescrizione04", "#ffff00"},
                                                             {"txtTitolo", "#f0f8ff"},
                                                             {"txtPrezzo10", "#f0f8ff"},
                                                             {"txtAllergeni", "#ffffff"},
                                                             {"txtNote", "#ffffff"}};
    for (const auto &[name, colour] : colours) {
        const QString style = f.edit(QLatin1String(name))->styleSheet();
        QVERIFY2(style.contains(QLatin1String(colour)), qPrintable(style));
        QVERIFY(style.contains(QLatin1String("#87CEEB")));
    }
    f.edit(QStringLiteral("txtNote"))->setFocus();
    QTRY_VERIFY(f.edit(QStringLiteral("txtNote"))->styleSheet().contains(QLatin1String("#ffff00")));
    QVERIFY(f.edit(QStringLiteral("txtDescrizione04"))
                ->styleSheet()
                .contains(QLatin1String("#f0f8ff")));
}

void TestMenuWindow::enterCycle()
{
    TempProgramFolder folder;
    Window f;
    QVERIFY(f.show());
    QStringList cycle = {"txtStagione", "txtCoperto", "txtAvvertenze"};
    for (int k = 1; k <= 10; ++k)
        cycle << QStringLiteral("txtNome") + nn(k) << QStringLiteral("txtDescrizione") + nn(k)
              << QStringLiteral("txtPrezzo") + nn(k);
    cycle << QStringLiteral("txtAllergeni") << QStringLiteral("txtNote")
          << QStringLiteral("txtTitolo");
    QCOMPARE(QApplication::focusWidget(), f.edit(QStringLiteral("txtTitolo")));
    for (const QString &next : std::as_const(cycle)) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
}

void TestMenuWindow::saveDuplicateBrowse()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Window f;
    QVERIFY(f.show());
    QTest::mouseClick(f.get<QAbstractButton>(QStringLiteral("cmdPrimo")), Qt::LeftButton);
    QCOMPARE(messages.texts(), QStringList{texts::emptyArchive});
    messages.clear();

    // A title of blanks: the warning, nothing filed.
    f.edit(QStringLiteral("txtTitolo"))->setText(QStringLiteral("   "));
    f.edit(QStringLiteral("txtNome01"))->setText(QStringLiteral("Risotto"));
    clickButton(f.w.get(), "cmdSalva");
    QCOMPARE(messages.texts(), QStringList{texts::titleRequired});
    QCOMPARE(messages.shown[0].kind, MessageKind::Warning);
    QCOMPARE(QApplication::focusWidget(), f.edit(QStringLiteral("txtTitolo")));
    QVERIFY(!QFile::exists(menus::archivePath()) ||
            RecordFile(menus::archivePath(), menus::menuLayout()).count() == 0);

    // New menu into an empty archive: position 1; again: overwritten.
    messages.clear();
    f.edit(QStringLiteral("txtTitolo"))->setText(QStringLiteral(" Menu d'estate "));
    f.edit(QStringLiteral("txtPrezzo01"))->setText(QStringLiteral("quanto basta"));
    f.flag()->setChecked(true);
    clickButton(f.w.get(), "cmdSalva");
    QCOMPARE(f.position(), QStringLiteral("1"));
    QCOMPARE(f.edit(QStringLiteral("txtTitolo"))->text(), QStringLiteral(" Menu d'estate "));
    clickButton(f.w.get(), "cmdSalva");
    QCOMPARE(messages.texts(), (QStringList{texts::inserted, texts::updated}));
    QCOMPARE(stored(1).text("Titolo"), QStringLiteral("Menu d'estate"));
    QCOMPARE(stored(1).text("Prezzo01"), QStringLiteral("quanto basta"));
    QCOMPARE(stored(1).text("Segnalato"), QStringLiteral("Sì"));

    // Duplicate right after New: refused. Duplicate of a filed menu: unflagged, appended.
    messages.clear();
    clickButton(f.w.get(), "cmdNuovo");
    QVERIFY(messages.shown.isEmpty());
    QVERIFY(f.edit(QStringLiteral("txtPrezzo01"))->text().isEmpty());
    clickButton(f.w.get(), "cmdDuplica");
    QCOMPARE(messages.texts(), QStringList{texts::refused});
    messages.clear();
    clickButton(f.w.get(), "cmdUltimo");
    QCOMPARE(f.edit(QStringLiteral("txtTitolo"))->text(), QStringLiteral("Menu d'estate"));
    QVERIFY(f.flag()->isChecked());
    clickButton(f.w.get(), "cmdDuplica");
    QCOMPARE(messages.texts(), QStringList{texts::duplicated});
    QVERIFY(f.position().isEmpty());
    QVERIFY(!f.flag()->isChecked());
    QCOMPARE(f.edit(QStringLiteral("txtPrezzo01"))->text(), QStringLiteral("quanto basta"));
    f.edit(QStringLiteral("txtTitolo"))->setText(QStringLiteral("Menu d'autunno"));
    clickButton(f.w.get(), "cmdSalva");
    QCOMPARE(f.position(), QStringLiteral("2"));
    QCOMPARE(stored(2).text("Segnalato"), QStringLiteral("No"));

    // Browsing fills every control and the flag.
    clickButton(f.w.get(), "cmdPrimo");
    QCOMPARE(f.position(), QStringLiteral("1"));
    QVERIFY(f.flag()->isChecked());
    clickButton(f.w.get(), "cmdAvanti");
    QCOMPARE(f.edit(QStringLiteral("txtTitolo"))->text(), QStringLiteral("Menu d'autunno"));
    QVERIFY(!f.flag()->isChecked());
}

void TestMenuWindow::pastedTextStaysInItsField()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Window f;
    QVERIFY(f.show());
    // A paste beyond the capacity is cut at it; characters outside code page 1252 are filed
    // as "?", the others whole.
    QLineEdit *price = f.edit(QStringLiteral("txtPrezzo03"));
    price->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("€ 12,50 a porzione, bevande escluse"));
    QTest::keyClick(price, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(price->text(), QStringLiteral("€ 12,50 a porzi"));
    f.edit(QStringLiteral("txtTitolo"))->setText(QStringLiteral("Cena 日本 è"));
    clickButton(f.w.get(), "cmdSalva");
    QCOMPARE(stored(1).text("Prezzo03"), QStringLiteral("€ 12,50 a porzi"));
    QCOMPARE(stored(1).text("Titolo"), QStringLiteral("Cena ?? è"));
}

void TestMenuWindow::readOnlyFolderKeepsTheScreen()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Window f;
    QVERIFY(f.show());
    f.edit(QStringLiteral("txtTitolo"))->setText(QStringLiteral("Pranzo"));
    f.edit(QStringLiteral("txtNome02"))->setText(QStringLiteral("Brodo"));
    {
        // The archive cannot be opened for writing (a folder in its place stands in for a
        // folder without write permission, which root would not feel).
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Menu.pro")));
        clickButton(f.w.get(), "cmdSalva");
        QCOMPARE(messages.texts(), QStringList{texts::archiveAccess});
        QCOMPARE(messages.shown[0].kind, MessageKind::Error);
        QVERIFY(f.position().isEmpty());
        QCOMPARE(f.edit(QStringLiteral("txtNome02"))->text(), QStringLiteral("Brodo"));
        messages.clear();
        clickButton(f.w.get(), "cmdPrimo");
        QCOMPARE(messages.texts(), QStringList{texts::archiveAccess});
        QCOMPARE(f.edit(QStringLiteral("txtTitolo"))->text(), QStringLiteral("Pranzo"));
        QVERIFY(QDir(folder.path()).rmdir(QStringLiteral("Menu.pro")));
    }
    clickButton(f.w.get(), "cmdSalva");
    QCOMPARE(f.position(), QStringLiteral("1"));
}

void TestMenuWindow::takingOverADish()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    addRecipe(QStringLiteral("Risotto"), QStringLiteral("Risotto allo zafferano"),
              QStringLiteral("9,50"));
    addRecipe(QStringLiteral("Acqua"), QString(), QString());
    addMenus({{QStringLiteral("Primi"), QStringLiteral("Estate"), {}}});
    Window f;
    QVERIFY(f.show());
    clickButton(f.w.get(), "cmdPrimo");
    for (int k : {3, 4, 5})
        for (const char *base : {"txtNome", "txtDescrizione", "txtPrezzo"})
            f.edit(QLatin1String(base) + nn(k))->setText(QStringLiteral("prima"));

    {
        const auto expected = takeRecipe(QStringLiteral("Risotto"), QStringLiteral("menu_04"));
        clickButton(f.w.get(), "impPietanza04");
    }
    QCOMPARE(f.edit(QStringLiteral("txtNome04"))->text(), QStringLiteral("Risotto"));
    QCOMPARE(f.edit(QStringLiteral("txtDescrizione04"))->text(),
             QStringLiteral("Risotto allo zafferano"));
    QCOMPARE(f.edit(QStringLiteral("txtPrezzo04"))->text(), QStringLiteral("9,50"));
    // The other slots stay; the recipe window is not involved.
    QCOMPARE(f.edit(QStringLiteral("txtNome03"))->text(), QStringLiteral("prima"));
    QCOMPARE(f.edit(QStringLiteral("txtPrezzo05"))->text(), QStringLiteral("prima"));
    QVERIFY(!brisvola::existingWindow(QStringLiteral("TfrmRicette")));

    // A recipe with an empty description and an empty price empties both edits of the slot.
    {
        const auto expected = takeRecipe(QStringLiteral("Acqua"), QStringLiteral("menu_10"));
        clickButton(f.w.get(), "impPietanza10");
    }
    f.edit(QStringLiteral("txtPrezzo05"))->setText(QStringLiteral("4,00"));
    {
        const auto expected = takeRecipe(QStringLiteral("Acqua"), QStringLiteral("menu_05"));
        clickButton(f.w.get(), "impPietanza05");
    }
    QCOMPARE(f.edit(QStringLiteral("txtNome05"))->text(), QStringLiteral("Acqua"));
    QVERIFY(f.edit(QStringLiteral("txtDescrizione05"))->text().isEmpty());
    QVERIFY(f.edit(QStringLiteral("txtPrezzo05"))->text().isEmpty());

    // Closing the find without a choice changes nothing.
    {
        const auto expected = onNextModal([](QWidget *w) { static_cast<QDialog *>(w)->reject(); });
        clickButton(f.w.get(), "impPietanza04");
    }
    QCOMPARE(f.edit(QStringLiteral("txtNome04"))->text(), QStringLiteral("Risotto"));

    // The position is untouched: saving overwrites the filed menu.
    QCOMPARE(f.position(), QStringLiteral("1"));
    clickButton(f.w.get(), "cmdSalva");
    QCOMPARE(RecordFile(menus::archivePath(), menus::menuLayout()).count(), 1);
    QCOMPARE(stored(1).text("Nome04"), QStringLiteral("Risotto"));
    QCOMPARE(stored(1).text("Prezzo05"), QString());
}

void TestMenuWindow::findBySlotAndBringBack()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    addMenus({{QStringLiteral("Zuppe"),
               QStringLiteral("Inverno"),
               QStringLiteral("piccante"),
               {{"Nome04", "Minestrone"}}},
              {QStringLiteral("Menu del giorno"),
               QStringLiteral("Inverno"),
               {},
               {{"Nome01", "Minestrone di verdure"}}},
              {QStringLiteral("Antipasti"), QStringLiteral("Estate"), {}},
              {QStringLiteral("Menu del giorno"),
               QStringLiteral("Inverno"),
               {},
               {{"Nome02", "Arrosto"}}}});
    Window f;
    QVERIFY(f.show());
    TfrmTrovaMenu find(f.w.get());
    find.lblMemory->setText(QStringLiteral("menu"));
    QCOMPARE(find.windowTitle(), QStringLiteral(" Trova menu in archivio"));
    find.show();
    // The ten criteria with their labels and focus rectangles.
    const std::pair<const char *, const char *> criteria[] = {
        {"txtTitolo", "Titolo menu:"},     {"txtStagione", "Stagione:"},
        {"txtNome01", "Nome pietanza 1:"}, {"txtDescrizione01", "Descrizione pietanza 1:"},
        {"txtNome02", "Nome pietanza 2:"}, {"txtDescrizione02", "Descrizione pietanza 2:"},
        {"txtNome03", "Nome pietanza 3:"}, {"txtDescrizione03", "Descrizione pietanza 3:"},
        {"txtAvvertenze", "Avvertenze:"},  {"txtAllergeni", "Indicazioni su allergeni:"}};
    QStringList labels;
    for (QLabel *l : find.findChildren<QLabel *>())
        labels << l->text();
    for (const auto &[edit, label] : criteria) {
        QVERIFY2(find.criterion(QLatin1String(edit)), edit);
        QVERIFY2(labels.contains(QLatin1String(label)), label);
        QVERIFY(find.findChild<QWidget *>(QStringLiteral("eff") + QLatin1String(edit + 3)));
    }
    // Enter runs through the criteria in their order and from the allergens back to the title.
    QApplication::setActiveWindow(&find);
    QVERIFY(QTest::qWaitForWindowActive(&find));
    find.criterion(QStringLiteral("txtDescrizione03"))->setFocus();
    for (const char *next : {"txtAvvertenze", "txtAllergeni", "txtTitolo", "txtStagione"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
    }
    // "Nome pietanza 1:" looks in slot 1 only: the soup menu has it in slot 4.
    find.criterion(QStringLiteral("txtNome01"))->setText(QStringLiteral("MINESTRONE"));
    clickButton(&find, "btnCerca");
    QCOMPARE(recordLines(&find),
             QStringList{QStringLiteral("Menu del giorno                           Stagione: "
                                        "Inverno                        Avvertenze: ")});
    QCOMPARE(find.findChild<QLabel *>(QStringLiteral("lblTrovate"))->text(),
             QStringLiteral("Il presente riepilogo contiene 1 schede."));
    doubleClickRow(&find, 0);
    QVERIFY(!find.isVisible());
    QCOMPARE(f.position(), QStringLiteral("2"));
    QCOMPARE(f.edit(QStringLiteral("txtNome01"))->text(), QStringLiteral("Minestrone di verdure"));

    // No criterion: every menu, by title; identical lines bring back the one clicked.
    TfrmTrovaMenu all(f.w.get());
    all.lblMemory->setText(QStringLiteral("menu"));
    all.show();
    clickButton(&all, "btnCerca");
    const QStringList lines = recordLines(&all);
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].startsWith(QStringLiteral("Antipasti ")));
    QCOMPARE(lines[1], lines[2]);
    QVERIFY(lines[3].startsWith(QStringLiteral("Zuppe ")));
    QCOMPARE(lines[3], QStringLiteral("Zuppe                                     Stagione: "
                                      "Inverno                        Avvertenze: piccante"));
    doubleClickRow(&all, 2);
    QCOMPARE(f.position(), QStringLiteral("4"));
    QCOMPARE(f.edit(QStringLiteral("txtNome02"))->text(), QStringLiteral("Arrosto"));
    {
        // The earlier of the two comes back too when its own line is clicked.
        TfrmTrovaMenu again(f.w.get());
        again.lblMemory->setText(QStringLiteral("menu"));
        again.show();
        clickButton(&again, "btnCerca");
        doubleClickRow(&again, 1);
    }
    QCOMPARE(f.position(), QStringLiteral("2"));
    QCOMPARE(f.edit(QStringLiteral("txtNome01"))->text(), QStringLiteral("Minestrone di verdure"));
    clickButton(f.w.get(), "cmdUltimo");
    QCOMPARE(f.edit(QStringLiteral("txtNome02"))->text(), QStringLiteral("Arrosto"));
    QVERIFY(f.edit(QStringLiteral("txtNome01"))->text().isEmpty());

    // Another keyword: the menu window is left alone.
    TfrmTrovaMenu other(f.w.get());
    other.lblMemory->setText(QStringLiteral("altro"));
    other.show();
    clickButton(&other, "btnCerca");
    doubleClickRow(&other, 0);
    QCOMPARE(f.position(), QStringLiteral("4"));

    // The printed list carries its title.
    QString title;
    listprint::setPrinter([&](QWidget *, const QString &t, const QStringList &) { title = t; });
    TfrmTrovaMenu print(f.w.get());
    print.show();
    clickButton(&print, "btnCerca");
    clickButton(&print, "btnStampa");
    listprint::setPrinter({});
    QCOMPARE(title, QStringLiteral("Riepilogo menu in archivio"));
}

void TestMenuWindow::flaggedListFollowsTheFlag()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Window f;
    QVERIFY(f.show());
    {
        // A missing archive: an empty list, and the file is created empty.
        TfrmMenuSegnalati flagged(f.w.get());
        QCOMPARE(flagged.windowTitle(), QStringLiteral(" Riepilogo menu segnalati"));
        flagged.show();
        QCOMPARE(recordLines(&flagged).size(), 0);
        QVERIFY(QFile::exists(folder.file(QStringLiteral("Menu.pro"))));
    }
    addMenus({{QStringLiteral("Dolci"), QStringLiteral("Estate"), {}},
              {QStringLiteral("Cena"), QStringLiteral("Inverno"), {}, {}, true}});
    clickButton(f.w.get(), "cmdPrimo");
    f.flag()->setChecked(true);
    clickButton(f.w.get(), "cmdSalva");
    {
        TfrmMenuSegnalati flagged(f.w.get());
        flagged.show();
        const QStringList lines = recordLines(&flagged);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith(QStringLiteral("Cena ")));
        QVERIFY(lines[1].startsWith(QStringLiteral("Dolci ")));
        QString title;
        listprint::setPrinter([&](QWidget *, const QString &t, const QStringList &) { title = t; });
        clickButton(&flagged, "btnStampa");
        listprint::setPrinter({});
        QCOMPARE(title, QStringLiteral("Riepilogo menu segnalati"));
        doubleClickRow(&flagged, 0);
        QCOMPARE(f.position(), QStringLiteral("2"));
        QCOMPARE(f.edit(QStringLiteral("txtTitolo"))->text(), QStringLiteral("Cena"));
        QVERIFY(f.flag()->isChecked());
    }
    f.flag()->setChecked(false);
    clickButton(f.w.get(), "cmdSalva");
    TfrmMenuSegnalati flagged(f.w.get());
    flagged.show();
    QCOMPARE(recordLines(&flagged).size(), 1);
    QVERIFY(recordLines(&flagged)[0].startsWith(QStringLiteral("Dolci ")));
}

void TestMenuWindow::damagedArchiveOpensEverywhere()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    // A flagged menu whose title length byte exceeds its field, then a broken tail.
    QByteArray bytes(4824, '\0');
    bytes[0] = char(200);
    bytes.replace(1, 120, QByteArray(120, 'M'));
    bytes.replace(4821, 3, QByteArray("\x02S\xec"));
    bytes += QByteArray(100, '\x05');
    QFile raw(menus::archivePath());
    QVERIFY(raw.open(QIODevice::WriteOnly));
    raw.write(bytes);
    raw.close();
    Window f;
    QVERIFY(f.show());
    clickButton(f.w.get(), "cmdUltimo");
    QCOMPARE(f.position(), QStringLiteral("1"));
    QCOMPARE(f.edit(QStringLiteral("txtTitolo"))->text(), QString(120, u'M'));
    TfrmTrovaMenu find(f.w.get());
    find.show();
    clickButton(&find, "btnCerca");
    QCOMPARE(recordLines(&find).size(), 1);
    TfrmMenuSegnalati flagged(f.w.get());
    flagged.show();
    QCOMPARE(recordLines(&flagged).size(), 1);
    QVERIFY(messages.shown.isEmpty());
    // Nothing is lost: the file is as it was.
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QCOMPARE(raw.readAll(), bytes);
}

namespace {
QByteArray exportedBytes()
{
    MessageRecorder messages;
    messages.answerNext(MessageAnswer::Yes);
    messages.answerNext(MessageAnswer::No);
    TfrmExpMenu d;
    d.show();
    clickButton(&d, "cmdEsporta");
    QFile f(d.filePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

void TestMenuWindow::exportBytes()
{
    TempProgramFolder folder;
    {
        TfrmExpMenu d;
        QCOMPARE(d.windowTitle(), QStringLiteral(" Esporta archivio menu in Excel"));
    }
    // The header row only for an empty archive.
    QByteArray header = "<table x:str><tr>";
    const auto head = [&header](const char *text, int width) {
        header += "<td style=\"text-align: left; font-weight: bold;\" width=" +
                  QByteArray::number(width) + ">" + text + "</td>";
    };
    head("Titolo menu", 250);
    head("Stagione", 250);
    head("Avvertenze", 300);
    for (int k = 1; k <= 10; ++k) {
        head(("Nome pietanza " + QByteArray::number(k)).constData(), 250);
        head("Prezzo", 200);
    }
    head("Indicazioni su allergeni", 300);
    head("Note a pi\xe8 pagina", 300);
    header += "</tr>";
    QVERIFY(exportedBytes().endsWith(header + "</table></body></html>"));

    addMenus({{QStringLiteral("Cena <speciale> & vini"),
               QStringLiteral("Inverno"),
               QStringLiteral("Nessuna"),
               {{"Nome01", "Brodo"},
                {"Prezzo01", "4,00"},
                {"Nome10", "Caffè"},
                {"Prezzo10", "1"},
                {"Descrizione01", "non esportata"},
                {"Coperto", "2,00"},
                {"Allergeni", "Glutine"},
                {"Note", "Grazie"}}}});
    const QByteArray bytes = exportedBytes();
    QVERIFY(QFile::exists(folder.file(QStringLiteral("Menu.xls"))));
    QVERIFY(bytes.startsWith("<html xmlns:o=\"urn:schemas-microsoft-com:office:office\""));
    QVERIFY(bytes.contains("<x:Name>Riepilogo Menu</x:Name>"));
    const QByteArray td = "<td style=\"text-align: left;\">";
    QByteArray row = "<tr>" + td + "Cena &lt;speciale&gt; &amp; vini</td>" + td + "Inverno</td>" +
                     td + "Nessuna</td>" + td + "Brodo</td>" + td + "4,00</td>";
    for (int k = 2; k <= 9; ++k)
        row += td + "</td>" + td + "</td>";
    row += td + "Caff\xe8</td>" + td + "1</td>" + td + "Glutine</td>" + td + "Grazie</td></tr>";
    QVERIFY2(bytes.endsWith(header + row + "</table></body></html>"), bytes.constData());
    QVERIFY(!bytes.contains('\n'));
}

void TestMenuWindow::buttonsOpenTheirDialogs()
{
    TempProgramFolder folder;
    Window f;
    QVERIFY(f.show());
    const std::tuple<const char *, const char *, const char *> expected[] = {
        {"cmdTrova", "TfrmTrovaMenu", " Trova menu in archivio"},
        {"cmdAnteprima", "TfrmAnteprimaMenu", " Anteprima di stampa"},
        {"cmdStampa", "TfrmStampaMenu", " Stampa scheda menu"},
        {"cmdEsporta", "TfrmExpMenu", " Esporta archivio menu in Excel"},
        {"cmdSegnalati", "TfrmMenuSegnalati", " Riepilogo menu segnalati"},
        {"impPietanza07", "TfrmTrovaRicette", " Trova ricette in archivio"}};
    for (const auto &[button, dialog, caption] : expected) {
        QString opened, title, memory;
        {
            const auto modal = onNextModal([&](QWidget *w) {
                opened = w->objectName();
                title = w->windowTitle();
                if (auto *m = w->findChild<QLabel *>(QStringLiteral("lblMemory")))
                    memory = m->text();
                static_cast<QDialog *>(w)->reject();
            });
            clickButton(f.w.get(), button);
        }
        QCOMPARE(opened, QLatin1String(dialog));
        QCOMPARE(title, QLatin1String(caption));
        if (QLatin1String(button) == QLatin1String("cmdTrova"))
            QCOMPARE(memory, QStringLiteral("menu"));
        if (QLatin1String(button) == QLatin1String("impPietanza07"))
            QCOMPARE(memory, QStringLiteral("menu_07"));
    }
    // The dialogs of the page show the menu's buttons.
    for (const char *button : {"cmdAnteprima", "cmdStampa"}) {
        QString text;
        {
            const auto modal = onNextModal([&](QWidget *w) {
                text = w->findChild<QAbstractButton *>(QStringLiteral("btnStampa"))->text();
                static_cast<QDialog *>(w)->reject();
            });
            clickButton(f.w.get(), button);
        }
        QCOMPARE(text, QLatin1String(button) == QLatin1String("cmdAnteprima")
                           ? QStringLiteral("Mostra anteprima")
                           : QStringLiteral("Stampa"));
    }
}

void TestMenuWindow::pagePrintsTheScreenAsTyped()
{
    TempProgramFolder folder;
    ReportRecorder reports;
    Window f;
    QVERIFY(f.show());
    // Nothing saved: the page shows the controls as they stand.
    f.edit(QStringLiteral("txtTitolo"))->setText(QStringLiteral("  Cena di gala "));
    f.edit(QStringLiteral("txtStagione"))->setText(QStringLiteral("Inverno"));
    f.edit(QStringLiteral("txtNome02"))->setText(QStringLiteral("Ostriche"));
    f.edit(QStringLiteral("txtPrezzo02"))->setText(QStringLiteral("18"));
    f.edit(QStringLiteral("txtCoperto"))->setText(QStringLiteral("0,00"));
    for (const char *button : {"cmdAnteprima", "cmdStampa"}) {
        const auto modal = onNextModal([](QWidget *w) { clickButton(w, "btnStampa"); });
        clickButton(f.w.get(), button);
    }
    QCOMPARE(reports.outputs.size(), 2);
    QVERIFY(reports.outputs[0].preview);
    QCOMPARE(reports.outputs[0].pages, reports.outputs[1].pages);
    QCOMPARE(reports.outputs[1].lines(),
             (QStringList{QStringLiteral("Cena di gala"), QStringLiteral("Ostriche"),
                          QStringLiteral("€ 18 "), QStringLiteral("Coperto:  € 0,00")}));
    QVERIFY(!QFile::exists(menus::archivePath()));
}

void TestMenuWindow::declaredAndReturnsToLauncher()
{
    TempProgramFolder folder;
    brisvola::registerAppWindows();
    QVERIFY(brisvola::hasWindow(QStringLiteral("TfrmMenu")));
    QWidget launcher;
    brisvola::registerWindow(QStringLiteral("TfrmAvvio"), [&] { return &launcher; });
    QWidget *w = brisvola::window(QStringLiteral("TfrmMenu"));
    QCOMPARE(w->objectName(), QStringLiteral("TfrmMenu"));
    launcher.hide();
    w->show();
    QTest::mouseClick(w->findChild<QAbstractButton *>(QStringLiteral("cmdEsci")), Qt::LeftButton);
    QVERIFY(w->isHidden());
    QVERIFY(launcher.isVisible());
    delete w;
}

QTEST_MAIN(TestMenuWindow)
#include "tst_menuwindow.moc"
