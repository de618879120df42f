#include "quotes/Preventivi.h"

#include "archive/ArchiveError.h"
#include "archive/ArchiveForm.h"
#include "archive/ArchiveWindow.h"
#include "archive/DialogParts.h"
#include "archive/FieldChrome.h"
#include "archive/FormBuilder.h"
#include "archive/RecordFile.h"
#include "archive/YearArchive.h"
#include "customers/TrovaFornitori.h"
#include "quotes/DatiVeicolo.h"
#include "quotes/Logo.h"
#include "quotes/Numerazione.h"
#include "quotes/QuoteChecks.h"
#include "quotes/QuoteCommands.h"
#include "quotes/QuoteRecord.h"
#include "quotes/QuoteSettings.h"
#include "quotes/QuoteTotals.h"
#include "shell/Clock.h"
#include "shell/Help.h"
#include "shell/Messages.h"
#include "shell/Picture.h"
#include "shell/WindowSet.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStackedLayout>
#include <QToolButton>
#include <QVBoxLayout>

using brisvola::MessageKind;

namespace {

const QString helpTitle = QStringLiteral("App Emissione preventivi");
const QString pageLetters = QStringLiteral("ABCDEF");

// One quote line: quantity, course, description, price, discount, amount, exemption.
const FormBuilder::Row lineRow = {
    {"Quant", FormBuilder::Kind::Edit, 56, Qt::AlignRight},
    {"Codice", FormBuilder::Kind::Edit, 150},
    {"Desc"},
    {"Prezzo", FormBuilder::Kind::Edit, 84, Qt::AlignRight},
    {"PercSconto", FormBuilder::Kind::Edit, 52, Qt::AlignRight},
    {"Importo", FormBuilder::Kind::Display, 0, Qt::AlignRight | Qt::AlignVCenter},
    {"Es", FormBuilder::Kind::Check},
};

QString nn(int line)
{
    return QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0'));
}

// The controls of the issuer block that the trash button empties.
const char *const issuerBlock[] = {"txtDitta",        "txtViaDitta",  "txtCapDitta",
                                   "txtCittaDitta",   "txtProvDitta", "txtIvaDitta",
                                   "txtCodFiscDitta", "txtLibero01",  "txtLibero02"};

// What New leaves on screen: the issuer block, the terms, the bank, the IBAN, the VAT rate.
QStringList keptByNew()
{
    QStringList fields;
    for (const char *n : issuerBlock)
        fields << QLatin1StringView(n).mid(3);
    fields << QStringLiteral("Pagamento") << QStringLiteral("Banca") << QStringLiteral("Iban")
           << QStringLiteral("PercIva");
    return fields;
}

void makeUpperCase(QLineEdit *e)
{
    QObject::connect(e, &QLineEdit::textEdited, e, [e](const QString &text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int cursor = e->cursorPosition();
        e->setText(upper);
        e->setCursorPosition(cursor);
    });
}

QLabel *caption(QWidget *parent, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setProperty("caption", true);
    return l;
}

} // namespace

TfrmPreventivi::TfrmPreventivi(QWidget *parent) : GradientBackground(parent)
{
    setWindowTitle(QStringLiteral(" Brisvola - Archivio preventivi"));
    setWindowState(Qt::WindowMaximized);
    setWindowIcon(QIcon(QStringLiteral(":/icons/brisvola.svg")));

    auto hidden = [this](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1StringView(name));
        l->hide();
        return l;
    };
    lblFile = hidden("lblFile");
    lblInizio = hidden("lblInizio");
    lblSolare = hidden("lblSolare");
    memVeicolo = hidden("memVeicolo");
    memMarca = hidden("memMarca");
    memColore = hidden("memColore");
    memImmatricolazione = hidden("memImmatricolazione");
    memAlimentazione = hidden("memAlimentazione");
    memTarga = hidden("memTarga");

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panPreventivi"));
    panel->setFixedSize(995, 692);
    panel->setStyleSheet(
        QStringLiteral("#panPreventivi { background: transparent; border: none; }"
                       "QFrame[block=\"true\"] { background: white; border: 1px solid #b8c9e0;"
                       " border-radius: 6px; }"
                       "QLabel[caption=\"true\"] { color: #1b2b40; }"
                       "QLabel[heading=\"true\"] { color: #1f4e9c; font-weight: bold; }"
                       "QLabel[amount=\"true\"] { background: #e4ebf5; border: 1px solid #b8c9e0;"
                       " padding: 0 4px; }"
                       "QLineEdit, QComboBox { background: white; border: 1px solid #9fb6d6;"
                       " padding: 0 3px; min-height: 19px; }"

                       "QLineEdit:disabled { background: #eef1f5; }"));
    m_hintClearers << this << panel;

    m_archive = new ArchiveWindow(this, quotes::quoteLayout(), [this] { return lblFile->text(); });
    m_form = std::make_unique<FormBuilder>(panel, m_archive);

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(buildToolbar(panel));
    auto *blocks = new QHBoxLayout;
    blocks->setSpacing(6);
    blocks->addWidget(buildIssuerBlock(panel), 1);
    blocks->addWidget(buildCustomerBlock(panel), 1);
    blocks->addWidget(buildHeadingBlock(panel), 1);
    layout->addLayout(blocks);
    layout->addWidget(buildPages(panel));
    layout->addWidget(buildTotals(panel));
    layout->addWidget(buildFooter(panel));

    auto *outer = new QGridLayout(this);
    outer->addWidget(panel, 0, 0, Qt::AlignCenter);

    configureArchive();
    connectInputRules();
    showPage(1);
}

TfrmPreventivi::~TfrmPreventivi() = default;

// --- building ------------------------------------------------------------------------------

QLineEdit *TfrmPreventivi::edit(QWidget *parent, const QString &field)
{
    m_form->setParent(parent);
    return m_form->edit(field);
}

QComboBox *TfrmPreventivi::provinceBox(QWidget *parent, const QString &field)
{
    m_form->setParent(parent);
    QComboBox *c = m_form->list(field, quotes::provinceCodes());
    c->setFixedWidth(54);
    c->setMaxVisibleItems(16);
    c->installEventFilter(this);
    makeUpperCase(c->lineEdit());
    return c;
}

QToolButton *TfrmPreventivi::pictureButton(QWidget *parent, const QString &name,
                                           const QString &icon)
{
    QToolButton *b = brisvola::pictureButton(parent, name, icon, 18);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QLabel *TfrmPreventivi::amountBox(QWidget *parent, const QString &field, int width)
{
    m_form->setParent(parent);
    QLabel *l = m_form->display(field);
    styleAmount(l, width);
    return l;
}

void TfrmPreventivi::styleAmount(QLabel *l, int width)
{
    l->setProperty("amount", true);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFixedSize(width, 21);
}

QWidget *TfrmPreventivi::buildToolbar(QWidget *parent)
{
    // The top row, left to right, in groups spread across the panel.
    const std::vector<archiveform::CommandGroup> groups = {
        {{"cmdNuovo", "Nuovo", ":/archive/nuovo.svg", 52},
         {"cmdDuplica", "Duplica", ":/archive/duplica.svg", 54},
         {"cmdSalva", "Salva", ":/archive/salva.svg", 52},
         {"cmdTrova", "Trova", ":/archive/trova.svg", 52},
         {"cmdSospese", "Sospesi", ":/quotes/sospesi.svg", 58}},
        {{"cmdAnteprima", "Anteprima", ":/quotes/anteprima.svg", 68},
         {"cmdStampa", "Stampa", ":/archive/stampa.svg", 60},
         {"cmdPDF", "PDF", ":/quotes/pdf.svg", 52}},
        {{"cmdPrimo", "Primo", ":/archive/primo.svg", 52},
         {"cmdIndietro", "Indietro", ":/archive/indietro.svg", 56},
         {"lblPosizione", "", "", 54},
         {"cmdAvanti", "Avanti", ":/archive/avanti.svg", 52},
         {"cmdUltimo", "Ultimo", ":/archive/ultimo.svg", 52}},
        {{"cmdNumerazione", "Numerazione", ":/quotes/numerazione_cmd.svg", 80},
         {"cmdEsporta", "Excel", ":/archive/esporta.svg", 56}},
        {{"cmdGuida", "Guida", ":/archive/guida.svg", 52},
         {"cmdEsci", "Esci", ":/archive/esci.svg", 52}},
    };
    QWidget *bar = archiveform::commandRow(parent, groups, &m_hintClearers);
    m_hintClearers << bar;
    return bar;
}

QGridLayout *TfrmPreventivi::buildPartyBlock(QFrame *block, const QString &party,
                                             const QString &heading,
                                             const QList<QWidget *> &nameButtons,
                                             QComboBox **province)
{
    // The issuer and the customer blocks share their first six rows: name, street, CAP, town
    // and province, VAT number and tax code, each field named after its party.
    const auto name = [&party](const char *prefix) { return QLatin1String(prefix) + party; };
    const auto field = [&party](const char *base) { return QLatin1String(base) + party; };
    block->setObjectName(name("pan"));
    block->setProperty("block", true);
    auto *grid = new QGridLayout(block);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);

    auto *nameRow = new QHBoxLayout;
    nameRow->setSpacing(4);
    nameRow->addWidget(edit(block, field("")));
    for (QWidget *button : nameButtons)
        nameRow->addWidget(button);
    auto *title = caption(block, heading);
    title->setProperty("heading", true);
    grid->addWidget(title, 0, 0);
    grid->addLayout(nameRow, 0, 1);
    grid->addWidget(caption(block, QStringLiteral("Via e numero civico:")), 1, 0);
    grid->addWidget(edit(block, field("Via")), 1, 1);

    QLineEdit *cap = edit(block, field("Cap"));
    cap->setFixedWidth(80);
    grid->addWidget(caption(block, QStringLiteral("CAP:")), 2, 0);
    grid->addWidget(cap, 2, 1, Qt::AlignLeft);
    auto *place = new QHBoxLayout;
    place->setSpacing(4);
    place->addWidget(edit(block, field("Citta")), 1);
    place->addWidget(caption(block, QStringLiteral("Prov.")));
    *province = provinceBox(block, field("Prov"));
    place->addWidget(*province);
    grid->addWidget(caption(block, QStringLiteral("Città:")), 3, 0);
    grid->addLayout(place, 3, 1);

    const auto checked = [&](int row, const QString &label, const char *base, const char *check) {
        auto *line = new QHBoxLayout;
        line->setSpacing(4);
        line->addWidget(edit(block, field(base)));
        line->addWidget(pictureButton(block, name(check), QStringLiteral(":/quotes/check.svg")));
        grid->addWidget(caption(block, label), row, 0);
        grid->addLayout(line, row, 1);
    };
    checked(4, QStringLiteral("Partita IVA:"), "Iva", "btnIva");
    checked(5, QStringLiteral("Codice fiscale:"), "CodFisc", "btnCodFisc");
    m_hintClearers << block;
    return grid;
}

QWidget *TfrmPreventivi::buildIssuerBlock(QWidget *parent)
{
    auto *block = new QFrame(parent);
    QGridLayout *grid = buildPartyBlock(
        block, QStringLiteral("Ditta"), QStringLiteral("Ditta emittente:"),
        {pictureButton(block, QStringLiteral("btnLogo"), QStringLiteral(":/quotes/palette.svg")),
         pictureButton(block, QStringLiteral("btnCancDitta"),
                       QStringLiteral(":/quotes/delete.svg"))},
        &m_provDitta);
    grid->addWidget(caption(block, QStringLiteral("Campo libero 1:")), 6, 0);
    grid->addWidget(edit(block, QStringLiteral("Libero01")), 6, 1);
    grid->addWidget(caption(block, QStringLiteral("Campo libero 2:")), 7, 0);
    grid->addWidget(edit(block, QStringLiteral("Libero02")), 7, 1);
    return block;
}

QWidget *TfrmPreventivi::buildCustomerBlock(QWidget *parent)
{
    auto *block = new QFrame(parent);
    QGridLayout *grid =
        buildPartyBlock(block, QStringLiteral("Cliente"), QStringLiteral("Cliente:"),
                        {pictureButton(block, QStringLiteral("impCliente"),
                                       QStringLiteral(":/quotes/arrow_green.svg"))},
                        &m_provCliente);
    grid->addWidget(caption(block, QStringLiteral("Riferimenti:")), 6, 0);
    grid->addWidget(edit(block, QStringLiteral("Riferimenti")), 6, 1);
    auto *more = dialogparts::button(QStringLiteral("cmdDatiComputer"),
                                     QStringLiteral("Altre informazioni"), block);
    more->setFocusPolicy(Qt::NoFocus);
    more->setMinimumSize(0, 26);
    more->setFont(QFont(QStringLiteral("Verdana"), 8, QFont::Bold));
    grid->addWidget(more, 7, 1, Qt::AlignRight);
    return block;
}

QWidget *TfrmPreventivi::buildHeadingBlock(QWidget *parent)
{
    auto *block = new QFrame(parent);
    block->setObjectName(QStringLiteral("panNumFattura"));
    block->setProperty("block", true);
    auto *grid = new QGridLayout(block);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);

    auto *lens = new QLabel(block);
    lens->setObjectName(QStringLiteral("imgLente"));
    lens->setPixmap(QIcon(QStringLiteral(":/quotes/lente.svg")).pixmap(30, 30));
    auto *numberRow = new QHBoxLayout;
    numberRow->setSpacing(6);
    auto *heading = caption(block, QStringLiteral("Preventivo n."));
    heading->setProperty("heading", true);
    QFont big = heading->font();
    big.setPointSize(big.pointSize() + 2);
    heading->setFont(big);
    numberRow->addWidget(lens);
    numberRow->addWidget(heading);
    QLineEdit *number = edit(block, QStringLiteral("NumFatt"));
    QFont bold = number->font();
    bold.setBold(true);
    number->setFont(bold);
    numberRow->addWidget(number, 1);
    grid->addLayout(numberRow, 0, 0, 1, 2);

    auto *dateRow = new QHBoxLayout;
    dateRow->setSpacing(4);
    QLineEdit *date = edit(block, QStringLiteral("Data"));
    date->setFixedWidth(96);
    dateRow->addWidget(date);
    dateRow->addWidget(pictureButton(block, QStringLiteral("impOggi"),
                                     QStringLiteral(":/quotes/arrow_green.svg")));
    dateRow->addStretch();
    grid->addWidget(caption(block, QStringLiteral("Data emissione:")), 1, 0);
    grid->addLayout(dateRow, 1, 1);
    // Terms, bank and IBAN take the block's whole width, their captions above them.
    int row = 2;
    for (const auto &[text, field] :
         {std::pair{"Pagamento:", "Pagamento"}, std::pair{"Banca d'appoggio:", "Banca"},
          std::pair{"IBAN:", "Iban"}}) {
        grid->addWidget(caption(block, QString::fromUtf8(text)), row++, 0, 1, 2);
        grid->addWidget(edit(block, QLatin1StringView(field)), row++, 0, 1, 2);
    }
    grid->setVerticalSpacing(3);
    grid->setRowStretch(row, 1);
    m_hintClearers << block;
    return block;
}

QWidget *TfrmPreventivi::buildPages(QWidget *parent)
{
    auto *host = new QWidget(parent);
    m_pageStack = new QStackedLayout(host);
    m_pageStack->setContentsMargins(0, 0, 0, 0);
    for (int page = 1; page <= quotes::pageCount; ++page) {
        auto *frame = new QFrame(host);
        frame->setObjectName(QStringLiteral("grpPage") + nn(page));
        frame->setProperty("block", true);
        m_pages[page - 1] = frame;
        m_hintClearers << frame;

        auto *v = new QVBoxLayout(frame);
        v->setContentsMargins(8, 5, 8, 6);
        v->setSpacing(3);
        auto *head = new QHBoxLayout;
        const QChar letter = pageLetters[page - 1];
        auto *back = pictureButton(frame, QStringLiteral("imgIndietro_") + letter,
                                   QStringLiteral(":/quotes/page_prev.svg"));
        auto *forward = pictureButton(frame, QStringLiteral("imgAvanti_") + letter,
                                      QStringLiteral(":/quotes/page_next.svg"));
        back->setIconSize(QSize(24, 24));
        forward->setIconSize(QSize(24, 24));
        auto *title = new QLabel(frame);
        title->setPixmap(QIcon(QStringLiteral(":/quotes/banner_righe.svg")).pixmap(360, 26));
        auto *pageNumber = new QLabel(QStringLiteral("pagina %1 di %2").arg(page).arg(6), frame);
        pageNumber->setStyleSheet(QStringLiteral("color: #5a6b80;"));
        head->addWidget(back);
        head->addStretch();
        head->addWidget(title);
        head->addSpacing(8);
        head->addWidget(pageNumber);
        head->addStretch();
        head->addWidget(forward);
        v->addLayout(head);
        if (page > 1)
            connect(back, &QToolButton::clicked, this, [this, page] {
                showPage(page - 1);
                m_lines[(page - 2) * quotes::linesPerPage].quant->setFocus();
            });
        else
            back->setEnabled(false);
        if (page < quotes::pageCount)
            connect(forward, &QToolButton::clicked, this, [this, page] {
                showPage(page + 1);
                m_lines[page * quotes::linesPerPage].quant->setFocus();
            });
        else
            forward->setEnabled(false);

        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(7);
        grid->setVerticalSpacing(9);
        const QStringList headings = {QString(),
                                      QStringLiteral("Quant."),
                                      QStringLiteral("Portata:"),
                                      QStringLiteral("Descrizione:"),
                                      QStringLiteral("Prezzo:"),
                                      QStringLiteral("% Sc."),
                                      QStringLiteral("Importo tot."),
                                      QStringLiteral("Es."),
                                      QString()};
        for (int c = 0; c < headings.size(); ++c) {
            auto *h = caption(frame, headings[c]);
            h->setProperty("heading", true);
            grid->addWidget(h, 0, c, c == 6 ? Qt::AlignRight : Qt::AlignLeft);
        }
        for (int k = 0; k < quotes::linesPerPage; ++k) {
            const int line = (page - 1) * quotes::linesPerPage + k + 1;
            const QString n = nn(line);
            LineControls &lc = m_lines[line - 1];
            auto *number = new QLabel(QStringLiteral("%1.").arg(line), frame);
            number->setObjectName(QStringLiteral("lblNum") + n);
            number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            number->setFixedWidth(24);
            const int row = k + 1;
            grid->addWidget(number, row, 0);
            m_form->setParent(frame);
            const std::vector<QWidget *> cells = m_form->row(lineRow, line, grid, row, 1);
            lc.quant = static_cast<QLineEdit *>(cells[0]);
            lc.codice = static_cast<QLineEdit *>(cells[1]);
            lc.desc = static_cast<QLineEdit *>(cells[2]);
            lc.prezzo = static_cast<QLineEdit *>(cells[3]);
            lc.sconto = static_cast<QLineEdit *>(cells[4]);
            lc.importo = static_cast<QLabel *>(cells[5]);
            styleAmount(lc.importo, 96);
            lc.esente = static_cast<QCheckBox *>(cells[6]);
            auto *import = pictureButton(frame, QStringLiteral("impMag") + n,
                                         QStringLiteral(":/quotes/arrow_green.svg"));
            grid->addWidget(import, row, 8);
        }
        grid->setColumnStretch(3, 1);
        v->addLayout(grid);
        v->addStretch();
        m_pageStack->addWidget(frame);
    }
    return host;
}

QWidget *TfrmPreventivi::buildTotals(QWidget *parent)
{
    auto *bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("panTotali"));
    bar->setProperty("block", true);
    const char *fields[] = {"TotImponibile", "TotImposta", "TotIva", "TotEsente", "TotFattura"};
    for (int i = 0; i < 5; ++i)
        m_totals[i] = amountBox(bar, QLatin1StringView(fields[i]), i == 4 ? 120 : 86);
    m_percIva = edit(bar, QStringLiteral("PercIva"));
    m_percIva->setFixedWidth(48);
    m_percIva->setAlignment(Qt::AlignRight);

    // Taxable, VAT rate, VAT, with VAT and exempt on the first line; the total below them.
    auto *parts = new QHBoxLayout;
    parts->setSpacing(5);
    parts->addWidget(caption(bar, QStringLiteral("Tot. imponibile:")));
    parts->addWidget(m_totals[0]);
    parts->addStretch();
    parts->addWidget(caption(bar, QStringLiteral("IVA:")));
    parts->addWidget(m_percIva);
    parts->addWidget(caption(bar, QStringLiteral("%")));
    parts->addStretch();
    parts->addWidget(caption(bar, QStringLiteral("Tot. imposta:")));
    parts->addWidget(m_totals[1]);
    parts->addStretch();
    parts->addWidget(caption(bar, QStringLiteral("Tot. IVA inclusa:")));
    parts->addWidget(m_totals[2]);
    parts->addStretch();
    parts->addWidget(caption(bar, QStringLiteral("Tot. esente:")));
    parts->addWidget(m_totals[3]);

    auto *total = new QHBoxLayout;
    total->setSpacing(8);
    total->addStretch();
    auto *compute =
        dialogparts::button(QStringLiteral("cmdCalcola"), QStringLiteral("Calcola"), bar);
    compute->setFocusPolicy(Qt::NoFocus);
    compute->setMinimumSize(90, 26);
    compute->setFont(QFont(QStringLiteral("Verdana"), 8, QFont::Bold));
    total->addWidget(compute);
    total->addSpacing(10);
    auto *totalCaption = caption(bar, QStringLiteral("TOTALE PREVENTIVO:"));
    totalCaption->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold;"
                                               " font-size: 11pt;"));
    total->addWidget(totalCaption);
    m_totals[4]->setFixedHeight(25);
    m_totals[4]->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold;"
                                              " font-size: 11pt;"));
    total->addWidget(m_totals[4]);

    auto *v = new QVBoxLayout(bar);
    v->setContentsMargins(8, 5, 8, 5);
    v->setSpacing(4);
    v->addLayout(parts);
    v->addLayout(total);
    m_hintClearers << bar;
    return bar;
}

QWidget *TfrmPreventivi::buildFooter(QWidget *parent)
{
    auto *bar = new QWidget(parent);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    QLabel *info = archiveform::infoBar(bar);
    info->setFixedWidth(400);
    QFont infoFont = info->font();
    infoFont.setPointSize(9);
    info->setFont(infoFont);
    row->addWidget(info);
    auto *noteCaption = caption(bar, QStringLiteral("NOTE:"));
    noteCaption->setStyleSheet(QStringLiteral("font-weight: bold;"));
    row->addWidget(noteCaption);
    QLineEdit *note = edit(bar, QStringLiteral("Note"));
    QFont noteFont = note->font();
    noteFont.setBold(true);
    noteFont.setPointSize(12);
    note->setFont(noteFont);
    row->addWidget(note, 1);
    auto *pending = new QCheckBox(QStringLiteral("In sospeso"), bar);
    pending->setObjectName(QStringLiteral("chkSaldata"));
    pending->setFocusPolicy(Qt::NoFocus);
    m_archive->bindField("InSospeso", pending);
    row->addWidget(pending);
    m_hintClearers << bar;
    return bar;
}

// --- configuration -------------------------------------------------------------------------

void TfrmPreventivi::configureArchive()
{
    m_archive->bindField("TipoEvento", memVeicolo);
    m_archive->bindField("DataEvento", memMarca);
    m_archive->bindField("Acconto", memColore);
    m_archive->bindField("TotalePersone", memImmatricolazione);
    m_archive->bindField("Saldo", memAlimentazione);
    m_archive->bindField("TotaleTavoli", memTarga);

    ArchiveSession::Config &config = m_archive->config();
    config.keptByNew = keptByNew();
    // The flags are written "Sì" or "No"; on loading, a text that is neither leaves the check
    // box as it was.
    for (int line = 1; line <= quotes::lineCount; ++line)
        config.flagFields << quotes::lineField("Es", line);
    config.flagFields << QStringLiteral("InSospeso");
    config.flagOnShow = ArchiveSession::FlagOnShow::KeepUnlessYesOrNo;
    // New proposes the quote's number: the year's record count plus the numbering start.
    config.prepareNew = [this] {
        takeNumbering(lblFile->text());
        return true;
    };
    config.newValues = [this]() -> std::optional<QHash<QString, QString>> {
        const auto number = quotes::proposedNumber({lblInizio->text(), lblSolare->text()},
                                                   m_countForNew, brisvola::today());
        if (!number)
            return std::nullopt;
        return QHash<QString, QString>{
            {QStringLiteral("NumFatt"), *number},
            {QStringLiteral("Data"), brisvola::dateText(brisvola::today())}};
    };
    config.checks = {
        ArchiveSession::required(
            QStringLiteral("Cliente"), QStringLiteral("txtCliente"),
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome o la "
                           "ragione sociale del cliente.")),
        ArchiveSession::required(
            QStringLiteral("NumFatt"), QStringLiteral("txtNumFatt"),
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il numero del "
                           "preventivo.")),
        ArchiveSession::required(QStringLiteral("Data"), QStringLiteral("txtData"),
                                 QStringLiteral("Attenzione: per salvare la scheda è "
                                                "necessario indicare la data del preventivo.")),
        {QStringLiteral("txtData"),
         [](const ArchiveSession &s) {
             return brisvola::parseDate(s.text(QStringLiteral("Data"))).isValid();
         },
         QStringLiteral("Attenzione: la data indicata non esiste.\n\r\n\rPer "
                        "poter salvare la scheda è necessario indicare una "
                        "data valida nel formato gg/mm/anno.")},
    };
    // Duplicate: a copy numbered as New numbers it, dated today, not pending, its totals worked
    // out again; from an earlier year, in the current year's archive if the user wants it.
    config.duplicateValues = [this] { return duplicateValues(); };
    m_archive->hooks.duplicate = [this] {
        if (!m_copyYear.isEmpty())
            openYear(m_copyYear);
        cmdCalcolaClick();
    };
    config.firstControl = QStringLiteral("txtCliente");
    m_archive->hooks.beforeSave = [this] { cmdCalcolaClick(); };
    m_archive->hooks.clear = [this] {
        showPage(1);
        m_provCliente->setCurrentIndex(-1);
    };
    m_archive->setFailureMessage(ArchiveWindow::Command::New, MessageKind::Error);
    m_archive->setFailureMessage(ArchiveWindow::Command::Duplicate, MessageKind::Error);
    m_archive->setFailureMessage(ArchiveWindow::Command::Save, MessageKind::Warning);
    m_archive->setFailureMessage(ArchiveWindow::Command::First, MessageKind::Warning);

    QStringList chain = {
        "txtDitta",        "txtViaDitta",    "txtCapDitta",     "txtCittaDitta",
        "txtProvDitta",    "txtIvaDitta",    "txtCodFiscDitta", "txtLibero01",
        "txtLibero02",     "txtCliente",     "txtViaCliente",   "txtCapCliente",
        "txtCittaCliente", "txtProvCliente", "txtIvaCliente",   "txtCodFiscCliente",
        "txtRiferimenti",  "txtNumFatt",     "txtData",         "txtPagamento",
        "txtBanca",        "txtIban",        "txtNote",         "txtDitta"};
    m_archive->addEnterChain(chain);
    for (int line = 1; line <= quotes::lineCount; ++line) {
        const QString n = nn(line);
        m_archive->addEnterChain({QStringLiteral("txtQuant") + n, QStringLiteral("txtCodice") + n,
                                  QStringLiteral("txtDesc") + n, QStringLiteral("txtPrezzo") + n,
                                  QStringLiteral("txtPercSconto") + n,
                                  QStringLiteral("chkEs") + n});
    }
    m_archive->addEnterChain({QStringLiteral("txtPercIva"), QStringLiteral("txtNote")});
    m_archive->setHighlight(ArchiveWindow::Highlight::EffRectangle);

    const QList<std::pair<const char *, const char *>> hints = {
        {"cmdNuovo", "Predispone la schermata per l'emissione di un nuovo preventivo."},
        {"cmdSalva", "Salva o aggiorna il preventivo corrente."},
        {"cmdTrova", "Trova un preventivo in archivio."},
        {"cmdSospese", "Visualizza il riepilogo dei preventivi in sospeso."},
        {"cmdAnteprima", "Visualizza l'anteprima di stampa del preventivo corrente."},
        {"cmdStampa", "Stampa il preventivo corrente."},
        {"cmdPDF", "Esporta il preventivo corrente in formato PDF."},
        {"cmdPrimo", "Visualizza il primo preventivo in archivio."},
        {"cmdIndietro", "Visualizza il preventivo precedente in archivio."},
        {"cmdAvanti", "Visualizza il preventivo successivo in archivio."},
        {"cmdUltimo", "Visualizza l'ultimo preventivo in archivio."},
        {"cmdNumerazione", "Imposta il numero iniziale per la numerazione dei preventivi."},
        {"cmdEsporta", "Esporta i preventivi in archivio in un file di Microsoft Excel."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"btnLogo", "Carica il logo della Ditta emittente."},
        {"btnCancDitta", "Cancella i dati della Ditta emittente."},
        {"btnIvaDitta", "Controlla il numero di partita IVA."},
        {"btnIvaCliente", "Controlla il numero di partita IVA."},
        {"btnCodFiscDitta", "Controlla il codice fiscale."},
        {"btnCodFiscCliente", "Controlla il codice fiscale."},
        {"impCliente", "Importa i dati del cliente dall'archivio anagrafico."},
        {"cmdDatiComputer", "Apri la finestra per l'inserimento dei dati del trasporto."},
        {"impOggi", "Inserisci la data corrente."},
        {"cmdCalcola", "Effettua il calcolo dei totali."},
        {"chkSaldata", "Contrassegna come preventivo in sospeso."},
    };
    for (const auto &[name, hint] : hints)
        m_archive->setHint(QLatin1StringView(name), QString::fromUtf8(hint));
    for (int line = 1; line <= quotes::lineCount; ++line) {
        m_archive->setHint(QStringLiteral("impMag") + nn(line),
                           QStringLiteral("Importa i dati dell'archivio delle ricette."));
        m_archive->setHint(QStringLiteral("chkEs") + nn(line),
                           QStringLiteral("Contrassegna come articolo esente da IVA."));
    }
    for (int page = 1; page <= quotes::pageCount; ++page) {
        const QChar letter = pageLetters[page - 1];
        if (page < quotes::pageCount)
            m_archive->setHint(QStringLiteral("imgAvanti_") + letter,
                               QStringLiteral("Visualizza i prossimi cinque articoli."));
        if (page > 1)
            m_archive->setHint(QStringLiteral("imgIndietro_") + letter,
                               QStringLiteral("Visualizza i cinque articoli precedenti."));
    }
    m_archive->setHintClearers(m_hintClearers);
    m_archive->connectCommands();

    connect(archiveform::require<QPushButton>(this, QStringLiteral("cmdCalcola")),
            &QPushButton::clicked, this, &TfrmPreventivi::cmdCalcolaClick);
    connect(archiveform::require<QToolButton>(this, QStringLiteral("cmdNumerazione")),
            &QToolButton::clicked, this, &TfrmPreventivi::openNumbering);
    connect(archiveform::require<QToolButton>(this, QStringLiteral("cmdGuida")),
            &QToolButton::clicked, this, [this] { brisvola::showHelp(this, helpTitle); });
    connect(archiveform::require<QToolButton>(this, QStringLiteral("btnLogo")),
            &QToolButton::clicked, this, &TfrmPreventivi::openLogo);
    connect(archiveform::require<QToolButton>(this, QStringLiteral("btnCancDitta")),
            &QToolButton::clicked, this, &TfrmPreventivi::clearIssuer);
    connect(archiveform::require<QToolButton>(this, QStringLiteral("impOggi")),
            &QToolButton::clicked, this, [this] {
                archiveform::require<QLineEdit>(this, QStringLiteral("txtData"))
                    ->setText(brisvola::dateText(brisvola::today()));
            });
    connect(archiveform::require<QPushButton>(this, QStringLiteral("cmdDatiComputer")),
            &QPushButton::clicked, this, &TfrmPreventivi::openEventDetails);

    // Find, the pending list, the documents, the export and the dish imports.
    quotes::connectQuoteCommands(this);
    // The partita IVA and codice fiscale checks.
    quotes::connectQuoteChecks(this);

    // The customer import: the customer find, whose choice fills the customer controls.
    connect(archiveform::require<QToolButton>(this, QStringLiteral("impCliente")),
            &QToolButton::clicked, this, [this] { TfrmTrovaFornitori::pickIntoQuote(this); });
}

void TfrmPreventivi::connectInputRules()
{
    for (int i = 0; i < quotes::lineCount; ++i) {
        LineControls &lc = m_lines[i];
        for (QLineEdit *e : {lc.quant, lc.prezzo, lc.sconto}) {
            brisvola::numberField(e, true);
            e->installEventFilter(this);
            connect(e, &QLineEdit::textEdited, this, [this, i] {
                m_lines[i].importo->clear();
                clearTotals();
            });
        }
    }
    brisvola::numberField(m_percIva, true);
    m_percIva->installEventFilter(this);
    connect(m_percIva, &QLineEdit::textEdited, this, &TfrmPreventivi::clearTotals);

    for (const char *name : {"txtIvaDitta", "txtIvaCliente"})
        brisvola::numberField(archiveform::require<QLineEdit>(this, QLatin1StringView(name)),
                              false);
    for (const char *name : {"txtCodFiscDitta", "txtCodFiscCliente", "txtIban"})
        makeUpperCase(archiveform::require<QLineEdit>(this, QLatin1StringView(name)));
}

// --- behaviour -----------------------------------------------------------------------------

bool TfrmPreventivi::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && (watched == m_provDitta || watched == m_provCliente)) {
        // The list selection is reset as the drop-down takes the focus; the text stays.
        auto *box = static_cast<QComboBox *>(watched);
        const QString text = box->currentText();
        box->setCurrentIndex(-1);
        box->setEditText(text);
    } else if (event->type() == QEvent::FocusOut) {
        if (watched == m_provCliente) {
            m_provCliente->setEditText(m_provCliente->currentText().trimmed().toUpper());
        } else if (auto *e = qobject_cast<QLineEdit *>(watched)) {
            const bool price = e->objectName().startsWith(QLatin1String("txtPrezzo"));
            e->setText(price ? quotes::priceRule(e->text()) : quotes::plainRule(e->text()));
        }
    }
    return GradientBackground::eventFilter(watched, event);
}

void TfrmPreventivi::clearTotals()
{
    for (QLabel *t : m_totals)
        t->clear();
}

void TfrmPreventivi::cmdCalcolaClick()
{
    quotes::QuoteTotalsTexts q;
    for (int i = 0; i < quotes::lineCount; ++i) {
        const LineControls &lc = m_lines[i];
        q.lines[i] = {lc.quant->text(), lc.prezzo->text(), lc.sconto->text(), lc.importo->text(),
                      lc.esente->isChecked()};
    }
    q.percIva = m_percIva->text();
    quotes::computeTotals(q);
    for (int i = 0; i < quotes::lineCount; ++i) {
        const LineControls &lc = m_lines[i];
        // Only what the computation changed is written back: the cursor of the field being
        // typed in stays where it is.
        if (lc.quant->text() != q.lines[i].quant)
            lc.quant->setText(q.lines[i].quant);
        if (lc.prezzo->text() != q.lines[i].prezzo)
            lc.prezzo->setText(q.lines[i].prezzo);
        lc.importo->setText(q.lines[i].importo);
    }
    if (m_percIva->text() != q.percIva)
        m_percIva->setText(q.percIva);
    const QString totals[] = {q.totImponibile, q.totImposta, q.totIva, q.totEsente, q.totFattura};
    for (int i = 0; i < 5; ++i)
        m_totals[i]->setText(totals[i]);
}

void TfrmPreventivi::showPage(int page)
{
    if (page < 1 || page > quotes::pageCount)
        return;
    m_pageStack->setCurrentWidget(m_pages[page - 1]);
}

int TfrmPreventivi::currentPage() const
{
    return m_pageStack->currentIndex() + 1;
}

void TfrmPreventivi::clearQuote()
{
    m_archive->session().clear();
    archiveform::require<QLineEdit>(this, QStringLiteral("txtCliente"))->setFocus();
}

void TfrmPreventivi::cmdNuovoClick()
{
    m_archive->newCard();
}

void TfrmPreventivi::openYear(const QString &year)
{
    lblFile->setText(quotes::quoteArchivePath(year));
    setWindowTitle(QStringLiteral(" Brisvola - Emissione preventivi anno ") + year);
}

void TfrmPreventivi::takeNumbering(const QString &archive)
{
    const quotes::NumberingSettings settings = quotes::readNumbering(quotes::settingsPath());
    lblInizio->setText(settings.start);
    lblSolare->setText(settings.yearSuffix);
    // An archive not made yet holds no quote; counting it does not create it.
    m_countForNew =
        QFileInfo::exists(archive) ? RecordFile(archive, quotes::quoteLayout()).count() : 0;
}

std::optional<QHash<QString, QString>> TfrmPreventivi::duplicateValues()
{
    m_copyYear.clear();
    const QString open = yeararchive::yearOf(lblFile->text(), quotes::quoteArchiveSuffix);
    const QString current = QString::number(brisvola::today().year());
    const bool toCurrent =
        !open.isEmpty() && open.toInt() < current.toInt() &&
        brisvola::askYesNo(this, QStringLiteral("Il preventivo corrente appartiene all'archivio "
                                                "dell'anno %1.\r\n\r\nSi vuole inserire la "
                                                "copia nell'archivio dell'anno %2?")
                                     .arg(open, current));
    takeNumbering(toCurrent ? quotes::quoteArchivePath(current) : lblFile->text());
    std::optional<QHash<QString, QString>> values = m_archive->config().newValues();
    if (!values)
        return std::nullopt;
    values->insert(QStringLiteral("InSospeso"), ArchiveSession::flagText(false));
    if (toCurrent)
        m_copyYear = current;
    return values;
}

void TfrmPreventivi::loadIssuerData()
{
    const QStringList values = quotes::readIssuerData(quotes::settingsPath());
    const QList<quotes::IssuerKey> &keys = quotes::issuerKeys();
    for (qsizetype i = 0; i < keys.size(); ++i)
        ArchiveWindow::setFieldText(archiveform::require<QWidget>(this, keys[i].control),
                                    values.value(i));
}

bool TfrmPreventivi::storeIssuerData()
{
    QStringList values;
    for (const quotes::IssuerKey &k : quotes::issuerKeys())
        values
            << ArchiveWindow::fieldText(archiveform::require<QWidget>(this, k.control)).trimmed();
    return quotes::writeIssuerData(quotes::settingsPath(), values);
}

void TfrmPreventivi::clearIssuer()
{
    for (const char *name : issuerBlock)
        ArchiveWindow::setFieldText(archiveform::require<QWidget>(this, QLatin1StringView(name)),
                                    QString());
    m_provDitta->setCurrentIndex(-1);
    archiveform::require<QLineEdit>(this, QStringLiteral("txtDitta"))->setFocus();
}

void TfrmPreventivi::openEventDetails()
{
    QLabel *labels[] = {memVeicolo,          memMarca,         memColore,
                        memImmatricolazione, memAlimentazione, memTarga};
    TfrmDatiVeicolo details(this);
    details.lblMemory->setText(QStringLiteral("preventivi"));
    QStringList values;
    for (QLabel *l : labels)
        values << l->text().trimmed();
    details.setValues(values);
    if (details.exec() != QDialog::Accepted)
        return;
    const QStringList applied = details.values();
    for (int i = 0; i < 6; ++i)
        labels[i]->setText(applied.value(i));
}

void TfrmPreventivi::openNumbering()
{
    TfrmNumerazione numbering(this);
    numbering.setWindowTitle(QStringLiteral(" Impostazione inizio numerazione preventivi"));
    numbering.lblMemory->setText(QStringLiteral("preventivi"));
    numbering.exec();
}

void TfrmPreventivi::openLogo()
{
    TfrmLogo logo(this);
    logo.exec();
}

void TfrmPreventivi::showEvent(QShowEvent *event)
{
    GradientBackground::showEvent(event);
    if (event->spontaneous())
        return;
    loadIssuerData();
    clearQuote();
}

void TfrmPreventivi::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!storeIssuerData())
        brisvola::showMessage(this, MessageKind::Warning, quotes::settingsWriteMessage);
    brisvola::showInstead(brisvola::window(QStringLiteral("TfrmAvvio")), this);
}
