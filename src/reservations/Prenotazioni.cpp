#include "reservations/Prenotazioni.h"

#include "archive/ArchiveForm.h"
#include "archive/ArchiveWindow.h"
#include "archive/FieldChrome.h"
#include "archive/FormBuilder.h"
#include "archive/YearOpening.h"
#include "reservations/ExpPrenotazioni.h"
#include "reservations/ReservationCard.h"
#include "reservations/ReservationRecord.h"
#include "reservations/TrovaPrenotazioni.h"
#include "shell/Clock.h"
#include "shell/Help.h"
#include "shell/Messages.h"
#include "shell/OpenURL.h"
#include "shell/Picture.h"
#include "shell/WindowSet.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedLayout>
#include <QToolButton>
#include <QVBoxLayout>

using brisvola::MessageKind;
using namespace reservations;

namespace {

const QString helpTitle = QStringLiteral("App Prenotazione Tavoli");
const QString caption = QStringLiteral(" Brisvola - Registro prenotazioni tavoli");

// The card's fields in the order Enter moves through them; Enter in the last leads to the first.
const QStringList enterChain = {
    "txtGiornoRit",    "txtMeseRit",      "txtOreRit",     "txtMinutiRit", "txtStato",
    "txtCliente",      "txtRecapito",     "txtPersone",    "txtMenu",      "txtEmail",
    "txtSegnalazioni", "txtIntolleranze", "txtPreferenze", "txtTavoli",    "txtCameriere",
    "txtNote",         "txtOreRic",       "txtMinutiRic",  "txtTotale",    "txtGiornoRit"};

QFrame *section(QWidget *parent, const QString &name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setProperty("section", true);
    return frame;
}

QGroupBox *box(QWidget *parent, const QString &name, const QString &title)
{
    auto *g = new QGroupBox(title, parent);
    g->setObjectName(name);
    return g;
}

} // namespace

TfrmPrenotazioni::TfrmPrenotazioni(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfrmPrenotazioni"));
    setWindowTitle(caption);
    setWindowState(Qt::WindowMaximized);
    setWindowIcon(QIcon(QStringLiteral(":/icons/brisvola.svg")));

    lblFile = new QLabel(this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();

    m_archive = new ArchiveWindow(this, reservationLayout(), [this] { return lblFile->text(); });
    m_form = std::make_unique<FormBuilder>(this, m_archive);

    panAvvio = buildStartPanel();
    panContainer = buildCardPanel();
    auto *outer = new QGridLayout(this);
    outer->addWidget(panAvvio, 0, 0, Qt::AlignCenter);
    outer->addWidget(panContainer, 0, 0, Qt::AlignCenter);
    panContainer->hide();
    m_hintClearers << this;

    configureArchive();
}

TfrmPrenotazioni::~TfrmPrenotazioni() = default;

// --- building ------------------------------------------------------------------------------

QFrame *TfrmPrenotazioni::buildStartPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panAvvio"));
    panel->setFixedSize(995, 692);
    panel->setStyleSheet(QStringLiteral(
        "#panAvvio { background: white; border: 1px solid #9fb6d6; border-radius: 10px; }"));

    auto *title = new QWidget(panel);
    title->setObjectName(QStringLiteral("panTitolo"));
    auto *titleRow = new QHBoxLayout(title);
    auto *picture1 = new QLabel(title);
    picture1->setObjectName(QStringLiteral("imgTitolo01"));
    picture1->setPixmap(QIcon(QStringLiteral(":/shell/app_prenotazioni.svg")).pixmap(160, 114));
    auto *picture2 = new QLabel(QStringLiteral("Registro prenotazioni tavoli"), title);
    picture2->setObjectName(QStringLiteral("imgTitolo02"));
    picture2->setStyleSheet(QStringLiteral("color: #1f4e9c; font-size: 22pt; font-weight: bold;"));
    titleRow->addWidget(picture1);
    titleRow->addWidget(picture2, 1);

    auto *instructions =
        new QLabel(QStringLiteral("In questo ambiente è possibile registrare le prenotazioni dei "
                                  "tavoli effettuate dai propri clienti."),
                   panel);
    instructions->setObjectName(QStringLiteral("lblIstruzioni"));
    instructions->setWordWrap(true);
    instructions->setStyleSheet(QStringLiteral("color: #1b2b40; font-size: 12pt;"));
    auto *operatorPicture = new QLabel(panel);
    operatorPicture->setObjectName(QStringLiteral("imgOperatore"));
    operatorPicture->setPixmap(QIcon(QStringLiteral(":/shell/email.svg")).pixmap(96, 96));
    auto *prompt = new QLabel(QStringLiteral("Indicare l'anno solare e premere Apri."), panel);
    prompt->setObjectName(QStringLiteral("lblApri"));
    prompt->setStyleSheet(QStringLiteral("color: #1b2b40; font-size: 12pt;"));

    txtAnno = new QLineEdit(panel);
    txtAnno->setObjectName(QStringLiteral("txtAnno"));
    QFont yearFont = txtAnno->font();
    yearFont.setBold(true);
    yearFont.setPointSize(20);
    txtAnno->setFont(yearFont);
    txtAnno->setFixedWidth(120);
    txtAnno->setAlignment(Qt::AlignCenter);
    btnApri = new QPushButton(QStringLiteral("Apri"), panel);
    btnApri->setObjectName(QStringLiteral("btnApri"));
    btnApri->setAutoDefault(true);
    btnApri->setMinimumSize(110, 40);
    yearopening::setUpYearEdit(txtAnno, btnApri);

    QToolButton *imgGuida = brisvola::pictureButton(panel, QStringLiteral("imgGuida"),
                                                    QStringLiteral(":/archive/guida.svg"), 34);
    imgGuida->setToolTip(QStringLiteral("Guida"));
    QToolButton *imgEsci = brisvola::pictureButton(panel, QStringLiteral("imgEsci"),
                                                   QStringLiteral(":/archive/esci.svg"), 34);
    imgEsci->setToolTip(QStringLiteral("Esci"));

    auto *yearRow = new QHBoxLayout;
    yearRow->addStretch();
    yearRow->addWidget(txtAnno);
    yearRow->addSpacing(12);
    yearRow->addWidget(btnApri);
    yearRow->addStretch();
    auto *middle = new QHBoxLayout;
    middle->addWidget(operatorPicture);
    auto *prompts = new QVBoxLayout;
    prompts->addWidget(instructions);
    prompts->addSpacing(20);
    prompts->addWidget(prompt);
    prompts->addLayout(yearRow);
    middle->addLayout(prompts, 1);
    auto *footer = new QHBoxLayout;
    footer->addStretch();
    footer->addWidget(imgGuida);
    footer->addWidget(imgEsci);

    auto *v = new QVBoxLayout(panel);
    v->setContentsMargins(30, 24, 30, 20);
    v->addWidget(title);
    v->addStretch();
    v->addLayout(middle);
    v->addStretch();
    v->addLayout(footer);

    connect(btnApri, &QPushButton::clicked, this, &TfrmPrenotazioni::btnApriClick);
    connect(imgGuida, &QToolButton::clicked, this, [this] { brisvola::showHelp(this, helpTitle); });
    connect(imgEsci, &QToolButton::clicked, this, &QWidget::close);
    return panel;
}

QFrame *TfrmPrenotazioni::buildCardPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panContainer"));
    panel->setFixedSize(995, 692);
    panel->setStyleSheet(
        QStringLiteral("#panContainer { background: transparent; border: none; }"
                       "QFrame[section=\"true\"] { background: white; border: 1px solid #b8c9e0;"
                       " border-radius: 6px; }"
                       "QLineEdit, QComboBox { background: white; border: 1px solid #9fb6d6;"
                       " padding: 0 3px; min-height: 22px; }"
                       "QGroupBox { font-weight: bold; color: #1f4e9c; }"));
    m_hintClearers << panel;
    m_form->setParent(panel);
    m_fieldFont = font();
    m_fieldFont.setBold(true);
    m_fieldFont.setPointSize(12);
    m_form->setFont(m_fieldFont);

    const std::vector<archiveform::CommandGroup> groups = {
        {{"cmdNuovo", "Nuovo", ":/archive/nuovo.svg", 52},
         {"cmdDuplica", "Duplica", ":/archive/duplica.svg", 56},
         {"cmdSalva", "Salva", ":/archive/salva.svg", 52},
         {"cmdTrova", "Trova", ":/archive/trova.svg", 52}},
        {{"cmdAnteprima", "Anteprima", ":/quotes/anteprima.svg", 68},
         {"cmdStampa", "Stampa", ":/archive/stampa.svg", 56}},
        {{"cmdPrimo", "Primo", ":/archive/primo.svg", 52},
         {"cmdIndietro", "Indietro", ":/archive/indietro.svg", 56},
         {"lblPosizione", "", "", 58},
         {"cmdAvanti", "Avanti", ":/archive/avanti.svg", 52},
         {"cmdUltimo", "Ultimo", ":/archive/ultimo.svg", 52}},
        {{"cmdEsporta", "Excel", ":/archive/esporta.svg", 52}},
        {{"cmdGuida", "Guida", ":/archive/guida.svg", 52},
         {"cmdEsci", "Esci", ":/archive/esci.svg", 52}},
    };
    QWidget *toolbar = archiveform::commandRow(panel, groups, &m_hintClearers);
    m_hintClearers << toolbar;

    auto *decoration = new QLabel(panel);
    decoration->setObjectName(QStringLiteral("imgDecorazione"));
    decoration->setPixmap(QIcon(QStringLiteral(":/shell/app_prenotazioni.svg")).pixmap(120, 500));
    decoration->setFixedWidth(130);
    decoration->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_hintClearers << decoration;

    auto *sections = new QVBoxLayout;
    sections->setSpacing(6);
    sections->addWidget(buildDateSection(panel));
    sections->addWidget(buildCustomerSection(panel));
    sections->addWidget(buildRequestsSection(panel));
    sections->addWidget(buildServiceSection(panel));
    auto *body = new QHBoxLayout;
    body->addWidget(decoration);
    body->addLayout(sections, 1);

    // The state kept beside the fields: the year of the end-of-meal date and the derived texts.
    m_form->setParent(panel);
    for (const char *field : {"AnnoRic", "DataRit", "DataRic", "OraRit", "OraRic"})
        m_form->hidden(QLatin1StringView(field));
    QGroupBox *end = box(panel, QStringLiteral("grpDataRic"), QStringLiteral(" Data fine pasto: "));
    m_form->setParent(end);
    m_form->edit(QStringLiteral("GiornoRic"));
    m_form->edit(QStringLiteral("MeseRic"));
    end->hide();

    QLabel *info = archiveform::infoBar(panel);
    auto *v = new QVBoxLayout(panel);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(6);
    v->addWidget(toolbar);
    v->addLayout(body, 1);
    v->addWidget(info);
    return panel;
}

QComboBox *TfrmPrenotazioni::pickList(QWidget *parent, const QString &field,
                                      const QStringList &values, bool emptiable, int width)
{
    m_form->setParent(parent);
    QComboBox *c = m_form->list(field, values);
    c->setFont(m_fieldFont);
    c->setFixedWidth(width);
    c->setMaxVisibleItems(16);
    brisvola::listOnlyField(c, emptiable);
    return c;
}

QLineEdit *TfrmPrenotazioni::edit(QWidget *parent, const QString &field)
{
    m_form->setParent(parent);
    return m_form->edit(field);
}

QWidget *TfrmPrenotazioni::buildDateSection(QWidget *parent)
{
    QFrame *s = section(parent, QStringLiteral("shpSezione01"));
    m_hintClearers << s;
    QGroupBox *date =
        box(s, QStringLiteral("grpDataRit"), QStringLiteral(" Prenotazione per giorno: "));
    auto *dateRow = new QHBoxLayout(date);
    dateRow->addWidget(archiveform::caption(date, QStringLiteral("Giorno:")));
    dateRow->addWidget(
        pickList(date, QStringLiteral("GiornoRit"), twoDigitValues(1, 31), true, 64));
    dateRow->addWidget(archiveform::caption(date, QStringLiteral("Mese:")));
    dateRow->addWidget(pickList(date, QStringLiteral("MeseRit"), monthNames(), true, 140));
    m_form->setParent(date);
    QLabel *year = m_form->hidden(QStringLiteral("AnnoRit"));
    year->show();
    year->setStyleSheet(QStringLiteral("color: #1f4e9c; font-size: 18pt; font-weight: bold;"));
    dateRow->addWidget(year);
    QToolButton *quickFill = brisvola::pictureButton(
        date, QStringLiteral("impRitiro"), QStringLiteral(":/quotes/arrow_green.svg"), 22);
    quickFill->setFocusPolicy(Qt::NoFocus);
    dateRow->addWidget(quickFill);
    m_hintClearers << date;

    QGroupBox *time = box(s, QStringLiteral("grpOraRit"), QStringLiteral(" Ora arrivo: "));
    auto *timeRow = new QHBoxLayout(time);
    timeRow->addWidget(archiveform::caption(time, QStringLiteral("Ore:")));
    timeRow->addWidget(pickList(time, QStringLiteral("OreRit"), twoDigitValues(0, 23), true, 64));
    timeRow->addWidget(archiveform::caption(time, QStringLiteral("Minuti:")));
    timeRow->addWidget(
        pickList(time, QStringLiteral("MinutiRit"), twoDigitValues(0, 59), true, 64));
    m_hintClearers << time;

    auto *stateColumn = new QVBoxLayout;
    stateColumn->addWidget(archiveform::caption(s, QStringLiteral("Stato prenotazione:")));
    stateColumn->addWidget(pickList(s, QStringLiteral("Stato"), states(), false, 190));

    auto *row = new QHBoxLayout(s);
    row->setContentsMargins(8, 4, 8, 6);
    row->addWidget(date);
    row->addWidget(time);
    row->addLayout(stateColumn);
    row->addStretch();
    return s;
}

QWidget *TfrmPrenotazioni::buildCustomerSection(QWidget *parent)
{
    QFrame *s = section(parent, QStringLiteral("shpSezione03"));
    m_hintClearers << s;
    auto *grid = new QGridLayout(s);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(4);
    grid->addWidget(archiveform::caption(s, QStringLiteral("Cliente:")), 0, 0);
    grid->addWidget(edit(s, QStringLiteral("Cliente")), 0, 1);
    grid->addWidget(archiveform::caption(s, QStringLiteral("Telefono preferenziale:")), 0, 2);
    grid->addWidget(edit(s, QStringLiteral("Recapito")), 0, 3);
    grid->addWidget(archiveform::caption(s, QStringLiteral("Tot. persone:")), 1, 0);
    m_persons = edit(s, QStringLiteral("Persone"));
    m_persons->setFixedWidth(70);
    m_persons->setAlignment(Qt::AlignRight);
    grid->addWidget(m_persons, 1, 1, Qt::AlignLeft);
    grid->addWidget(archiveform::caption(s, QStringLiteral("Pasto:")), 1, 2);
    m_form->setParent(s);
    QComboBox *meal = m_form->list(QStringLiteral("Pasto"), meals(), QStringLiteral("txtMenu"));
    meal->setFont(m_fieldFont);
    brisvola::noSelectionOnFocus(meal);
    grid->addWidget(meal, 1, 3);
    auto *mailCaption = new QHBoxLayout;
    auto *envelope = new QLabel(s);
    envelope->setObjectName(QStringLiteral("imgEmail"));
    envelope->setPixmap(QIcon(QStringLiteral(":/shell/email.svg")).pixmap(18, 18));
    mailCaption->addWidget(envelope);
    mailCaption->addWidget(archiveform::caption(s, QStringLiteral("E-mail:")));
    grid->addLayout(mailCaption, 2, 0);
    auto *mailRow = new QHBoxLayout;
    m_email = edit(s, QStringLiteral("Email"));
    mailRow->addWidget(m_email, 1);
    QToolButton *send =
        brisvola::pictureButton(s, QStringLiteral("cmdEmail"), QStringLiteral(":/shell/email.svg"),
                                20, QStringLiteral("Invia"));
    send->setFocusPolicy(Qt::NoFocus);
    send->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    send->setFixedHeight(28);
    mailRow->addWidget(send);
    grid->addLayout(mailRow, 2, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return s;
}

QWidget *TfrmPrenotazioni::buildRequestsSection(QWidget *parent)
{
    QFrame *s = section(parent, QStringLiteral("shpSezione02"));
    m_hintClearers << s;
    auto *grid = new QGridLayout(s);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(4);
    int row = 0;
    for (const auto &[label, field] :
         {std::pair{"Segnalazioni del cliente:", "Segnalazioni"},
          std::pair{"Intolleranze alimentari:", "Intolleranze"},
          std::pair{"Preferenze:", "Preferenze"}, std::pair{"Tavoli assegnati:", "Tavoli"},
          std::pair{"Cameriere addetto:", "Cameriere"}}) {
        grid->addWidget(archiveform::caption(s, QString::fromUtf8(label)), row, 0);
        grid->addWidget(edit(s, QLatin1StringView(field)), row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return s;
}

QWidget *TfrmPrenotazioni::buildServiceSection(QWidget *parent)
{
    QFrame *s = section(parent, QStringLiteral("shpSezione04"));
    m_hintClearers << s;
    auto *grid = new QGridLayout(s);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->addWidget(archiveform::caption(s, QStringLiteral("Note:")), 0, 0);
    grid->addWidget(edit(s, QStringLiteral("Note")), 0, 1, 1, 3);
    QGroupBox *end = box(s, QStringLiteral("grpOraRic"), QStringLiteral(" Ora fine pasto: "));
    auto *endRow = new QHBoxLayout(end);
    endRow->addWidget(archiveform::caption(end, QStringLiteral("Ore:")));
    endRow->addWidget(pickList(end, QStringLiteral("OreRic"), twoDigitValues(0, 23), true, 64));
    endRow->addWidget(archiveform::caption(end, QStringLiteral("Minuti:")));
    endRow->addWidget(pickList(end, QStringLiteral("MinutiRic"), twoDigitValues(0, 59), true, 64));
    m_hintClearers << end;
    grid->addWidget(end, 1, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(archiveform::caption(s, QStringLiteral("Totale pagato: €")), 1, 2,
                    Qt::AlignRight);
    m_amount = edit(s, QStringLiteral("Totale"));
    m_amount->setFixedWidth(130);
    m_amount->setAlignment(Qt::AlignRight);
    grid->addWidget(m_amount, 1, 3, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    return s;
}

// --- configuration -------------------------------------------------------------------------

void TfrmPrenotazioni::configureArchive()
{
    m_archive->config() = sessionConfig([this] { return lblFile->text(); });
    m_archive->addEnterChain(enterChain);
    m_archive->setHighlight(ArchiveWindow::Highlight::EffRectangle);

    brisvola::numberField(m_persons, false);
    brisvola::numberField(m_amount, true);
    for (QWidget *w : {static_cast<QWidget *>(m_persons), static_cast<QWidget *>(m_amount),
                       static_cast<QWidget *>(m_email)})
        w->installEventFilter(this);
    // The address is kept without blanks around it at every keystroke.
    connect(m_email, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString trimmed = text.trimmed();
        if (trimmed == text)
            return;
        const int cursor = m_email->cursorPosition();
        m_email->setText(trimmed);
        m_email->setCursorPosition(qMin(cursor, int(trimmed.size())));
    });

    const QList<std::pair<const char *, const char *>> hints = {
        {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
        {"cmdDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando "
                       "i dati correnti."},
        {"cmdSalva", "Salva la scheda corrente in archivio."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdAnteprima", "Visualizza l'anteprima di stampa della scheda corrente."},
        {"cmdStampa", "Stampa la scheda corrente."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"cmdEmail", "Invia al cliente una e-mail di conferma prenotazione."},
        {"impRitiro", "Inserisci la data e l'ora corrente."},
    };
    for (const auto &[name, hint] : hints)
        m_archive->setHint(QLatin1StringView(name), QString::fromUtf8(hint));
    m_archive->setHintClearers(m_hintClearers);
    m_archive->setHelpTopic(helpTitle);
    m_archive->connectCommands();
    m_archive->infoBar()->setText(QStringLiteral("Pronto per stampare una nuova scheda..."));

    const auto onClick = [this](const char *name, void (TfrmPrenotazioni::*slot)()) {
        connect(archiveform::require<QToolButton>(this, QLatin1StringView(name)),
                &QToolButton::clicked, this, slot);
    };
    onClick("impRitiro", &TfrmPrenotazioni::impRitiroClick);
    onClick("cmdEmail", &TfrmPrenotazioni::cmdEmailClick);
    onClick("cmdAnteprima", &TfrmPrenotazioni::cmdAnteprimaClick);
    onClick("cmdStampa", &TfrmPrenotazioni::cmdStampaClick);
    onClick("cmdTrova", &TfrmPrenotazioni::cmdTrovaClick);
    onClick("cmdEsporta", &TfrmPrenotazioni::cmdEsportaClick);
}

// --- behaviour -----------------------------------------------------------------------------

QString TfrmPrenotazioni::fieldText(const char *control) const
{
    return ArchiveWindow::fieldText(archiveform::require<QWidget>(this, QLatin1StringView(control)))
        .trimmed();
}

void TfrmPrenotazioni::setFieldText(const char *control, const QString &text)
{
    ArchiveWindow::setFieldText(archiveform::require<QWidget>(this, QLatin1StringView(control)),
                                text);
}

void TfrmPrenotazioni::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    brisvola::fitToScreenIfMaximised(this);
    // Every showing starts again from the year.
    setWindowTitle(caption);
    panContainer->hide();
    panAvvio->show();
    yearopening::startYear(txtAnno);
}

void TfrmPrenotazioni::paintEvent(QPaintEvent *)
{
    brisvola::paintGradient(this, QColor(brisvola::launcherBlue));
}

void TfrmPrenotazioni::btnApriClick()
{
    const std::optional<yearopening::OpenedYear> opened =
        yearopening::openYear(txtAnno, archiveSuffix);
    if (!opened)
        return;
    lblFile->setText(opened->archivePath);
    setFieldText("lblAnnoRit", opened->year);
    setFieldText("lblAnnoRic", opened->year);
    setWindowTitle(caption + QStringLiteral(" anno ") + opened->year);
    panAvvio->hide();
    panContainer->show();
    m_archive->newCard();
}

void TfrmPrenotazioni::impRitiroClick()
{
    const QDateTime now = brisvola::now();
    setFieldText("txtGiornoRit", now.toString(QStringLiteral("dd")));
    setFieldText("txtMeseRit", monthNames().value(now.date().month() - 1));
    setFieldText("txtOreRit", now.toString(QStringLiteral("HH")));
    setFieldText("txtMinutiRit", now.toString(QStringLiteral("mm")));
}

void TfrmPrenotazioni::cmdEmailClick()
{
    const QString address = fieldText("txtEmail");
    if (address.isEmpty()) {
        brisvola::showMessage(this, MessageKind::Warning,
                              QStringLiteral("Attenzione: per inviare la conferma di prenotazione "
                                             "al cliente è necessario indicare l'indirizzo di "
                                             "posta elettronica."));
        m_email->setFocus();
        return;
    }
    const QString customer = fieldText("txtCliente");
    if (customer.isEmpty()) {
        brisvola::showMessage(this, MessageKind::Warning,
                              QStringLiteral("Attenzione: per inviare la conferma di prenotazione "
                                             "è necessario indicare il nome del cliente."));
        archiveform::require<QWidget>(this, QStringLiteral("txtCliente"))->setFocus();
        return;
    }
    const Confirmation c = confirmation(
        customer, fieldText("txtPersone"), fieldText("txtGiornoRit"), fieldText("txtMeseRit"),
        fieldText("lblAnnoRit"), fieldText("txtOreRit"), fieldText("txtMinutiRit"));
    TMisc::Open(QLatin1Char('"') + brisvola::mailtoLink(address, c.subject, c.body) +
                QLatin1Char('"'));
}

namespace {

ReservationTexts screenTexts(const ArchiveWindow &archive)
{
    ReservationTexts texts;
    const RecordLayout &layout = reservationLayout();
    for (int i = 0; i < layout.fieldCount(); ++i)
        if (const QWidget *control = archive.control(layout.name(i)))
            texts.insert(QLatin1StringView(layout.name(i)), ArchiveWindow::fieldText(control));
    return texts;
}

} // namespace

void TfrmPrenotazioni::cmdAnteprimaClick()
{
    reservationcard::preview(screenTexts(*m_archive), this);
}

void TfrmPrenotazioni::cmdStampaClick()
{
    reservationcard::print(screenTexts(*m_archive), this);
}

void TfrmPrenotazioni::cmdTrovaClick()
{
    TfrmTrovaPrenotazioni find(
        lblFile->text(),
        [this](const Record &record, qint64 position) { m_archive->showRecord(record, position); },
        this);
    find.memoryLabel()->setText(QStringLiteral("prenotazioni"));
    find.exec();
}

void TfrmPrenotazioni::cmdEsportaClick()
{
    TfrmExpPrenotazioni dialog(lblFile->text(), this);
    dialog.exec();
}

bool TfrmPrenotazioni::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_amount)
            m_amount->setText(normaliseAmount(m_amount->text()));
        else if (watched == m_persons && m_persons->text().trimmed().isEmpty())
            m_persons->setText(QStringLiteral("0"));
        else if (watched == m_email && m_email->text() != m_email->text().trimmed())
            m_email->setText(m_email->text().trimmed());
    }
    return QWidget::eventFilter(watched, event);
}
