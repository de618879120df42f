#include "menus/Menu.h"

#include "archive/ArchiveWindow.h"
#include "archive/FormBuilder.h"
#include "menus/AnteprimaMenu.h"
#include "menus/ExpMenu.h"
#include "menus/MenuRecord.h"
#include "menus/MenuSegnalati.h"
#include "menus/StampaMenu.h"
#include "menus/TrovaMenu.h"
#include "recipes/TrovaRicette.h"
#include "shell/WindowSet.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QShowEvent>

namespace {

QFont editFont()
{
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(10);
    f.setBold(true);
    return f;
}

QString nn(int slot)
{
    return QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0'));
}

// A white section of the card, under the fields it groups.
QWidget *section(QWidget *panel, const QString &name, const QRect &geometry)
{
    auto *s = new QWidget(panel);
    s->setObjectName(name);
    s->setAttribute(Qt::WA_StyledBackground);
    s->setStyleSheet(QStringLiteral("#%1 { background: rgba(255, 255, 255, 150); border: 1px "
                                    "solid #87CEEB; border-radius: 6px; }")
                         .arg(name));
    s->setGeometry(geometry);
    s->lower();
    return s;
}

// A column heading of the dish table: a blue picture strip with its caption.
QLabel *heading(QWidget *parent, const QString &name, const QString &caption)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    l->setFixedHeight(24);
    l->setStyleSheet(QStringLiteral(
        "QLabel { color: white; font-family: Verdana; font-size: 12px; font-weight: bold; "
        "border-radius: 4px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
        "stop:0 #5a8fd8, stop:1 #1f4f9a); }"));
    return l;
}

// The dish slot row: name, the import arrow, description, price.
const FormBuilder::Row dishRow = {
    {"Nome", FormBuilder::Kind::Edit, 290},
    {"impPietanza", FormBuilder::Kind::Button, 26, {}, ":/menus/importa.svg"},
    {"Descrizione"},
    {"Prezzo", FormBuilder::Kind::Edit, 110, Qt::AlignRight | Qt::AlignVCenter},
};

} // namespace

TfrmMenu::TfrmMenu(QWidget *parent) : GradientBackground(parent)
{
    setObjectName(QStringLiteral("TfrmMenu"));
    setWindowTitle(QStringLiteral(" Brisvola - Stampa menu"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/brisvola.svg")));
    setMinimumSize(995, 722); // the panel and the information bar

    m_panel = archiveform::centredPanel(this, QStringLiteral("panMenu"), true);

    buildCommands(m_panel);
    m_archive = new ArchiveWindow(this, menus::menuLayout(), [] { return menus::archivePath(); });
    buildFields(m_panel);
    configureArchive();
    setWindowState(Qt::WindowMaximized);
}

void TfrmMenu::buildCommands(QWidget *panel)
{
    const std::vector<archiveform::CommandGroup> groups = {
        {{"cmdNuovo", "Nuovo", ":/archive/nuovo.svg", 56},
         {"cmdDuplica", "Duplica", ":/archive/duplica.svg", 56},
         {"cmdSalva", "Salva", ":/archive/salva.svg", 56},
         {"cmdTrova", "Trova", ":/archive/trova.svg", 56}},
        {{"cmdAnteprima", "Anteprima", ":/quotes/anteprima.svg", 70},
         {"cmdStampa", "Stampa", ":/archive/stampa.svg", 62}},
        {{"cmdPrimo", "Primo", ":/archive/primo.svg", 52},
         {"cmdIndietro", "Indietro", ":/archive/indietro.svg", 56},
         {"lblPosizione", "", "", 58},
         {"cmdAvanti", "Avanti", ":/archive/avanti.svg", 52},
         {"cmdUltimo", "Ultimo", ":/archive/ultimo.svg", 52}},
        {{"cmdEsporta", "Excel", ":/archive/esporta.svg", 56},
         {"cmdSegnalati", "Segnalati", ":/archive/segnalate.svg", 64}},
        {{"cmdGuida", "Guida", ":/archive/guida.svg", 52},
         {"cmdEsci", "Esci", ":/archive/esci.svg", 52}},
    };
    QWidget *bar = archiveform::commandRow(panel, groups, &m_sections);
    bar->setGeometry(0, 0, panel->width(), 64);
    m_sections << bar;
}

void TfrmMenu::buildFields(QWidget *panel)
{
    FormBuilder form(panel, m_archive);
    form.setFont(editFont());

    // Header: the decorative picture, the title with the flag, the season, charge and warnings.
    m_sections << section(panel, QStringLiteral("panTestata"), {0, 72, 995, 132});
    auto *logo = new QLabel(panel);
    logo->setObjectName(QStringLiteral("icoLogo"));
    logo->setPixmap(QIcon(QStringLiteral(":/shell/app_menu.svg")).pixmap(150, 96));
    logo->setGeometry(8, 88, 150, 100);
    logo->setAlignment(Qt::AlignCenter);
    const int hx = 170;
    form.caption(QStringLiteral("Titolo menu:"), hx, 80);
    form.edit(QStringLiteral("Titolo"), {hx, 100, 640, 30});
    auto *flagBox = new QWidget(panel);
    flagBox->setObjectName(QStringLiteral("shpSegnalato"));
    flagBox->setGeometry(hx + 652, 96, 160, 38);
    auto *flagRow = new QHBoxLayout(flagBox);
    flagRow->setContentsMargins(4, 0, 4, 0);
    auto *ico = new QLabel(flagBox);
    ico->setObjectName(QStringLiteral("icoSegnalato"));
    ico->setPixmap(QIcon(QStringLiteral(":/recipes/segnalata.svg")).pixmap(24, 24));
    form.setParent(flagBox);
    QCheckBox *flag = form.check(QStringLiteral("Segnalato"), QStringLiteral("Segnalato"));
    form.setParent(panel);
    flag->setFont(QFont(QStringLiteral("Arial"), 12));
    flagRow->addWidget(ico);
    flagRow->addWidget(flag, 1);
    m_sections << flagBox;

    form.caption(QStringLiteral("Stagione:"), hx, 138);
    form.edit(QStringLiteral("Stagione"), {hx, 158, 220, 30});
    form.caption(QString::fromUtf8("Coperto: €"), hx + 232, 138);
    form.edit(QStringLiteral("Coperto"), {hx + 232, 158, 110, 30})
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form.caption(QStringLiteral("Avvertenze:"), hx + 354, 138);
    form.edit(QStringLiteral("Avvertenze"), {hx + 354, 158, 460, 30});

    // The dish table: three headings, then the ten slots from one row description.
    m_sections << section(panel, QStringLiteral("panPietanze"), {0, 212, 995, 390});
    auto *table = new QWidget(panel);
    table->setObjectName(QStringLiteral("panTabella"));
    table->setGeometry(6, 216, 983, 382);
    auto *grid = new QGridLayout(table);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(heading(table, QStringLiteral("imgNome"), QStringLiteral("Nome pietanza")), 0,
                    0);
    grid->addWidget(heading(table, QStringLiteral("imgDescrizione"), QStringLiteral("Descrizione")),
                    0, 2);
    grid->addWidget(heading(table, QStringLiteral("imgPrezzo"), QStringLiteral("Prezzo")), 0, 3);
    form.setParent(table);
    for (int k = 1; k <= menus::dishCount; ++k) {
        const std::vector<QWidget *> cells = form.row(dishRow, k, grid, k);
        auto *import = qobject_cast<QAbstractButton *>(cells[1]);
        connect(import, &QAbstractButton::clicked, this, [this, k] { impPietanzaClick(k); });
        for (QWidget *cell : cells)
            cell->setFixedHeight(30);
    }
    form.setParent(panel);
    m_sections << table;

    // Footer: allergens and footnote side by side.
    m_sections << section(panel, QStringLiteral("panPiede"), {0, 610, 995, 78});
    form.caption(QStringLiteral("Indicazioni su allergeni:"), 8, 616);
    form.edit(QStringLiteral("Allergeni"), {8, 638, 484, 30});
    form.caption(QString::fromUtf8("Note a piè pagina:"), 503, 616);
    form.edit(QStringLiteral("Note"), {503, 638, 484, 30});

    // Tab order: the header, the slots row by row, the footer.
    QStringList order = {"txtTitolo", "chkSegnalato", "txtStagione", "txtCoperto", "txtAvvertenze"};
    for (int k = 1; k <= menus::dishCount; ++k)
        order << QStringLiteral("txtNome") + nn(k) << QStringLiteral("txtDescrizione") + nn(k)
              << QStringLiteral("txtPrezzo") + nn(k);
    order << QStringLiteral("txtAllergeni") << QStringLiteral("txtNote");
    QWidget *previous = nullptr;
    for (const QString &name : std::as_const(order)) {
        QWidget *w = archiveform::require<QWidget>(panel, name);
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
}

void TfrmMenu::configureArchive()
{
    m_archive->config() = menus::sessionConfig();

    // Enter runs through every edit, the flag aside, and from the footnote back to the title.
    QStringList cycle = {"txtTitolo", "txtStagione", "txtCoperto", "txtAvvertenze"};
    for (int k = 1; k <= menus::dishCount; ++k)
        cycle << QStringLiteral("txtNome") + nn(k) << QStringLiteral("txtDescrizione") + nn(k)
              << QStringLiteral("txtPrezzo") + nn(k);
    cycle << QStringLiteral("txtAllergeni") << QStringLiteral("txtNote")
          << QStringLiteral("txtTitolo");
    m_archive->addEnterChain(cycle);

    m_archive->setHighlight(ArchiveWindow::Highlight::Restyle);
    m_archive->setUnfocusedBackground(QColor(0xF0, 0xF8, 0xFF)); // alice blue
    m_archive->setUnfocusedBackground(QStringLiteral("txtAllergeni"), Qt::white);
    m_archive->setUnfocusedBackground(QStringLiteral("txtNote"), Qt::white);

    const std::pair<const char *, const char *> hints[] = {
        {"cmdNuovo", "Predispone la schermata per l'inserimento di una nuova scheda."},
        {"cmdAnteprima", "Visualizza l'anteprima di stampa del menu corrente."},
        {"cmdStampa", "Stampa il menu corrente."},
        {"cmdSegnalati", "Visualizza il riepilogo dei menu segnalati."},
        {"chkSegnalato", "Spunta questa casella per segnalare il menu."},
    };
    for (const auto &[name, hint] : hints)
        m_archive->setHint(QLatin1String(name), QString::fromUtf8(hint));
    for (int k = 1; k <= menus::dishCount; ++k)
        m_archive->setHint(QStringLiteral("impPietanza") + nn(k),
                           QStringLiteral("Importa i dati dall'archivio delle ricette."));
    m_archive->setHintClearers(QList<QWidget *>{this, m_panel} + m_sections);
    m_archive->setHelpTopic(QStringLiteral("App Stampa menu"));
    m_archive->connectCommands();

    const std::pair<const char *, void (TfrmMenu::*)()> buttons[] = {
        {"cmdTrova", &TfrmMenu::cmdTrovaClick},
        {"cmdAnteprima", &TfrmMenu::cmdAnteprimaClick},
        {"cmdStampa", &TfrmMenu::cmdStampaClick},
        {"cmdEsporta", &TfrmMenu::cmdEsportaClick},
        {"cmdSegnalati", &TfrmMenu::cmdSegnalatiClick},
    };
    for (const auto &[name, handler] : buttons)
        connect(archiveform::require<QAbstractButton>(m_panel, QLatin1String(name)),
                &QAbstractButton::clicked, this, handler);
}

void TfrmMenu::showEvent(QShowEvent *event)
{
    GradientBackground::showEvent(event);
    if (!event->spontaneous())
        m_archive->newCard();
}

menus::MenuValues TfrmMenu::values() const
{
    menus::MenuValues values;
    const RecordLayout &layout = menus::menuLayout();
    for (int i = 0; i < layout.fieldCount(); ++i)
        if (QWidget *control = m_archive->control(layout.name(i)))
            values.insert(QLatin1String(layout.name(i)), ArchiveWindow::fieldText(control));
    return values;
}

void TfrmMenu::setDish(int slot, const MenuDish &dish)
{
    ArchiveSession &session = m_archive->session();
    session.setText(QStringLiteral("Nome") + nn(slot), dish.name.trimmed());
    session.setText(QStringLiteral("Descrizione") + nn(slot), dish.description.trimmed());
    session.setText(QStringLiteral("Prezzo") + nn(slot), dish.price.trimmed());
}

RecordTarget TfrmMenu::target(QWidget *opener)
{
    const QPointer<QWidget> from(opener);
    return [from](const Record &record, qint64 position) {
        TfrmMenu *menu = nullptr;
        for (QWidget *w = from; w && !menu; w = w->parentWidget())
            menu = qobject_cast<TfrmMenu *>(w);
        if (!menu)
            menu = qobject_cast<TfrmMenu *>(brisvola::window(QStringLiteral("TfrmMenu")));
        if (menu)
            menu->archive()->showRecord(record, position);
    };
}

void TfrmMenu::impPietanzaClick(int slot)
{
    if (const std::optional<MenuDish> dish = TfrmTrovaRicette::findDish(this, slot))
        setDish(slot, *dish);
}

void TfrmMenu::cmdTrovaClick()
{
    TfrmTrovaMenu find(this);
    find.lblMemory->setText(QStringLiteral("menu"));
    find.exec();
}

void TfrmMenu::cmdAnteprimaClick()
{
    TfrmAnteprimaMenu preview(values(), this);
    preview.exec();
}

void TfrmMenu::cmdStampaClick()
{
    TfrmStampaMenu print(values(), this);
    print.exec();
}

void TfrmMenu::cmdEsportaClick()
{
    TfrmExpMenu exportDialog(this);
    exportDialog.exec();
}

void TfrmMenu::cmdSegnalatiClick()
{
    TfrmMenuSegnalati flagged(this);
    flagged.exec();
}
