// Every window that writes, facing a program folder it may not write into: each shows the message
// documented for that failure, keeps on screen what the user typed, reports nothing as done and
// leaves the earlier files byte for byte as they were. One row per window and command: the real
// window is opened offscreen and typed into by the names of its controls, the folder (or the one
// file concerned) is made read-only, the command is pressed and the real message boxes are
// answered as they come.

#include "ArchiveTexts.h"
#include "TestSupport.h"

#include "archive/AllegaCartella.h"
#include "archive/ArchiveWindow.h"
#include "archive/RecordFile.h"
#include "backup/Copie.h"
#include "customers/CustomerRecord.h"
#include "menus/MenuRecord.h"
#include "quotes/Logo.h"
#include "quotes/LogoFile.h"
#include "quotes/Preventivi.h"
#include "quotes/QuoteRecord.h"
#include "recipes/PhotoFiles.h"
#include "recipes/RecipeRecord.h"
#include "recipes/Ricette.h"
#include "reservations/Prenotazioni.h"
#include "reservations/ReservationRecord.h"
#include "shell/Clock.h"
#include "shell/Crypt.h"
#include "shell/WindowSet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>
#include <source_location>
#include <vector>

// The texts the user reads, as documented (the archive and export ones are in ArchiveTexts.h).
namespace texts {
const QString rtfQuestion =
    QStringLiteral("Questa procedura esporterà la scheda corrente in un documento in formato "
                   "RTF.\r\n\r\nSi conferma la creazione del file?");
const QString rtfFailure =
    QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi "
                   "che il documento non sia già aperto.");
const QString attachmentOverwrite =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                   "stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
const QString quotePdfFailure = QStringLiteral(
    "Attenzione: il sistema non permette di creare il file PDF.\n\r\n\rAccertarsi che il file "
    "Preventivo.pdf non sia già aperto e di possedere i privilegi di scrittura nella cartella di "
    "installazione del programma.");
const QString customerPdfFailure = QStringLiteral(
    "Attenzione: il sistema non permette di creare il file PDF.\r\n\r\nAccertarsi che il file "
    "Clienti.pdf non sia già aperto in un altro programma e di possedere i privilegi di scrittura "
    "nella cartella di installazione del programma.");
const QString settingsNotWritten = QStringLiteral(
    "Attenzione: non è stato possibile salvare le impostazioni nel file Numerazione.ini.\r\n\r\n"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
    "programma.");
const QString logoNotWritten = QStringLiteral(
    "Attenzione: non è stato possibile salvare il logo nel file Logo.bmp.\r\n\r\nAccertarsi di "
    "possedere i privilegi di scrittura nella cartella di installazione del programma.");
const QString passwordNotChanged = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. Si "
    "consiglia di reinstallare il software.");
const QString copyFailed = QStringLiteral(
    "Attenzione: non è stato possibile fare la copia di sicurezza dei dati nella cartella "
    "\"Copie_di_sicurezza\" del programma.\r\n\r\nControllare che il disco non sia pieno e che "
    "la cartella non sia protetta da scrittura. I dati non sono stati modificati.");
} // namespace texts

namespace {

template <class T = QWidget> T *child(QWidget *w, const QString &name)
{
    T *c = w->findChild<T *>(name);
    if (!c)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(w->objectName()));
    return c;
}

// Types into a control as the user does: keys into the edits that take them, the value into the
// lists, check boxes and read-only edits that the program fills from its pickers.
void type(QWidget *window, const QString &name, const QString &text)
{
    QWidget *c = child(window, name);
    auto *edit = qobject_cast<QLineEdit *>(c);
    auto *memo = qobject_cast<QPlainTextEdit *>(c);
    if ((edit && !edit->isReadOnly()) || memo) {
        c->setFocus(Qt::MouseFocusReason);
        if (edit)
            edit->selectAll();
        else
            memo->selectAll();
        QTest::keyClicks(c, text);
    } else {
        ArchiveWindow::setFieldText(c, text);
    }
}

// --- what the user sees ------------------------------------------------------------------

// The texts of a window's named controls: edits, memos, lists, check boxes ("Sì" or "No") and
// labels, the hidden ones included (position, attachment slots, state); the information bar,
// which follows the mouse, aside.
using Texts = QMap<QString, QString>;

Texts screenTexts(const QWidget *window)
{
    Texts out;
    for (QWidget *c : window->findChildren<QWidget *>()) {
        const QString name = c->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) ||
            name == QLatin1String("panInfo"))
            continue;
        if (qobject_cast<QLineEdit *>(c) || qobject_cast<QPlainTextEdit *>(c) ||
            qobject_cast<QTextEdit *>(c) || qobject_cast<QComboBox *>(c) ||
            qobject_cast<QCheckBox *>(c) || qobject_cast<QLabel *>(c))
            out.insert(name, ArchiveWindow::fieldText(c));
    }
    return out;
}

// The screen once the field being typed in is left (its own exit rules have run).
Texts settled(QWidget *window)
{
    if (QWidget *focused = QApplication::focusWidget())
        focused->clearFocus();
    QCoreApplication::processEvents();
    return screenTexts(window);
}

// The screen as it was, but for the controls named in changed, which must hold those texts.
void sameScreen(const Texts &before, QWidget *window, const Texts &changed = {})
{
    Texts expected = before;
    for (auto it = changed.cbegin(); it != changed.cend(); ++it)
        expected.insert(it.key(), it.value());
    const Texts now = screenTexts(window);
    QStringList differences;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        if (now.value(it.key()) != it.value())
            differences << QStringLiteral("%1: \"%2\" expected, \"%3\" shown")
                               .arg(it.key(), it.value(), now.value(it.key()));
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QStringLiteral("; "))));
}

// --- the program folder ------------------------------------------------------------------

using Files = QMap<QString, QByteArray>;

// Every file and folder below root with its bytes (folders as a mark of their own).
Files folderFiles(const QString &root)
{
    Files out;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(root).relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            out.insert(name, QByteArrayLiteral("<folder>"));
        } else {
            QFile f(path);
            out.insert(name,
                       f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>"));
        }
    }
    return out;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(f.write(bytes), bytes.size());
}

// The program folder made read-only: the folder itself (nothing can be created, replaced or
// removed in it) and, unless told otherwise, every file and folder inside it (nothing can be
// written into them either).
class ReadOnlyFolder
{
public:
    enum class Scope
    {
        FolderOnly,
        Everything
    };

    explicit ReadOnlyFolder(const QString &folder, Scope scope = Scope::Everything)
    {
        if (scope == Scope::Everything) {
            QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                            QDirIterator::Subdirectories);
            while (it.hasNext())
                m_guards.push_back(std::make_unique<ReadOnlyPath>(it.next()));
        }
        m_guards.push_back(std::make_unique<ReadOnlyPath>(folder));
    }
    bool writable() const
    {
        for (const auto &g : m_guards)
            if (g->writable())
                return true;
        return false;
    }

private:
    std::vector<std::unique_ptr<ReadOnlyPath>> m_guards;
};

// --- the messages ------------------------------------------------------------------------

// One message box as it must come, and the button the user presses.
struct Shown
{
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton answer;
};

// The kinds of message box, with the buttons each carries: the notices of the archive windows
// have OK and Cancel, plain messages OK alone, questions Yes and No.
Shown error(const QString &text)
{
    return {text, QMessageBox::Critical, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok};
}
Shown warning(const QString &text,
              QMessageBox::StandardButtons buttons = QMessageBox::Ok | QMessageBox::Cancel)
{
    return {text, QMessageBox::Warning, buttons, QMessageBox::Ok};
}
Shown information(const QString &text)
{
    return {text, QMessageBox::Information, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok};
}
Shown plain(const QString &text)
{
    return {text, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok};
}
Shown question(const QString &text)
{
    return {text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
}

// Answers every message box that opens while it lives, in turn: each must be the one expected
// at its turn. A box beyond them (a success reported, say) is answered No or OK and fails the
// test, as does one of them that never came.
class [[nodiscard]] MessageBoxes
{
public:
    explicit MessageBoxes(QList<Shown> expected,
                          std::source_location where = std::source_location::current())
        : m_expected(std::move(expected)), m_where(where)
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                answer(box);
        });
        m_timer.start();
    }
    ~MessageBoxes()
    {
        m_timer.stop();
        for (qsizetype i = m_next; i < m_expected.size(); ++i)
            m_faults << QStringLiteral("never shown: \"%1\"").arg(m_expected[i].text);
        if (!m_faults.isEmpty() && !QTest::currentTestFailed())
            QTest::qFail(qPrintable(m_faults.join(QStringLiteral("; "))), m_where.file_name(),
                         int(m_where.line()));
    }
    MessageBoxes(const MessageBoxes &) = delete;
    MessageBoxes &operator=(const MessageBoxes &) = delete;

private:
    void answer(QMessageBox *box)
    {
        if (m_handled.contains(box))
            return; // closing
        m_handled << box;
        QAbstractButton *button = nullptr;
        if (m_next < m_expected.size()) {
            const Shown &e = m_expected[m_next++];
            if (box->text() != e.text)
                m_faults
                    << QStringLiteral("\"%1\" shown instead of \"%2\"").arg(box->text(), e.text);
            else if (box->icon() != e.icon || box->standardButtons() != e.buttons)
                m_faults << QStringLiteral("\"%1\" shown with another icon or other buttons")
                                .arg(e.text);
            button = box->button(e.answer);
        } else {
            m_faults << QStringLiteral("unexpected message: \"%1\"").arg(box->text());
            button = box->button(QMessageBox::No);
        }
        if (!button)
            button = box->button(QMessageBox::Ok);
        if (button)
            button->click();
        else
            box->done(0);
    }

    QList<Shown> m_expected;
    qsizetype m_next = 0;
    QList<QPointer<QMessageBox>> m_handled;
    QStringList m_faults;
    QTimer m_timer;
    std::source_location m_where;
};

// Whatever the shell is asked to open: a failed write opens nothing.
class Opened : public QObject
{
    Q_OBJECT
public:
    Opened() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~Opened() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

// --- the program -------------------------------------------------------------------------

// The program's windows over an empty program folder, the launcher standing by; the clock on
// 10 December 2026.
struct Program
{
    TempProgramFolder folder;
    Opened opened;

    Program()
    {
        brisvola::setNow(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
        brisvola::registerAppWindows();
        brisvola::registerWindow(QStringLiteral("TfrmAvvio"), [] { return new QWidget; });
        brisvola::window(QStringLiteral("TfrmAvvio"))->show();
    }
    ~Program()
    {
        brisvola::destroyWindows();
        brisvola::setNow(QDateTime());
    }
    Files files() const { return folderFiles(folder.path()); }
    // The folder's files as they were, but for those named (which the command may write).
    void sameFiles(const Files &before, const QStringList &written = {}) const
    {
        Files now = files();
        Files expected = before;
        for (const QString &name : written) {
            now.remove(name);
            expected.remove(name);
        }
        QStringList differences;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            if (!now.contains(it.key()))
                differences << it.key() + QStringLiteral(" gone");
            else if (now.value(it.key()) != it.value())
                differences << it.key() + QStringLiteral(" changed");
        for (auto it = now.cbegin(); it != now.cend(); ++it)
            if (!expected.contains(it.key()))
                differences << it.key() + QStringLiteral(" made");
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QStringLiteral(", "))));
    }

    // An app window shown over the launcher and active; the yearly apps on the year 2024.
    template <class T = QWidget> T *open(const char *className)
    {
        auto *w = brisvola::window<T>(QLatin1String(className));
        brisvola::showInstead(w, brisvola::window(QStringLiteral("TfrmAvvio")));
        if (!QTest::qWaitForWindowExposed(w))
            qFatal("%s not shown", className);
        QApplication::setActiveWindow(w);
        if (auto *quotes = qobject_cast<TfrmPreventivi *>(w)) {
            quotes->openYear(QStringLiteral("2024"));
        } else if (auto *reservations = qobject_cast<TfrmPrenotazioni *>(w)) {
            reservations->txtAnno->setText(QStringLiteral("2024"));
            clickButton(w, "btnApri");
        }
        return w;
    }
};

QImage picture(QColor colour)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// --- records filed before the folder became read-only ----------------------------------------

void fileRecipe()
{
    Record r(recipes::recipeLayout());
    r.setText("Nome", QStringLiteral("Risotto"));
    r.setText("Portata", QStringLiteral("Primo piatto"));
    r.setText("Descrizione", QStringLiteral("Risotto allo zafferano"));
    r.setText("Prezzo", QStringLiteral("9,50"));
    r.setText("Segnalata", QStringLiteral("No"));
    RecordFile(recipes::archivePath(), recipes::recipeLayout()).append(r);
}

void fileMenu()
{
    Record r(menus::menuLayout());
    r.setText("Titolo", QStringLiteral("Pranzo di Natale"));
    r.setText("Nome01", QStringLiteral("Tortellini"));
    r.setText("Segnalato", QStringLiteral("Sì"));
    RecordFile(menus::archivePath(), menus::menuLayout()).append(r);
}

void fileQuote()
{
    Record r(quotes::quoteLayout());
    r.setText("Cliente", QStringLiteral("Verdi Carla"));
    r.setText("NumFatt", QStringLiteral("1"));
    r.setText("Data", QStringLiteral("02/05/2024"));
    RecordFile(quotes::quoteArchivePath(QStringLiteral("2024")), quotes::quoteLayout()).append(r);
}

void fileReservation(const QString &year)
{
    Record r(reservations::reservationLayout());
    r.setText("GiornoRit", QStringLiteral("15"));
    r.setText("MeseRit", QStringLiteral("Marzo"));
    r.setText("AnnoRit", year);
    r.setText("OreRit", QStringLiteral("20"));
    r.setText("MinutiRit", QStringLiteral("30"));
    r.setText("OreRic", QStringLiteral("22"));
    r.setText("MinutiRic", QStringLiteral("30"));
    r.setText("Cliente", QStringLiteral("Mario Rossi"));
    r.setText("Recapito", QStringLiteral("333 1234567"));
    r.setText("Persone", QStringLiteral("4"));
    r.setText("Stato", QStringLiteral("Confermata"));
    r.setText("Totale", QStringLiteral("0,00"));
    reservations::deriveFields(r);
    RecordFile(reservations::reservationArchivePath(year), reservations::reservationLayout())
        .append(r);
}

void fileCustomer()
{
    Record r(customers::customerLayout());
    r.setText("Ditta", QStringLiteral("Rossi Mario"));
    r.setText("ComuneRes", QStringLiteral("Roma"));
    r.setText("File01", QStringLiteral("contratto.pdf"));
    r.setText("Desc01", QStringLiteral("Contratto firmato"));
    r.setText("Ricontatta", QStringLiteral("No"));
    RecordFile(customers::archivePath(), customers::customerLayout()).append(r);
}

// --- the cases -----------------------------------------------------------------------------

// An archive window's Save over a read-only folder and archive: the archive message of the
// window's kind, the card on screen as typed, the position as it was.
void archiveSave(Program &p, const char *app, const std::function<void()> &fileOne, bool filedCard,
                 const QList<std::pair<QString, QString>> &typing, const Shown &failure)
{
    fileOne();
    QWidget *w = p.open(app);
    if (filedCard)
        clickButton(w, "cmdPrimo");
    for (const auto &[control, text] : typing)
        type(w, control, text);
    if (w->findChild<QAbstractButton *>(QStringLiteral("cmdCalcola")))
        clickButton(w, "cmdCalcola"); // the totals a save works out first
    const Texts screen = settled(w);
    QCOMPARE(screen.value(QStringLiteral("lblPosizione")),
             filedCard ? QStringLiteral("1") : QString());
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    QVERIFY(!readOnly.writable());
    {
        const MessageBoxes messages({failure});
        clickButton(w, "cmdSalva");
    }
    sameScreen(screen, w);
    p.sameFiles(files);
}

void recipeSave(Program &p)
{
    archiveSave(p, "TfrmRicette", fileRecipe, false,
                {{"txtNome", "Gnocchi al pomodoro"},
                 {"txtPortata", "Primo piatto"},
                 {"txtDescrizione", "Gnocchi di patate"},
                 {"txtPrezzo", "8,5"},
                 {"txtPreparazione", "Impastare, cuocere e condire."}},
                plain(texts::archiveAccess));
}

// The photo stays with the card that could not be saved.
void recipeSaveKeepsPhoto(Program &p)
{
    fileRecipe();
    auto *w = p.open<TfrmRicette>("TfrmRicette");
    type(w, "txtNome", "Orata al forno");
    type(w, "txtPortata", "Secondo piatto");
    type(w, "txtDescrizione", "Orata con patate");
    w->setPhoto(picture(Qt::red));
    const Texts screen = settled(w);
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    {
        const MessageBoxes messages({plain(texts::archiveAccess)});
        clickButton(w, "cmdSalva");
    }
    sameScreen(screen, w);
    QVERIFY(!w->photoIsPlaceholder());
    QCOMPARE(w->photo().pixel(0, 0), picture(Qt::red).pixel(0, 0));
    p.sameFiles(files);
}

// The archive can be written but no photo file can be made in the folder: the record is saved,
// and the photo, as documented, gives way to the placeholder without a message of its own; the
// earlier photo file stays whole.
void recipePhotoFile(Program &p)
{
    fileRecipe();
    QVERIFY(recipes::writeJpeg(picture(Qt::green), recipes::photoPath(1)));
    auto *w = p.open<TfrmRicette>("TfrmRicette");
    clickButton(w, "cmdPrimo");
    type(w, "txtNote", "Servire caldo");
    w->setPhoto(picture(Qt::red));
    const Texts screen = settled(w);
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path(), ReadOnlyFolder::Scope::FolderOnly);
    QVERIFY(!readOnly.writable());
    {
        const MessageBoxes messages({information(texts::updated)});
        clickButton(w, "cmdSalva");
    }
    sameScreen(screen, w);
    QVERIFY(w->photoIsPlaceholder());
    QCOMPARE(RecordFile(recipes::archivePath(), recipes::recipeLayout()).read(1).text("Note"),
             QStringLiteral("Servire caldo"));
    p.sameFiles(files, {QStringLiteral("Ricettario.pro")});
}

// "Salva foto" into the read-only folder: nothing is written and, as documented, the photo area
// shows the placeholder, without a message.
void recipePhotoSaveAs(Program &p)
{
    auto *w = p.open<TfrmRicette>("TfrmRicette");
    type(w, "txtNome", "Orata al forno");
    w->setPhoto(picture(Qt::red));
    const Texts screen = settled(w);
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    {
        const MessageBoxes messages({});
        const auto chooser = chooseFile(p.folder.file(QStringLiteral("Foto.jpg")));
        clickButton(w, "btnSalvaFoto");
    }
    sameScreen(screen, w);
    QVERIFY(w->photoIsPlaceholder());
    p.sameFiles(files);
}

void recipeRtf(Program &p)
{
    writeFile(p.folder.file(QStringLiteral("Scheda_Ricetta.rtf")), "{\\rtf1 scheda precedente}");
    QWidget *w = p.open("TfrmRicette");
    type(w, "txtNome", "Crema catalana");
    type(w, "txtIngredienti", "latte, uova, zucchero");
    const Texts screen = settled(w);
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    {
        const MessageBoxes messages({question(texts::rtfQuestion), plain(texts::rtfFailure)});
        const auto dialog = onNextModal([](QWidget *d) {
            QCOMPARE(d->objectName(), QStringLiteral("TfrmCreaRTF"));
            clickButton(d, "btnStampa");
            QVERIFY(!d->isVisible()); // it closes after the message, as after a success
        });
        clickButton(w, "cmdWord");
    }
    sameScreen(screen, w);
    p.sameFiles(files);
}

// A file attached in a read-only folder: the copy fails without a message, as documented; the
// slot shows the name chosen and the description typed, the file of that name already in the
// folder stays whole.
void attachments(Program &p)
{
    const QString attached = TfrmAllegaCartella::folder();
    QVERIFY(QDir().mkpath(attached));
    writeFile(QDir(attached).filePath(QStringLiteral("menu.pdf")), "allegato precedente");
    QTemporaryDir elsewhere;
    writeFile(elsewhere.filePath(QStringLiteral("menu.pdf")), "allegato nuovo");
    QWidget *w = p.open("TfrmRicette");
    type(w, "txtNome", "Crema catalana");
    const Texts screen = settled(w);
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    {
        const MessageBoxes messages({question(texts::attachmentOverwrite)});
        const auto dialog = onNextModal([&](QWidget *d) {
            QCOMPARE(d->objectName(), QStringLiteral("TfrmAllegaCartella"));
            type(d, "txtDesc01", "Menu della cena");
            {
                const auto chooser = chooseFile(elsewhere.filePath(QStringLiteral("menu.pdf")));
                clickButton(d, "btnSfoglia01");
            }
            QCOMPARE(child<QLineEdit>(d, "txtFile01")->text(), QStringLiteral("menu.pdf"));
            QCOMPARE(child<QLineEdit>(d, "txtDesc01")->text(), QStringLiteral("Menu della cena"));
            QVERIFY(d->isVisible());
            clickButton(d, "btnAnnulla");
        });
        clickButton(w, "cmdFile");
    }
    sameScreen(screen, w);
    p.sameFiles(files);
}

// The shared export dialog of each archive window: the failure message, the earlier file whole.
void exportFile(Program &p, const char *app, const QString &dialogClass, const QString &fileName)
{
    writeFile(p.folder.file(fileName), "<html>esportazione precedente</html>");
    QWidget *w = p.open(app);
    const Texts screen = settled(w);
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    {
        const MessageBoxes messages({question(texts::exportQuestion), plain(texts::exportFailure)});
        const auto dialog = onNextModal([&](QWidget *d) {
            QCOMPARE(d->objectName(), dialogClass);
            clickButton(d, "cmdEsporta");
            QVERIFY(d->isVisible());
            clickButton(d, "cmdEsci");
        });
        clickButton(w, "cmdEsporta");
    }
    sameScreen(screen, w);
    p.sameFiles(files);
}

void menuSave(Program &p)
{
    archiveSave(p, "TfrmMenu", fileMenu, true,
                {{"txtNome02", "Cappone lesso"}, {"txtPrezzo02", "18,00"}},
                error(texts::archiveAccess));
}

// As documented for the menus, the copy is begun before the archive is found unreachable: the
// position empties and the flag clears, everything else stays.
void menuDuplicate(Program &p)
{
    fileMenu();
    QWidget *w = p.open("TfrmMenu");
    clickButton(w, "cmdPrimo");
    type(w, "txtStagione", "Inverno");
    const Texts screen = settled(w);
    QCOMPARE(screen.value(QStringLiteral("chkSegnalato")), QStringLiteral("Sì"));
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    {
        const MessageBoxes messages({warning(texts::archiveAccess)});
        clickButton(w, "cmdDuplica");
    }
    sameScreen(screen, w,
               {{QStringLiteral("lblPosizione"), QString()},
                {QStringLiteral("chkSegnalato"), QStringLiteral("No")}});
    p.sameFiles(files);
}

void quoteSave(Program &p)
{
    archiveSave(p, "TfrmPreventivi", fileQuote, false,
                {{"txtCliente", "Bianchi Anna"},
                 {"txtNumFatt", "2"},
                 {"txtData", "10/12/2024"},
                 {"txtQuant01", "2"},
                 {"txtDesc01", "Risotto ai funghi"},
                 {"txtPrezzo01", "12,50"}},
                warning(texts::archiveAccess));
}

void quotePdf(Program &p)
{
    writeFile(p.folder.file(QStringLiteral("Preventivo.pdf")), "%PDF-1.4 preventivo precedente");
    QWidget *w = p.open("TfrmPreventivi");
    type(w, "txtCliente", "Bianchi Anna");
    type(w, "txtDesc01", "Risotto ai funghi");
    const Texts screen = settled(w);
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    {
        const MessageBoxes messages({warning(texts::quotePdfFailure, QMessageBox::Ok)});
        const auto dialog = onNextModal([](QWidget *d) {
            QCOMPARE(d->objectName(), QStringLiteral("TfrmCrea_PDF_Prev"));
            clickButton(d, "btnStampa");
            QVERIFY(d->isVisible()); // for another try
            clickButton(d, "btnAnnulla");
        });
        clickButton(w, "cmdPDF");
    }
    sameScreen(screen, w);
    p.sameFiles(files);
}

void quoteNumbering(Program &p)
{
    writeFile(p.folder.file(QStringLiteral("Numerazione.ini")),
              "[Numerazione Preventivi]\r\nInizio=40\r\n");
    QWidget *w = p.open("TfrmPreventivi");
    const Texts screen = settled(w);
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    {
        const MessageBoxes messages({warning(texts::settingsNotWritten)});
        const auto dialog = onNextModal([](QWidget *d) {
            QCOMPARE(d->objectName(), QStringLiteral("TfrmNumerazione"));
            QCOMPARE(child<QLineEdit>(d, "txtInizio")->text(), QStringLiteral("40"));
            type(d, "txtInizio", "25");
            clickButton(d, "btnApplica");
            QVERIFY(d->isVisible());
            QCOMPARE(child<QLineEdit>(d, "txtInizio")->text(), QStringLiteral("25"));
            clickButton(d, "btnAnnulla");
        });
        clickButton(w, "cmdNumerazione");
    }
    sameScreen(screen, w);
    p.sameFiles(files);
}

void quoteLogo(Program &p)
{
    QVERIFY(quotes::saveLogo(quotes::defaultLogo()));
    QWidget *w = p.open("TfrmPreventivi");
    const Texts screen = settled(w);
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    {
        const MessageBoxes messages({warning(texts::logoNotWritten)});
        const auto dialog = onNextModal([](QWidget *d) {
            auto *logo = qobject_cast<TfrmLogo *>(d);
            QVERIFY(logo);
            clickButton(d, "btnCancLogo"); // no logo: a blank picture
            clickButton(d, "btnApplica");
            QVERIFY(d->isVisible());
            QCOMPARE(logo->picture().size(), QSize(2, 2));
            clickButton(d, "btnAnnulla");
        });
        clickButton(w, "btnLogo");
    }
    sameScreen(screen, w);
    p.sameFiles(files);
}

// Closing stores the issuer data: the failure is told and, as documented, the window closes.
void quoteClose(Program &p)
{
    writeFile(p.folder.file(QStringLiteral("Numerazione.ini")),
              "[Ditta Emittente]\r\nNome=Trattoria da Gino\r\n");
    QWidget *w = p.open("TfrmPreventivi");
    QCOMPARE(child<QLineEdit>(w, "txtDitta")->text(), QStringLiteral("Trattoria da Gino"));
    type(w, "txtDitta", "Trattoria Gino e figli");
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    {
        const MessageBoxes messages({warning(texts::settingsNotWritten)});
        clickButton(w, "cmdEsci");
    }
    QVERIFY(!w->isVisible());
    QVERIFY(brisvola::window(QStringLiteral("TfrmAvvio"))->isVisible());
    p.sameFiles(files);
}

void reservationSave(Program &p)
{
    archiveSave(
        p, "TfrmPrenotazioni", [] { fileReservation(QStringLiteral("2024")); }, true,
        {{"txtCliente", "Mario Rossi e signora"}, {"txtPersone", "6"}},
        error(texts::archiveAccess));
}

// Duplicate proves the archive reachable: when it is not, the warning, and the card as it was.
void reservationDuplicate(Program &p)
{
    fileReservation(QStringLiteral("2024"));
    QWidget *w = p.open("TfrmPrenotazioni");
    clickButton(w, "cmdPrimo");
    const Texts screen = settled(w);
    QCOMPARE(screen.value(QStringLiteral("txtGiornoRit")), QStringLiteral("15"));
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    {
        const MessageBoxes messages({warning(texts::archiveAccess)});
        clickButton(w, "cmdDuplica");
    }
    sameScreen(screen, w);
    p.sameFiles(files);
}

void customerSave(Program &p)
{
    archiveSave(p, "TfrmFornitori", fileCustomer, false,
                {{"txtDitta", "Bianchi Anna"},
                 {"txtComuneRes", "Milano"},
                 {"txtQuestioni", "conto da saldare"}},
                error(texts::archiveAccess));
}

// Duplicate proves the archive reachable: when it is not, the error, and the card as it was, its
// attachments and position included.
void customerDuplicate(Program &p)
{
    fileCustomer();
    QWidget *w = p.open("TfrmFornitori");
    clickButton(w, "cmdPrimo");
    const Texts screen = settled(w);
    QCOMPARE(screen.value(QStringLiteral("lblFile01")), QStringLiteral("contratto.pdf"));
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    {
        const MessageBoxes messages({error(texts::archiveAccess)});
        clickButton(w, "cmdDuplica");
    }
    sameScreen(screen, w);
    p.sameFiles(files);
}

void customerPdf(Program &p)
{
    writeFile(p.folder.file(QStringLiteral("Clienti.pdf")), "%PDF-1.4 scheda precedente");
    QWidget *w = p.open("TfrmFornitori");
    type(w, "txtDitta", "Bianchi Anna");
    type(w, "txtNote", "Tavolo vicino alla finestra");
    const Texts screen = settled(w);
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    {
        const MessageBoxes messages({warning(texts::customerPdfFailure, QMessageBox::Ok)});
        clickButton(w, "cmdPDF");
    }
    sameScreen(screen, w);
    p.sameFiles(files);
}

void passwordChange(Program &p)
{
    writeFile(p.folder.file(QStringLiteral("unins000.dll")),
              "[Accesso]\r\nValore=" +
                  Crypt::Scramble(QStringLiteral("BENVENUTITUTTI")).toLatin1() + "\r\n");
    QWidget *w = p.open("TfrmCambiaPassword");
    type(w, "txtPasswordOld", "benvenutitutti");
    type(w, "txtPasswordNew", "trattoria");
    type(w, "txtConferma", "trattoria");
    const Texts screen = settled(w);
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    {
        const MessageBoxes messages({plain(texts::passwordNotChanged)});
        clickButton(w, "cmdOK");
    }
    QVERIFY(w->isVisible());
    sameScreen(screen, w);
    p.sameFiles(files);
}

void copyNow(Program &p)
{
    fileRecipe();
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    TfrmCopie copies(brisvola::window(QStringLiteral("TfrmAvvio")));
    copies.show();
    QVERIFY(QTest::qWaitForWindowExposed(&copies));
    {
        const MessageBoxes messages({warning(texts::copyFailed, QMessageBox::Ok)});
        clickButton(&copies, "btnCopiaOra");
    }
    QVERIFY(copies.isVisible());
    p.sameFiles(files);
}

// The summaries only read; the archive they open for that cannot be opened: the archive message.
void todaysSummary(Program &p)
{
    fileReservation(QStringLiteral("2026"));
    QWidget *calendar = brisvola::window(QStringLiteral("TfrmCalendarioServizi"));
    brisvola::showInstead(calendar, brisvola::window(QStringLiteral("TfrmAvvio")));
    QVERIFY(QTest::qWaitForWindowExposed(calendar));
    const Files files = p.files();
    const ReadOnlyFolder readOnly(p.folder.path());
    {
        const MessageBoxes messages({plain(texts::archiveAccess)});
        clickButton(calendar, "btnOggi");
    }
    QWidget *summary = brisvola::existingWindow(QStringLiteral("TfrmRiepAnnuale"));
    QVERIFY(summary && summary->isVisible());
    p.sameFiles(files);
}

struct Case
{
    const char *name;
    std::function<void(Program &)> run;
};

const std::vector<Case> &cases()
{
    static const std::vector<Case> all = {
        {"ricette: Salva", recipeSave},
        {"ricette: Salva con la foto", recipeSaveKeepsPhoto},
        {"ricette: file della foto", recipePhotoFile},
        {"ricette: Salva foto", recipePhotoSaveAs},
        {"ricette: RTF", recipeRtf},
        {"ricette: Allega file", attachments},
        {"ricette: Excel",
         [](Program &p) {
             exportFile(p, "TfrmRicette", QStringLiteral("TfrmExpRicette"),
                        QStringLiteral("Ricettario.xls"));
         }},
        {"menu: Salva", menuSave},
        {"menu: Duplica", menuDuplicate},
        {"menu: Excel",
         [](Program &p) {
             exportFile(p, "TfrmMenu", QStringLiteral("TfrmExpMenu"), QStringLiteral("Menu.xls"));
         }},
        {"preventivi: Salva", quoteSave},
        {"preventivi: PDF", quotePdf},
        {"preventivi: numerazione", quoteNumbering},
        {"preventivi: logo", quoteLogo},
        {"preventivi: chiusura", quoteClose},
        {"preventivi: Excel",
         [](Program &p) {
             exportFile(p, "TfrmPreventivi", QStringLiteral("TfrmExpPreventivi"),
                        QStringLiteral("Preventivi.xls"));
         }},
        {"prenotazioni: Salva", reservationSave},
        {"prenotazioni: Duplica", reservationDuplicate},
        {"prenotazioni: Excel",
         [](Program &p) {
             exportFile(p, "TfrmPrenotazioni", QStringLiteral("TfrmExpPrenotazioni"),
                        QStringLiteral("Prenotazioni_Tavoli.xls"));
         }},
        {"clienti: Salva", customerSave},
        {"clienti: Duplica", customerDuplicate},
        {"clienti: PDF", customerPdf},
        {"clienti: Excel",
         [](Program &p) {
             exportFile(p, "TfrmFornitori", QStringLiteral("TfrmExpFornitori"),
                        QStringLiteral("Clienti.xls"));
         }},
        {"calendario: riepilogo di oggi", todaysSummary},
        {"password: Cambia password", passwordChange},
        {"copie: Copia adesso", copyNow},
    };
    return all;
}

} // namespace

class TestReadOnlyWalk : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QTemporaryDir probe;
        const ReadOnlyPath readOnly(probe.path());
        if (readOnly.writable())
            QSKIP("this file system cannot make a folder read-only");
    }
    void walk_data()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < cases().size(); ++i)
            QTest::newRow(cases()[i].name) << int(i);
    }
    void walk()
    {
        QFETCH(int, row);
        Program program;
        cases()[size_t(row)].run(program);
        QCOMPARE(program.opened.urls, QList<QUrl>());
    }
};

QTEST_MAIN(TestReadOnlyWalk)
#include "tst_readonly_walk.moc"
