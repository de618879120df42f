#include "recipes/Ricette.h"

#include "archive/ArchiveWindow.h"
#include "archive/FieldChrome.h"
#include "archive/FormBuilder.h"
#include "recipes/ImportaPortata.h"
#include "recipes/PhotoFiles.h"
#include "recipes/RecipeRecord.h"
#include "recipes/WebCam.h"
#include "recipes/Zoom.h"
#include "shell/Messages.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

const QString TfrmRicette::nameRequiredMessage = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare il nome della ricetta.");
const QString TfrmRicette::courseRequiredMessage =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la portata.");
const QString TfrmRicette::descriptionRequiredMessage =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la descrizione da "
                   "inserire nel menu.");

namespace {

const QSize photoSize(366, 274);

QFont editFont()
{
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(12);
    f.setBold(true);
    return f;
}

} // namespace

TfrmRicette::TfrmRicette(QWidget *parent) : GradientBackground(parent)
{
    setObjectName(QStringLiteral("TfrmRicette"));
    setWindowTitle(QStringLiteral(" Brisvola - Archivio ricette"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/brisvola.svg")));
    setMinimumSize(995, 722); // the panel and the information bar

    m_panel = archiveform::centredPanel(this, QStringLiteral("panRicette"), true);

    buildCommands(m_panel);
    m_archive =
        new ArchiveWindow(this, recipes::recipeLayout(), [] { return recipes::archivePath(); });
    buildFields(m_panel);
    configureArchive();
    setWindowState(Qt::WindowMaximized);
}

void TfrmRicette::buildCommands(QWidget *panel)
{
    // The top row, left to right, in groups.
    const std::vector<archiveform::CommandGroup> groups = {
        {{"cmdNuovo", "Nuovo", ":/archive/nuovo.svg", 56},
         {"cmdDuplica", "Duplica", ":/archive/duplica.svg", 56},
         {"cmdSalva", "Salva", ":/archive/salva.svg", 56},
         {"cmdTrova", "Trova", ":/archive/trova.svg", 56}},
        {{"cmdFile", "Allega file", ":/archive/allega.svg", 74},
         {"cmdStampa", "Stampa", ":/archive/stampa.svg", 62},
         {"cmdWord", "RTF", ":/recipes/word.svg", 56}},
        {{"cmdPrimo", "Primo", ":/archive/primo.svg", 52},
         {"cmdIndietro", "Indietro", ":/archive/indietro.svg", 56},
         {"lblPosizione", "", "", 58},
         {"cmdAvanti", "Avanti", ":/archive/avanti.svg", 52},
         {"cmdUltimo", "Ultimo", ":/archive/ultimo.svg", 52}},
        {{"cmdEsporta", "Excel", ":/archive/esporta.svg", 56},
         {"cmdSegnalate", "Segnalate", ":/archive/segnalate.svg", 64}},
        {{"cmdGuida", "Guida", ":/archive/guida.svg", 52},
         {"cmdEsci", "Esci", ":/archive/esci.svg", 52}},
    };
    QWidget *bar = archiveform::commandRow(panel, groups);
    bar->setGeometry(0, 0, panel->width(), 64);
}

void TfrmRicette::buildFields(QWidget *panel)
{
    FormBuilder form(panel, m_archive);
    form.setFont(editFont());

    // Left column: the photo and the menu fields.
    m_photoFrame = new QFrame(panel);
    m_photoFrame->setObjectName(QStringLiteral("shpFoto"));
    m_photoFrame->setGeometry(0, 80, 378, 286);
    m_photoFrame->setStyleSheet(
        QStringLiteral("#shpFoto { background: white; border: 1px solid #87CEEB; }"));
    imgFoto = new QLabel(m_photoFrame);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setGeometry(6, 6, photoSize.width(), photoSize.height());
    imgFoto->setAlignment(Qt::AlignCenter);
    auto *zoom = archiveform::iconButton(panel, QStringLiteral("btnZoomFoto"),
                                         QStringLiteral(":/recipes/zoom.svg"), 30);
    zoom->move(384, 80);
    auto *canc = archiveform::iconButton(panel, QStringLiteral("btnCancFoto"),
                                         QStringLiteral(":/archive/cancella.svg"), 30);
    canc->move(384, 116);
    auto photoButton = [panel](const char *name, const QString &text, const char *icon, int x) {
        auto *b = new QPushButton(QIcon(QLatin1String(icon)), text, panel);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(x, 374, 122, 32);
        b->setFocusPolicy(Qt::NoFocus);
        b->setCursor(Qt::PointingHandCursor);
        b->setStyleSheet(QStringLiteral(
            "QPushButton { background: white; border: 1px solid #9db8d6; border-radius: 5px; "
            "font-family: Verdana; font-size: 11px; color: #10243f; }"
            "QPushButton:hover { background: #e6f0fb; }"));
        return b;
    };
    connect(photoButton("btnCaricaFoto", QStringLiteral("Carica foto"), ":/recipes/foto.svg", 0),
            &QPushButton::clicked, this, [this] { btnCaricaFotoClick(); });
    connect(photoButton("btnAcquisisciFoto", QStringLiteral("Acquisisci foto"),
                        ":/recipes/webcam.svg", 128),
            &QPushButton::clicked, this, [this] { btnAcquisisciFotoClick(); });
    connect(photoButton("btnSalvaFoto", QStringLiteral("Salva foto"), ":/archive/salva.svg", 256),
            &QPushButton::clicked, this, [this] { btnSalvaFotoClick(); });
    connect(zoom, &QToolButton::clicked, this, [this] { btnZoomFotoClick(); });
    connect(canc, &QToolButton::clicked, this, [this] { btnCancFotoClick(); });

    form.caption(QStringLiteral("Descrizione per menu:"), 0, 420);
    form.edit(QStringLiteral("Descrizione"), {0, 440, 414, 32});
    form.caption(QStringLiteral("Prezzo porzione:"), 0, 482);
    txtPrezzo = form.edit(QStringLiteral("Prezzo"), {0, 502, 134, 32});
    txtPrezzo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    brisvola::numberField(txtPrezzo, true);
    form.caption(QStringLiteral("Fonte ricetta:"), 146, 482);
    form.edit(QStringLiteral("Fonte"), {146, 502, 268, 32});
    form.caption(QStringLiteral("Servizio in tavola:"), 0, 544);
    form.edit(QStringLiteral("Servizio"), {0, 564, 414, 32});
    form.caption(QStringLiteral("Note:"), 0, 606);
    form.edit(QStringLiteral("Note"), {0, 626, 414, 32});

    // Right column: the recipe itself.
    const int rx = 430;
    form.caption(QStringLiteral("Nome pietanza:"), rx, 80);
    form.edit(QStringLiteral("Nome"), {rx, 100, 392, 32});
    m_flagBox = new QWidget(panel);
    m_flagBox->setObjectName(QStringLiteral("shpSegnalata"));
    m_flagBox->setAttribute(Qt::WA_StyledBackground);
    m_flagBox->setStyleSheet(QStringLiteral(
        "#shpSegnalata { background: white; border: 1px solid #87CEEB; border-radius: 4px; }"));
    m_flagBox->setGeometry(834, 94, 161, 44);
    auto *flagRow = new QHBoxLayout(m_flagBox);
    flagRow->setContentsMargins(8, 2, 6, 2);
    auto *ico = new QLabel(m_flagBox);
    ico->setObjectName(QStringLiteral("icoSegnalata"));
    ico->setPixmap(QIcon(QStringLiteral(":/recipes/segnalata.svg")).pixmap(26, 26));
    form.setParent(m_flagBox);
    chkSegnalata = form.check(QStringLiteral("Segnalata"), QStringLiteral("Segnalata"));
    form.setParent(panel);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(14);
    chkSegnalata->setFont(arial);
    chkSegnalata->setStyleSheet(
        QStringLiteral("QCheckBox::indicator { width: 18px; height: 18px; }"));
    flagRow->addWidget(ico);
    flagRow->addWidget(chkSegnalata, 1);

    form.caption(QStringLiteral("Portata:"), rx, 142);
    txtPortata = form.edit(QStringLiteral("Portata"), {rx, 162, 150, 32});
    txtPortata->setReadOnly(true);
    auto *picker = archiveform::iconButton(panel, QStringLiteral("impPortata"),
                                           QStringLiteral(":/recipes/portata.svg"), 30);
    picker->move(rx + 154, 163);
    connect(picker, &QToolButton::clicked, this, [this] { impPortataClick(); });
    form.caption(QStringLiteral("Nazionalità:"), rx + 196, 142);
    form.edit(QStringLiteral("Nazionalita"), {rx + 196, 162, 176, 32});
    form.caption(QStringLiteral("Difficoltà:"), rx + 384, 142);
    form.edit(QStringLiteral("Difficolta"), {rx + 384, 162, 181, 32});

    form.caption(QStringLiteral("Vino o bevanda abbinata:"), rx, 204);
    form.edit(QStringLiteral("Vino"), {rx, 224, 250, 32});
    form.caption(QStringLiteral("Tempo occorrente:"), rx + 262, 204);
    form.edit(QStringLiteral("Tempo"), {rx + 262, 224, 145, 32});
    form.caption(QStringLiteral("Calorie:"), rx + 419, 204);
    form.edit(QStringLiteral("Calorie"), {rx + 419, 224, 146, 32});

    form.caption(QStringLiteral("Ingredienti:"), rx, 266);
    form.memo(QStringLiteral("Ingredienti"), {rx, 286, 565, 176});
    form.caption(QStringLiteral("Preparazione:"), rx, 472);
    form.memo(QStringLiteral("Preparazione"), {rx, 492, 565, 166});

    // Hidden state: the attachment slots, the placeholder picture, the focus parking button.
    for (const QString &field : recipes::attachmentFields())
        form.hidden(field);
    imgBianco = new QLabel(panel);
    imgBianco->setObjectName(QStringLiteral("imgBianco"));
    imgBianco->setPixmap(QPixmap::fromImage(recipes::placeholderPhoto()));
    imgBianco->hide();
    // Invisible to the eye, but able to take the focus: saving parks the focus here.
    btnFocus = new QPushButton(panel);
    btnFocus->setObjectName(QStringLiteral("btnFocus"));
    btnFocus->setGeometry(0, 0, 1, 1);
    btnFocus->setFlat(true);
    btnFocus->setStyleSheet(QStringLiteral("background: transparent; border: none;"));
    btnFocus->setFocusPolicy(Qt::ClickFocus);
    btnFocus->lower();

    // Tab order of the recipe card.
    const char *tabOrder[] = {
        "txtNome",         "chkSegnalata", "txtPortata", "txtNazionalita", "txtDifficolta",
        "txtVino",         "txtTempo",     "txtCalorie", "txtIngredienti", "txtDescrizione",
        "txtPreparazione", "txtPrezzo",    "txtFonte",   "txtServizio",    "txtNote"};
    QWidget *previous = nullptr;
    for (const char *name : tabOrder) {
        QWidget *w = archiveform::require<QWidget>(panel, QLatin1String(name));
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }

    txtPortata->installEventFilter(this);
    txtPrezzo->installEventFilter(this);
}

void TfrmRicette::configureArchive()
{
    ArchiveSession::Config &config = m_archive->config();
    config.defaults = {{QStringLiteral("Prezzo"), QStringLiteral("0,00")}};
    config.trimOnWrite = false;
    config.checks = {
        ArchiveSession::required(QStringLiteral("Nome"), QStringLiteral("txtNome"),
                                 nameRequiredMessage),
        ArchiveSession::required(QStringLiteral("Portata"), QStringLiteral("txtPortata"),
                                 courseRequiredMessage),
        ArchiveSession::required(QStringLiteral("Descrizione"), QStringLiteral("txtDescrizione"),
                                 descriptionRequiredMessage),
    };
    config.firstControl = QStringLiteral("txtNome");
    config.flagFields = {QStringLiteral("Segnalata")};
    config.attachmentFields = recipes::attachmentFields();
    m_archive->addEnterChain({"txtNome", "txtPortata"});
    m_archive->addEnterChain(
        {"txtNazionalita", "txtDifficolta", "txtVino", "txtTempo", "txtCalorie", "txtIngredienti"});
    m_archive->addEnterChain({"txtDescrizione", "txtPreparazione"});
    m_archive->addEnterChain({"txtPrezzo", "txtFonte", "txtServizio", "txtNote", "txtNome"});
    m_archive->setFocusParking(QStringLiteral("btnFocus"));
    m_archive->setHighlight(ArchiveWindow::Highlight::Restyle);
    m_archive->setFailureMessage(ArchiveWindow::Command::Save, brisvola::MessageKind::Plain,
                                 brisvola::MessageButtons::Ok);

    const std::pair<const char *, const char *> hints[] = {
        {"cmdWord", "Esporta la scheda corrente in un documento in formato RTF."},
        {"cmdSegnalate", "Visualizza il riepilogo delle ricette segnalate."},
        {"impPortata", "Importa una portata."},
        {"chkSegnalata", "Spunta questa casella per segnalare la ricetta."},
        {"btnCaricaFoto", "Carica una foto esistente."},
        {"btnAcquisisciFoto", "Acquisisci la foto da WebCam."},
        {"btnSalvaFoto", "Salva la foto su disco."},
        {"btnCancFoto", "Cancella la foto."},
        {"btnZoomFoto", "Visualizza la foto nelle sue dimensioni reali."},
    };
    for (const auto &[name, hint] : hints)
        m_archive->setHint(QLatin1String(name), QString::fromUtf8(hint));
    m_archive->setHintClearers(
        {this, m_panel, m_photoFrame, m_flagBox,
         archiveform::require<QWidget>(m_panel, QStringLiteral("barComandi"))});
    m_archive->setAttachments(QStringLiteral("ricette"));
    m_archive->setHelpTopic(QStringLiteral("App Archivio ricette"));
    m_archive->connectCommands();

    m_archive->hooks.clear = [this] { setPhoto(recipes::placeholderPhoto()); };
    m_archive->hooks.duplicate = [this] { setPhoto(recipes::placeholderPhoto()); };
    m_archive->hooks.beforeSave = [this] { txtPrezzoExit(); };
    m_archive->hooks.shown = [this](qint64 p) { loadPhoto(p); };
    m_archive->hooks.stored = [this](qint64 p) { storePhoto(p); };

    connectDialogs();
    setPhoto(recipes::placeholderPhoto());
}

void TfrmRicette::showEvent(QShowEvent *event)
{
    GradientBackground::showEvent(event);
    if (!event->spontaneous())
        m_archive->newCard();
}

bool TfrmRicette::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtPortata && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            txtPortata->clear();
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            impPortataClick();
            return true;
        default:
            if (!key->text().isEmpty() && key->text().at(0).isPrint()) {
                impPortataClick();
                return true;
            }
            return false;
        }
    }
    if (watched == txtPrezzo && event->type() == QEvent::FocusOut)
        txtPrezzoExit();
    return GradientBackground::eventFilter(watched, event);
}

void TfrmRicette::txtPrezzoExit()
{
    const QString normalised = recipes::normalisePrice(txtPrezzo->text());
    if (normalised != txtPrezzo->text())
        txtPrezzo->setText(normalised);
}

void TfrmRicette::setPhoto(const QImage &photo)
{
    m_photo = photo.isNull() ? recipes::placeholderPhoto() : photo;
    showPhoto();
}

bool TfrmRicette::photoIsPlaceholder() const
{
    return m_photo == recipes::placeholderPhoto();
}

void TfrmRicette::showPhoto()
{
    imgFoto->setPixmap(recipes::fitted(m_photo, photoSize));
}

void TfrmRicette::loadPhoto(qint64 position)
{
    setPhoto(recipes::readPicture(recipes::photoPath(position)));
}

void TfrmRicette::storePhoto(qint64 position)
{
    if (!recipes::writeJpeg(m_photo, recipes::photoPath(position)))
        setPhoto(recipes::placeholderPhoto());
}

void TfrmRicette::btnCaricaFotoClick()
{
    const QString path = recipes::askPictureOpenName(this);
    if (path.isEmpty())
        return;
    setPhoto(recipes::readPicture(path));
}

void TfrmRicette::btnAcquisisciFotoClick()
{
    TfrmWebCam camera(this);
    if (camera.exec() == QDialog::Accepted)
        setPhoto(camera.photo());
}

void TfrmRicette::btnSalvaFotoClick()
{
    const QString path = recipes::askJpegSaveName(this);
    if (path.isEmpty())
        return;
    if (!recipes::writeJpeg(m_photo, path))
        setPhoto(recipes::placeholderPhoto());
}

void TfrmRicette::btnCancFotoClick()
{
    setPhoto(recipes::placeholderPhoto());
}

void TfrmRicette::btnZoomFotoClick()
{
    TfrmZoom zoom(m_photo, this);
    zoom.exec();
}

void TfrmRicette::impPortataClick()
{
    TfrmImportaPortata picker(this);
    picker.lblMemory->setText(QStringLiteral("ricette"));
    picker.exec();
    if (const std::optional<QString> course = picker.course())
        if (auto *portata = qobject_cast<QLineEdit *>(m_archive->control("Portata")))
            portata->setText(*course);
}
