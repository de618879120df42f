#include "archive/AllegaCartella.h"
#include "archive/ArchiveError.h"
#include "archive/ArchiveWindow.h"
#include "archive/RecordFile.h"
#include "recipes/ImportaPortata.h"
#include "recipes/PhotoFiles.h"
#include "recipes/RecipeRecord.h"
#include "recipes/Ricette.h"
#include "shell/WindowSet.h"

#include "ArchiveTexts.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

// The texts the user reads, as documented.
namespace texts {
const QString nameRequired = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare il nome della ricetta.");
const QString courseRequired =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la portata.");
const QString descriptionRequired = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare la descrizione da inserire nel menu.");
const QString noCourseSelected =
    QStringLiteral("Attenzione: selezionare dall'elenco la portata da importare prima di premere "
                   "il pulsante Importa dati.");
const QString overwriteQuestion =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                   "stesso nome.\r\n\r\n"
                   "Si vuole sovrascrivere il file esistente?");
const QString invalidAttachmentName =
    QStringLiteral("Attenzione: il nome del file allegato non è valido.\r\n\r\n"
                   "Il nome deve indicare un file della cartella dei documenti allegati, senza "
                   "percorso: il file non può essere aperto.");
} // namespace texts

using brisvola::MessageKind;

namespace {

// Types text, sending non-ASCII characters one by one.
void type(QWidget *w, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QImage testPhoto(QColor colour)
{
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

struct Window
{
    std::unique_ptr<TfrmRicette> w{new TfrmRicette};

    template <class T = QWidget> T *get(const char *name) const
    {
        T *c = w->findChild<T *>(QLatin1String(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }
    QLineEdit *edit(const char *name) const { return get<QLineEdit>(name); }
    void click(const char *name) const
    {
        QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton);
    }
    QString position() const { return get<QLabel>("lblPosizione")->text(); }
    bool show() const
    {
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            return false;
        QApplication::setActiveWindow(w.get());
        return QTest::qWaitForWindowActive(w.get());
    }
    void fillRequired(const QString &name) const
    {
        edit("txtNome")->setText(name);
        edit("txtPortata")->setText(QStringLiteral("Primo piatto"));
        edit("txtDescrizione")->setText(QStringLiteral("Pasta fresca al ragù"));
    }
};

Record stored(qint64 p)
{
    return RecordFile(recipes::archivePath(), recipes::recipeLayout()).read(p);
}

} // namespace

class TestRecipeWindow : public QObject
{
    Q_OBJECT

public slots:
    void opened(const QUrl &url) { m_opened = url; }

private:
    QUrl m_opened;

private slots:
    void init() { QDir::setCurrent(QDir::tempPath()); }
    void cleanup() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    void controlsAndShow();
    void typeSaveBrowse();
    void requiredFieldsInOrder();
    void priceLeftAndSavedWhileFocused();
    void typingIntoThePriceReplacesIt();
    void courseFieldAndPicker();
    void photoWrittenAndRead();
    void duplicateWithPhoto();
    void saveFailureKeepsTyping();
    void damagedArchiveOpens();
    void attachments();
    void attachmentNamesAreBare();
    void declaredAndReturnsToLauncher();
};

void TestRecipeWindow::controlsAndShow()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Window f;
    QCOMPARE(f.w->windowTitle(), QStringLiteral(" Brisvola - Archivio ricette"));
    const std::pair<const char *, int> maxLengths[] = {
        {"txtNome", 120},  {"txtPortata", 50}, {"txtNazionalita", 50}, {"txtDifficolta", 50},
        {"txtVino", 50},   {"txtTempo", 30},   {"txtCalorie", 30},     {"txtDescrizione", 250},
        {"txtPrezzo", 15}, {"txtFonte", 50},   {"txtServizio", 250},   {"txtNote", 250}};
    for (const auto &[name, length] : maxLengths)
        QCOMPARE(f.edit(name)->maxLength(), length);
    for (const char *dialog : {"cmdTrova", "cmdStampa", "cmdWord", "cmdEsporta", "cmdSegnalate"})
        QVERIFY(f.get(dialog)->isEnabled());
    for (const char *hidden : {"lblFile01", "lblDesc03", "imgBianco"})
        QVERIFY(f.get(hidden)->isHidden());
    QCOMPARE(f.get<QLabel>("panInfo")->text(), texts::readyHint);

    f.edit("txtNome")->setText(QStringLiteral("avanzo"));
    f.get<QLabel>("lblPosizione")->setText(QStringLiteral("3"));
    QVERIFY(f.show());
    // Showing runs New: an empty card, the price at "0,00", the focus in the name.
    QVERIFY(f.edit("txtNome")->text().isEmpty());
    QCOMPARE(f.edit("txtPrezzo")->text(), QStringLiteral("0,00"));
    QVERIFY(f.position().isEmpty());
    QCOMPARE(QApplication::focusWidget(), f.edit("txtNome"));

    // Tab order.
    const char *tabs[] = {"txtNome",        "chkSegnalata",   "txtPortata",      "txtNazionalita",
                          "txtDifficolta",  "txtVino",        "txtTempo",        "txtCalorie",
                          "txtIngredienti", "txtDescrizione", "txtPreparazione", "txtPrezzo",
                          "txtFonte",       "txtServizio",    "txtNote"};
    auto nextTab = [](QWidget *w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible());
        return w;
    };
    for (size_t i = 0; i + 1 < std::size(tabs); ++i)
        QCOMPARE(nextTab(f.get(tabs[i]))->objectName(), QLatin1String(tabs[i + 1]));

    // Enter chain, with the highlight following the focus.
    const char *chain[] = {"txtNazionalita", "txtDifficolta", "txtVino",
                           "txtTempo",       "txtCalorie",    "txtIngredienti"};
    f.edit("txtNazionalita")->setFocus();
    for (size_t i = 0; i + 1 < std::size(chain); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(chain[i + 1]));
    }
    f.edit("txtPrezzo")->setFocus();
    for (const char *next : {"txtFonte", "txtServizio", "txtNote", "txtNome"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
    }
    QTest::keyClick(f.edit("txtNome"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), f.edit("txtPortata"));
    QVERIFY(f.edit("txtPortata")->styleSheet().contains(QLatin1String("#ffff00")));
    QVERIFY(f.edit("txtNome")->styleSheet().contains(QLatin1String("#ffffff")));
    QVERIFY(f.edit("txtNome")->styleSheet().contains(QLatin1String("#87CEEB")));
    QVERIFY(messages.shown.isEmpty());
}

void TestRecipeWindow::typeSaveBrowse()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Window f;
    QVERIFY(f.show());
    QTest::keyClicks(f.edit("txtNome"), QStringLiteral("  Lasagne"));
    f.edit("txtPortata")->setText(QStringLiteral("Primo piatto"));
    f.edit("txtNazionalita")->setFocus();
    type(f.edit("txtNazionalita"), QStringLiteral("Italiana è €"));
    f.get<QPlainTextEdit>("txtIngredienti")->setPlainText(QStringLiteral("sfoglia\nragù"));
    f.edit("txtDescrizione")->setText(QStringLiteral("Lasagne al forno"));
    f.get<QCheckBox>("chkSegnalata")->setChecked(true);
    f.click("cmdSalva");
    QCOMPARE(messages.texts(), QStringList{texts::inserted});
    QCOMPARE(f.position(), QStringLiteral("1"));
    f.click("cmdSalva");
    QCOMPARE(messages.last(), texts::updated);

    const Record r = stored(1);
    QCOMPARE(r.rawText(0), QStringLiteral("  Lasagne")); // stored as typed
    QCOMPARE(r.text("Nazionalita"), QStringLiteral("Italiana è €"));
    QCOMPARE(r.text("Ingredienti"), QStringLiteral("sfoglia\r\nragù"));
    QCOMPARE(r.text("Segnalata"), QStringLiteral("Sì"));
    QCOMPARE(r.text("Prezzo"), QStringLiteral("0,00"));

    f.click("cmdNuovo");
    QVERIFY(f.edit("txtNome")->text().isEmpty());
    QVERIFY(!f.get<QCheckBox>("chkSegnalata")->isChecked());
    f.fillRequired(QStringLiteral("Tiramisù"));
    f.click("cmdSalva");
    QCOMPARE(f.position(), QStringLiteral("2"));
    f.click("cmdPrimo");
    QCOMPARE(f.edit("txtNome")->text(), QStringLiteral("Lasagne")); // shown trimmed
    QCOMPARE(f.get<QPlainTextEdit>("txtIngredienti")->toPlainText(),
             QStringLiteral("sfoglia\nragù"));
    QVERIFY(f.get<QCheckBox>("chkSegnalata")->isChecked());
    f.click("cmdAvanti");
    QCOMPARE(f.edit("txtNome")->text(), QStringLiteral("Tiramisù"));
    QVERIFY(!f.get<QCheckBox>("chkSegnalata")->isChecked());
}

void TestRecipeWindow::requiredFieldsInOrder()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Window f;
    QVERIFY(f.show());
    struct Step
    {
        const char *fill;
        QString message;
        const char *focus;
    };
    const Step steps[] = {{nullptr, texts::nameRequired, "txtNome"},
                          {"txtNome", texts::courseRequired, "txtPortata"},
                          {"txtPortata", texts::descriptionRequired, "txtDescrizione"}};
    for (const Step &s : steps) {
        if (s.fill)
            f.edit(s.fill)->setText(QStringLiteral("x"));
        f.edit("txtNote")->setFocus();
        f.click("cmdSalva");
        QCOMPARE(messages.last(), s.message);
        QCOMPARE(messages.shown.last().kind, MessageKind::Warning);
        QCOMPARE(messages.shown.last().buttons, brisvola::MessageButtons::OkCancel);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(s.focus));
    }
    QVERIFY(!QFile::exists(recipes::archivePath()));
}

void TestRecipeWindow::priceLeftAndSavedWhileFocused()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Window f;
    QVERIFY(f.show());
    QLineEdit *price = f.edit("txtPrezzo");
    price->setFocus();
    price->selectAll();
    QTest::keyClicks(price, QStringLiteral("1a2,-5x"));
    QCOMPARE(price->text(), QStringLiteral("12,5")); // only digits and the comma get in
    f.edit("txtFonte")->setFocus();
    QCOMPARE(price->text(), QStringLiteral("12,50"));

    // Saving with the cursor still in the price saves the normalised price.
    f.fillRequired(QStringLiteral("Risotto"));
    price->setFocus();
    price->selectAll();
    QTest::keyClicks(price, QStringLiteral("2,346"));
    f.click("cmdSalva");
    QCOMPARE(price->text(), QStringLiteral("2,35"));
    QCOMPARE(stored(1).text("Prezzo"), QStringLiteral("2,35"));
    QCOMPARE(QApplication::focusWidget(), f.get("btnFocus"));
}

void TestRecipeWindow::typingIntoThePriceReplacesIt()
{
    // Clicking into "0,00" and typing 12,5 once gave "12,50,00", which the normalisation turned
    // into 0,00: the whole price is selected as the field takes the focus.
    TempProgramFolder folder;
    Window f;
    QVERIFY(f.show());
    QLineEdit *price = f.edit("txtPrezzo");
    QCOMPARE(price->text(), QStringLiteral("0,00"));
    QTest::mouseClick(price, Qt::LeftButton, {}, QPoint(10, price->height() / 2));
    QTRY_COMPARE(price->selectedText(), QStringLiteral("0,00"));
    QTest::keyClicks(price, QStringLiteral("12,5"));
    f.edit("txtFonte")->setFocus();
    QCOMPARE(price->text(), QStringLiteral("12,50"));

    QTest::keyClick(f.edit("txtFonte"), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), price);
    QTRY_COMPARE(price->selectedText(), QStringLiteral("12,50"));
    QTest::keyClicks(price, QStringLiteral("7"));
    QCOMPARE(price->text(), QStringLiteral("7"));
}

void TestRecipeWindow::courseFieldAndPicker()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Window f;
    QVERIFY(f.show());
    QLineEdit *course = f.edit("txtPortata");
    course->setText(QStringLiteral("Pizza"));
    course->setFocus();
    QTest::keyClick(course, Qt::Key_Backspace); // empties without opening the picker
    QVERIFY(course->text().isEmpty());
    QVERIFY(!QApplication::activeModalWidget());

    // A letter opens the picker; "Importa dati" with nothing selected warns and stays open.
    bool checked = false;
    const auto picker = onNextModal([&](QWidget *w) {
        auto *picker = qobject_cast<TfrmImportaPortata *>(w);
        QVERIFY(picker);
        QCOMPARE(picker->windowTitle(), QStringLiteral(" Importazione portata"));
        auto *list = picker->findChild<QListWidget *>(QStringLiteral("lstRecords"));
        QCOMPARE(list->count(), 15);
        QCOMPARE(list->item(13)->text(), QStringLiteral("Caffè"));
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(picker->findChild<QLabel *>(QStringLiteral("icoMano"))->isHidden());
        QTest::mouseClick(picker->findChild<QPushButton *>(QStringLiteral("btnImporta")),
                          Qt::LeftButton);
        QCOMPARE(messages.last(), texts::noCourseSelected);
        QVERIFY(picker->isVisible());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(13)).center());
        QVERIFY(!picker->findChild<QLabel *>(QStringLiteral("icoMano"))->isHidden());
        QTest::mouseClick(picker->findChild<QPushButton *>(QStringLiteral("btnImporta")),
                          Qt::LeftButton);
        checked = true;
    });
    QTest::keyClick(course, Qt::Key_C);
    QVERIFY(checked);
    QCOMPARE(course->text(), QStringLiteral("Caffè"));

    // "Chiudi" changes nothing; the picker icon opens it too.
    const auto closed = onNextModal([](QWidget *w) {
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("btnChiudi")), Qt::LeftButton);
    });
    f.click("impPortata");
    QCOMPARE(course->text(), QStringLiteral("Caffè"));
}

void TestRecipeWindow::photoWrittenAndRead()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Window f;
    QVERIFY(f.show());
    // No photo loaded: the placeholder picture is written.
    f.fillRequired(QStringLiteral("Senza foto"));
    f.click("cmdSalva");
    const QImage written = recipes::readPicture(folder.file(QStringLiteral("1.jpg")));
    QCOMPARE(written.size(), QSize(366, 274));

    // A loaded photo is written under the new position and read back when shown.
    const QString source = folder.file(QStringLiteral("rossa.png"));
    QVERIFY(testPhoto(Qt::red).save(source));
    f.click("cmdNuovo");
    QVERIFY(f.w->photoIsPlaceholder());
    f.fillRequired(QStringLiteral("Con foto"));
    const auto chooser = chooseFile(source);
    f.click("btnCaricaFoto");
    QCOMPARE(f.w->photo().size(), QSize(640, 480));
    f.click("cmdSalva");
    const QImage second = recipes::readPicture(folder.file(QStringLiteral("2.jpg")));
    QCOMPARE(second.size(), QSize(640, 480));
    QVERIFY(qRed(second.pixel(10, 10)) > 240);
    f.click("cmdPrimo");
    QCOMPARE(f.w->photo().size(), QSize(366, 274));
    f.click("cmdAvanti");
    QCOMPARE(f.w->photo().size(), QSize(640, 480));

    // A photo file deleted by hand shows the placeholder, without a message.
    QFile::remove(folder.file(QStringLiteral("2.jpg")));
    f.click("cmdIndietro");
    f.click("cmdAvanti");
    QVERIFY(f.w->photoIsPlaceholder());
    // A file that is not a picture: the placeholder again.
    QFile junk(folder.file(QStringLiteral("2.jpg")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a jpeg");
    junk.close();
    f.click("cmdIndietro");
    f.click("cmdAvanti");
    QVERIFY(f.w->photoIsPlaceholder());
    QCOMPARE(messages.texts(), (QStringList{texts::inserted, texts::inserted}));

    // Clearing the photo, and saving the photo to a chosen file (".jpg" added).
    f.w->setPhoto(testPhoto(Qt::blue));
    const auto saveChooser = chooseFile(folder.file(QStringLiteral("copia")));
    f.click("btnSalvaFoto");
    QCOMPARE(recipes::readPicture(folder.file(QStringLiteral("copia.jpg"))).size(),
             QSize(640, 480));
    f.click("btnCancFoto");
    QVERIFY(f.w->photoIsPlaceholder());
}

void TestRecipeWindow::duplicateWithPhoto()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    Window f;
    QVERIFY(f.show());
    f.fillRequired(QStringLiteral("Orata"));
    f.edit("txtPrezzo")->setText(QStringLiteral("18,00"));
    f.get<QLabel>("lblFile01")->setText(QStringLiteral("orata.pdf"));
    f.get<QLabel>("lblDesc01")->setText(QStringLiteral("Scheda fornitore"));
    f.w->setPhoto(testPhoto(Qt::green));
    f.click("cmdSalva");
    messages.clear();
    f.click("cmdDuplica");
    QCOMPARE(messages.texts(), QStringList{texts::duplicated});
    QVERIFY(f.position().isEmpty());
    QVERIFY(f.w->photoIsPlaceholder());
    QCOMPARE(f.edit("txtNome")->text(), QStringLiteral("Orata"));
    QVERIFY(f.get<QLabel>("lblFile01")->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), f.edit("txtNome"));
    f.click("cmdSalva");
    QCOMPARE(f.position(), QStringLiteral("2"));
    Record copy = stored(2);
    QCOMPARE(copy.text("Prezzo"), QStringLiteral("18,00"));
    QVERIFY(copy.text("File01").isEmpty() && copy.text("Desc01").isEmpty());
    QCOMPARE(stored(1).text("File01"), QStringLiteral("orata.pdf"));
    QCOMPARE(recipes::readPicture(folder.file(QStringLiteral("2.jpg"))).size(), QSize(366, 274));
}

void TestRecipeWindow::saveFailureKeepsTyping()
{
    // The archive's name taken by a folder: it can be neither opened nor created, as in a program
    // folder without write permission.
    TempProgramFolder folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Ricettario.pro")));
    MessageRecorder messages;
    Window f;
    QVERIFY(f.show());
    f.fillRequired(QStringLiteral("Gnocchi"));
    f.get<QPlainTextEdit>("txtPreparazione")->setPlainText(QStringLiteral("Impastare..."));
    f.click("cmdSalva");
    QCOMPARE(messages.texts(), QStringList{texts::archiveAccess});
    QCOMPARE(messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(messages.shown[0].buttons, brisvola::MessageButtons::Ok);
    QVERIFY(f.position().isEmpty());
    QCOMPARE(f.edit("txtNome")->text(), QStringLiteral("Gnocchi"));
    QCOMPARE(f.get<QPlainTextEdit>("txtPreparazione")->toPlainText(),
             QStringLiteral("Impastare..."));
    messages.clear();
    f.click("cmdUltimo");
    QCOMPARE(messages.shown.at(0).kind, MessageKind::Error);
    QCOMPARE(f.edit("txtNome")->text(), QStringLiteral("Gnocchi"));

    // Once the folder is writable again, the same card is saved.
    QVERIFY(QDir(folder.path()).rmdir(QStringLiteral("Ricettario.pro")));
    f.click("cmdSalva");
    QCOMPARE(f.position(), QStringLiteral("1"));
    QCOMPARE(stored(1).text("Preparazione"), QStringLiteral("Impastare..."));

    // A photo file that cannot be written: the record is saved, the placeholder comes on screen,
    // no message of its own.
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("2.jpg")));
    f.click("cmdNuovo");
    f.fillRequired(QStringLiteral("Polenta"));
    f.w->setPhoto(testPhoto(Qt::yellow));
    messages.clear();
    f.click("cmdSalva");
    QCOMPARE(messages.texts(), QStringList{texts::inserted});
    QCOMPARE(f.position(), QStringLiteral("2"));
    QVERIFY(f.w->photoIsPlaceholder());
}

void TestRecipeWindow::damagedArchiveOpens()
{
    // A whole record without terminators and with bytes that code page 1252 leaves undefined,
    // then half a record.
    TempProgramFolder folder;
    MessageRecorder messages;
    QByteArray bytes(recipes::recipeLayout().recordSize(), 'A');
    for (int i = 1; i < bytes.size(); i += 5)
        bytes[i] = char(0x81 + (i % 3) * 12); // 0x81, 0x8D, 0x99
    bytes += QByteArray(6000, 'Z');
    QFile file(recipes::archivePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    Window f;
    QVERIFY(f.show());
    f.click("cmdUltimo");
    QCOMPARE(f.position(), QStringLiteral("1"));
    QVERIFY(f.edit("txtNome")->text().startsWith(QLatin1Char('A')));
    QVERIFY(f.edit("txtNome")->text().size() <= 120);
    QVERIFY(f.get<QPlainTextEdit>("txtIngredienti")->toPlainText().size() <= 5000);
    QVERIFY(!f.get<QCheckBox>("chkSegnalata")->isChecked());
    f.click("cmdAvanti"); // the half record is not a record
    QCOMPARE(f.position(), QStringLiteral("1"));
    QVERIFY(messages.shown.isEmpty());
    // Saving it again writes a whole, terminated record in its place.
    f.click("cmdSalva");
    QCOMPARE(RecordFile(recipes::archivePath(), recipes::recipeLayout()).count(), 1);
    QCOMPARE(messages.last(), texts::updated);
}

void TestRecipeWindow::attachments()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "opened");
    Window f;
    QVERIFY(f.show());
    const QString outside = folder.file(QStringLiteral("fuori"));
    QDir().mkpath(outside);
    auto write = [](const QString &path, const QByteArray &data) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(data);
    };
    write(outside + QStringLiteral("/menù.txt"), "nuovo");
    const QString attached = TfrmAllegaCartella::folder() + QStringLiteral("/menù.txt");

    f.get<QLabel>("lblDesc02")->setText(QStringLiteral("  resta  "));
    // Attach into slot 1, apply: the labels of the card change, the file is in the folder.
    const auto attach = onNextModal([&](QWidget *w) {
        auto *dialog = qobject_cast<TfrmAllegaCartella *>(w);
        QVERIFY(dialog);
        QCOMPARE(dialog->lblMemory->text(), QStringLiteral("ricette"));
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("txtDesc02"))->text(),
                 QStringLiteral("resta"));
        auto *apri = dialog->findChild<QPushButton *>(QStringLiteral("btnApri01"));
        QVERIFY(!apri->isEnabled());
        const auto chooser = chooseFile(outside + QStringLiteral("/menù.txt"));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnSfoglia01")),
                          Qt::LeftButton);
        QVERIFY(apri->isEnabled());
        type(dialog->findChild<QLineEdit *>(QStringLiteral("txtDesc01")), QStringLiteral("Menù"));
        QTest::mouseClick(apri, Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnApplica")),
                          Qt::LeftButton);
    });
    f.click("cmdFile");
    QCOMPARE(f.get<QLabel>("lblFile01")->text(), QStringLiteral("menù.txt"));
    QCOMPARE(f.get<QLabel>("lblDesc01")->text(), QStringLiteral("Menù"));
    QCOMPARE(f.get<QLabel>("lblDesc02")->text(), QStringLiteral("resta"));
    QVERIFY(QFile::exists(attached));
    QCOMPARE(m_opened, QUrl::fromLocalFile(attached));

    // The same name again, answering No: the old file stays and the slot refers to it.
    write(outside + QStringLiteral("/menù.txt"), "nuovissimo");
    messages.answerNext(brisvola::MessageAnswer::No);
    const auto keep = onNextModal([&](QWidget *w) {
        const auto chooser = chooseFile(outside + QStringLiteral("/menù.txt"));
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("btnSfoglia02")),
                          Qt::LeftButton);
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("btnApplica")),
                          Qt::LeftButton);
    });
    f.click("cmdFile");
    QCOMPARE(messages.last(), texts::overwriteQuestion);
    QCOMPARE(messages.shown.last().kind, MessageKind::Question);
    QCOMPARE(f.get<QLabel>("lblFile02")->text(), QStringLiteral("menù.txt"));
    QFile old(attached);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("nuovo"));
    old.close();

    // Yes replaces it; then "Annulla" after clearing a slot leaves the card's slots as they were.
    messages.answerNext(brisvola::MessageAnswer::Yes);
    const auto replace = onNextModal([&](QWidget *w) {
        const auto chooser = chooseFile(outside + QStringLiteral("/menù.txt"));
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("btnSfoglia03")),
                          Qt::LeftButton);
        QTest::mouseClick(w->findChild<QToolButton *>(QStringLiteral("imgCancella01")),
                          Qt::LeftButton);
        QVERIFY(w->findChild<QLineEdit *>(QStringLiteral("txtFile01"))->text().isEmpty());
        QVERIFY(!w->findChild<QPushButton *>(QStringLiteral("btnApri01"))->isEnabled());
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("btnAnnulla")),
                          Qt::LeftButton);
    });
    f.click("cmdFile");
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("nuovissimo"));
    QCOMPARE(f.get<QLabel>("lblFile01")->text(), QStringLiteral("menù.txt"));
    QVERIFY(f.get<QLabel>("lblFile03")->text().isEmpty());

    // Saved with the card; a duplicate drops them.
    f.fillRequired(QStringLiteral("Con allegati"));
    f.click("cmdSalva");
    QCOMPARE(stored(1).text("File01"), QStringLiteral("menù.txt"));
    QCOMPARE(stored(1).text("Desc01"), QStringLiteral("Menù"));
}

void TestRecipeWindow::attachmentNamesAreBare()
{
    TempProgramFolder folder;
    MessageRecorder messages;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "opened");
    m_opened.clear();
    for (const char *name :
         {"../Ricettario.pro", "..\\segreti.txt", "/etc/passwd", "a/b.txt", ".."})
        QVERIFY2(!TfrmAllegaCartella::isBareFileName(QString::fromLatin1(name)), name);
    QVERIFY(TfrmAllegaCartella::isBareFileName(QStringLiteral("Carta d'identità.pdf")));

    Window f;
    f.get<QLabel>("lblFile01")->setText(QStringLiteral("../Ricettario.pro"));
    const auto invalid = onNextModal([&](QWidget *w) {
        auto *apri = w->findChild<QPushButton *>(QStringLiteral("btnApri01"));
        QVERIFY(apri->isEnabled());
        QTest::mouseClick(apri, Qt::LeftButton);
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("btnAnnulla")),
                          Qt::LeftButton);
    });
    f.click("cmdFile");
    QCOMPARE(messages.texts(), QStringList{texts::invalidAttachmentName});
    QVERIFY(m_opened.isEmpty());
}

void TestRecipeWindow::declaredAndReturnsToLauncher()
{
    TempProgramFolder folder;
    brisvola::registerAppWindows();
    QVERIFY(brisvola::hasWindow(QStringLiteral("TfrmRicette")));
    QWidget launcher;
    brisvola::registerWindow(QStringLiteral("TfrmAvvio"), [&] { return &launcher; });
    QWidget *w = brisvola::window(QStringLiteral("TfrmRicette"));
    QCOMPARE(w->objectName(), QStringLiteral("TfrmRicette"));
    launcher.hide();
    w->show();
    QTest::mouseClick(w->findChild<QAbstractButton *>(QStringLiteral("cmdEsci")), Qt::LeftButton);
    QVERIFY(w->isHidden());
    QVERIFY(launcher.isVisible());
    delete w;
}

QTEST_MAIN(TestRecipeWindow)
#include "tst_recipewindow.moc"
