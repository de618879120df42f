#include "customers/Fornitori.h"

#include "archive/ArchiveWindow.h"
#include "archive/FieldChrome.h"
#include "archive/FormBuilder.h"
#include "checks/OpenCheck.h"
#include "customers/CustomerRecord.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QToolButton>

namespace {

QFont editFont()
{
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(10);
    f.setBold(true);
    return f;
}

// The Enter chain (and tab order) of the card.
const char *const enterChain[] = {"txtDitta",      "txtTitolare",  "txtRecapito", "txtIndirizzoRes",
                                  "txtProvRes",    "txtComuneRes", "txtCapRes",   "txtPagamento",
                                  "txtTelCasa",    "txtTelUff",    "txtTelCel",   "txtFax",
                                  "txtEmail",      "txtCodFisc",   "txtCarta",    "txtScadeCarta",
                                  "txtPartitaIva", "txtIban",      "txtArticoli", "txtOfferte",
                                  "txtOrdine",     "txtQuestioni", "txtNote"};

// A white section of the card with its picture at the left edge.
QFrame *section(QWidget *panel, int n, int top, int height, const char *icon)
{
    auto *frame = new QFrame(panel);
    frame->setObjectName(QStringLiteral("shpSezione%1").arg(n));
    frame->setStyleSheet(QStringLiteral("#shpSezione%1 { background: white; border: 1px solid "
                                        "#87CEEB; border-radius: 6px; }")
                             .arg(n));
    frame->setGeometry(0, top, 864, height);
    auto *picture = new QLabel(frame);
    picture->setObjectName(QStringLiteral("imgSezione%1").arg(n));
    picture->setPixmap(QIcon(QLatin1String(icon)).pixmap(44, 44));
    picture->setGeometry(10, 12, 44, 44);
    return frame;
}

} // namespace

TfrmFornitori::TfrmFornitori(QWidget *parent) : GradientBackground(parent)
{
    setObjectName(QStringLiteral("TfrmFornitori"));
    setWindowTitle(QStringLiteral(" Brisvola - Clienti abituali"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/brisvola.svg")));
    setMinimumSize(995, 692);

    m_panel = archiveform::centredPanel(this, QStringLiteral("panFornitori"), false);

    m_archive = new ArchiveWindow(this, customers::customerLayout(),
                                  [] { return customers::archivePath(); });
    buildCommands(m_panel);
    buildFields(m_panel);
    configureArchive();
    setWindowState(Qt::WindowMaximized);
}

void TfrmFornitori::buildCommands(QWidget *panel)
{
    // The twelve commands in a column on the right, top to bottom.
    const std::vector<archiveform::CommandGroup> column = {
        {{"cmdNuovo", "Nuovo", ":/archive/nuovo.svg", 112},
         {"cmdDuplica", "Duplica", ":/archive/duplica.svg", 112},
         {"cmdFile", "Allega file", ":/archive/allega.svg", 112},
         {"cmdSalva", "Salva", ":/archive/salva.svg", 112},
         {"cmdTrova", "Trova", ":/archive/trova.svg", 112},
         {"cmdAnteprima", "Anteprima", ":/quotes/anteprima.svg", 112},
         {"cmdStampa", "Stampa", ":/archive/stampa.svg", 112},
         {"cmdPDF", "Crea PDF", ":/quotes/pdf.svg", 112},
         {"cmdRicontatta", "Da ricontattare", ":/archive/segnalate.svg", 112},
         {"cmdEsporta", "Esporta archivio", ":/archive/esporta.svg", 112},
         {"cmdGuida", "Guida", ":/archive/guida.svg", 112},
         {"cmdEsci", "Esci", ":/archive/esci.svg", 112}},
    };
    QWidget *bar = archiveform::commandColumn(panel, column, &m_clearers, 50);
    bar->setGeometry(875, 0, 120, 608);
    auto *picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("imgComandi"));
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(QIcon(QStringLiteral(":/shell/app_clienti.svg")).pixmap(72, 72));
    picture->setGeometry(875, 612, 120, 76);
    m_clearers << bar;

    // Along the bottom: the information bar, then the navigation on the right.
    QLabel *info = archiveform::infoBar(panel);
    info->setGeometry(0, 633, 560, 30);
    info->setText(ArchiveWindow::readyHint);
    const std::vector<archiveform::CommandGroup> navigation = {
        {{"cmdPrimo", "Primo", ":/archive/primo.svg", 52},
         {"cmdIndietro", "Indietro", ":/archive/indietro.svg", 56},
         {"lblPosizione", "", "", 58},
         {"cmdAvanti", "Avanti", ":/archive/avanti.svg", 52},
         {"cmdUltimo", "Ultimo", ":/archive/ultimo.svg", 52}}};
    QWidget *nav = archiveform::commandRow(panel, navigation, &m_clearers);
    nav->setObjectName(QStringLiteral("barNavigazione"));
    nav->setGeometry(576, 616, 290, 64);
    m_clearers << nav;
}

void TfrmFornitori::buildFields(QWidget *panel)
{
    FormBuilder form(panel, m_archive);
    form.setFont(editFont());
    const int x0 = 66;
    const auto row = [](int r) { return 8 + 48 * r; }; // caption top of row r
    const auto place = [&form](const char *field, const char *caption, int x, int y, int width) {
        form.caption(QString::fromUtf8(caption), x, y);
        return form.edit(QLatin1String(field), {x, y + 18, width, 26});
    };
    const auto button = [this](QWidget *parent, const char *name, const char *icon, int x, int y) {
        QToolButton *b =
            archiveform::iconButton(parent, QLatin1String(name), QLatin1String(icon), 28);
        b->move(x, y + 17);
        return b;
    };

    // (1) Name, company, residence, payment.
    QFrame *s1 = section(panel, 1, 0, 152, ":/shell/app_clienti.svg");
    form.setParent(s1);
    place("Ditta", "Cognome e nome:", x0, row(0), 380);
    place("Titolare", "Denominazione Ditta:", x0 + 392, row(0), 394);
    place("Recapito", "Recapito preferenziale:", x0, row(1), 260);
    place("IndirizzoRes", "Via / Piazza e numero civico:", x0 + 272, row(1), 430);
    form.caption(QStringLiteral("Prov."), x0 + 714, row(1));
    m_province = form.list(QStringLiteral("ProvRes"), customers::provinceCodes());
    m_province->setGeometry(x0 + 714, row(1) + 18, 72, 26);
    m_province->setMaxVisibleItems(16);
    place("ComuneRes", "Città:", x0, row(2), 260);
    place("CapRes", "CAP:", x0 + 272, row(2), 80);
    place("Pagamento", "Modalità di pagamento:", x0 + 364, row(2), 422);

    // (2) Phones, PEC and e-mail.
    QFrame *s2 = section(panel, 2, 160, 104, ":/shell/email.svg");
    form.setParent(s2);
    place("TelCasa", "Tel. casa:", x0, row(0), 254);
    place("TelUff", "Tel. ufficio:", x0 + 266, row(0), 254);
    place("TelCel", "Tel. cellulare:", x0 + 532, row(0), 254);
    place("Fax", "PEC:", x0, row(1), 340);
    auto *mailIcon = new QLabel(s2);
    mailIcon->setObjectName(QStringLiteral("imgEmail"));
    mailIcon->setPixmap(QIcon(QStringLiteral(":/shell/email.svg")).pixmap(24, 24));
    mailIcon->setGeometry(x0 + 352, row(1) + 19, 24, 24);
    m_email = place("Email", "E-mail:", x0 + 384, row(1), 362);
    button(s2, "btnEmail", ":/shell/email.svg", x0 + 756, row(1));

    // (3) Tax and bank data with their check buttons.
    QFrame *s3 = section(panel, 3, 272, 104, ":/quotes/euro_icon.svg");
    form.setParent(s3);
    place("CodFisc", "Codice fiscale:", x0, row(0), 220);
    button(s3, "btnCodFisc", ":/quotes/check.svg", x0 + 224, row(0));
    place("Carta", "Carta di credito n.", x0 + 266, row(0), 260);
    button(s3, "btnCarta", ":/quotes/check.svg", x0 + 530, row(0));
    place("ScadeCarta", "Scadenza:", x0 + 572, row(0), 214);
    place("PartitaIva", "Partita IVA:", x0, row(1), 220);
    button(s3, "btnPartitaIva", ":/quotes/check.svg", x0 + 224, row(1));
    place("Iban", "IBAN:", x0 + 266, row(1), 380);
    button(s3, "btnIban", ":/quotes/check.svg", x0 + 650, row(1));

    // (4) Requests, intolerances, preferences.
    QFrame *s4 = section(panel, 4, 384, 104, ":/recipes/portata.svg");
    form.setParent(s4);
    place("Articoli", "Segnalazioni del cliente:", x0, row(0), 388);
    place("Offerte", "Intolleranze alimentari:", x0 + 398, row(0), 388);
    place("Ordine", "Preferenze:", x0, row(1), 786);

    // (5) Pending issues with the re-contact flag, notes.
    QFrame *s5 = section(panel, 5, 496, 104, ":/quotes/sospesi.svg");
    form.setParent(s5);
    place("Questioni", "Questioni in sospeso:", x0, row(0), 600);
    QCheckBox *flag = form.check(QStringLiteral("Ricontatta"), QStringLiteral("Da ricontattare"));
    QFont bold = flag->font();
    bold.setBold(true);
    flag->setFont(bold);
    flag->setGeometry(x0 + 614, row(0) + 18, 172, 26);
    place("Note", "Note:", x0, row(1), 786);

    // Hidden state: the attachment slots.
    form.setParent(panel);
    for (const QString &field : customers::attachmentFields())
        form.hidden(field);

    m_clearers << this << panel << s1 << s2 << s3 << s4 << s5;

    // Tab order: the chain, with the check box between the pending issues and the notes.
    QWidget *previous = nullptr;
    for (const char *name : enterChain) {
        QWidget *w = archiveform::require<QWidget>(panel, QLatin1String(name));
        if (previous)
            setTabOrder(previous, w);
        previous = w;
        if (QLatin1String(name) == QLatin1String("txtQuestioni")) {
            setTabOrder(w, flag);
            previous = flag;
        }
    }
}

void TfrmFornitori::configureArchive()
{
    const ArchiveSession::Config session = customers::sessionConfig();
    ArchiveSession::Config &config = m_archive->config();
    config.attachmentFields = session.attachmentFields;
    config.flagFields = session.flagFields;
    config.firstControl = session.firstControl;
    config.checks = session.checks;
    config.duplicateOpensArchive = session.duplicateOpensArchive;

    QStringList chain;
    for (const char *name : enterChain)
        chain << QLatin1String(name);
    chain << chain.first();
    m_archive->addEnterChain(chain);
    m_archive->setHighlight(ArchiveWindow::Highlight::EffRectangle);

    const std::pair<const char *, const char *> hints[] = {
        {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
        {"cmdDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando "
                       "i dati correnti."},
        {"cmdFile", "Allega file alla scheda corrente."},
        {"cmdSalva", "Salva la scheda corrente in archivio."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdAnteprima", "Visualizza l'anteprima di stampa."},
        {"cmdStampa", "Stampa la scheda corrente."},
        {"cmdPDF", "Esporta la scheda in formato PDF."},
        {"cmdRicontatta", "Visualizza l'elenco dei Clienti da ricontattare."},
        {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"chkRicontatta", "Annota che il Cliente è da ricontattare per questioni in sospeso."},
        {"btnEmail", "Invia una e-mail all'indirizzo indicato."},
        {"btnCodFisc", "Controlla il codice fiscale."},
        {"btnPartitaIva", "Controlla il numero di partita IVA."},
        {"btnCarta", "Controlla il numero di carta di credito."},
        {"btnIban", "Controlla l'IBAN."},
    };
    for (const auto &[name, hint] : hints)
        m_archive->setHint(QLatin1String(name), QString::fromUtf8(hint));
    m_archive->setHintClearers(m_clearers);
    m_archive->setAttachments(QStringLiteral("fornitori"));
    m_archive->setHelpTopic(QStringLiteral("App Clienti abituali"));
    m_archive->connectCommands();
    m_archive->hooks.clear = [this] { resetProvinceSelection(); };

    connectInputRules();
    connectDialogs();

    // The check tools, each with its field's value.
    const std::tuple<const char *, const char *, void (*)(QWidget *, const QString &)> checks[] = {
        {"btnCodFisc", "txtCodFisc", brisvola::checks::openTaxCodeCheck},
        {"btnPartitaIva", "txtPartitaIva", brisvola::checks::openVatCheck},
        {"btnCarta", "txtCarta", brisvola::checks::openCardCheck},
        {"btnIban", "txtIban", brisvola::checks::openIbanCheck},
    };
    for (const auto &[buttonName, fieldName, open] : checks) {
        auto *b = archiveform::require<QAbstractButton>(this, QLatin1String(buttonName));
        auto *e = archiveform::require<QLineEdit>(this, QLatin1String(fieldName));
        connect(b, &QAbstractButton::clicked, this,
                [this, e, open] { open(this, e->text().trimmed()); });
    }
}

void TfrmFornitori::connectInputRules()
{
    const RecordLayout &layout = customers::customerLayout();
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const QString field = QLatin1String(layout.name(i));
        const customers::InputRule rule = customers::inputRule(field);
        if (rule == customers::InputRule::Free)
            continue;
        QWidget *control = m_archive->control(layout.name(i));
        auto *edit = qobject_cast<QLineEdit *>(control);
        if (auto *box = qobject_cast<QComboBox *>(control))
            edit = box->lineEdit();
        if (!edit)
            continue;
        if (rule == customers::InputRule::DigitsOnly) {
            brisvola::discardNonDigitKeys(edit);
            continue;
        }
        // After every keystroke the text is put through the rule, the caret kept where it was.
        connect(edit, &QLineEdit::textEdited, edit, [edit, rule](const QString &text) {
            const QString ruled = customers::applyRule(rule, text);
            if (ruled == text)
                return;
            const int cursor = qMin(edit->cursorPosition(), int(ruled.size()));
            edit->setText(ruled);
            edit->setCursorPosition(cursor);
        });
    }
    // The province box and the e-mail field apply their rule again when they lose the focus; the
    // province box drops its list selection as it takes the focus.
    m_province->installEventFilter(this);
    m_email->installEventFilter(this);
}

void TfrmFornitori::resetProvinceSelection()
{
    const QString text = m_province->currentText();
    m_province->setCurrentIndex(-1);
    m_province->setEditText(text);
}

bool TfrmFornitori::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_province && event->type() == QEvent::FocusIn) {
        resetProvinceSelection();
    } else if (event->type() == QEvent::FocusOut) {
        if (watched == m_province)
            m_province->setEditText(
                customers::applyRule(customers::InputRule::Capitals, m_province->currentText()));
        else if (watched == m_email)
            m_email->setText(
                customers::applyRule(customers::InputRule::NoOuterBlanks, m_email->text()));
    }
    return GradientBackground::eventFilter(watched, event);
}

void TfrmFornitori::showEvent(QShowEvent *event)
{
    GradientBackground::showEvent(event);
    if (!event->spontaneous())
        m_archive->newCard();
}
