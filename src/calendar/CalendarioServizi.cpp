#include "calendar/CalendarioServizi.h"

#include "archive/ArchiveForm.h"
#include "archive/DialogParts.h"
#include "archive/FieldChrome.h"
#include "reservations/ReservationRecord.h"
#include "shell/Clock.h"
#include "shell/Help.h"
#include "shell/Messages.h"
#include "shell/Picture.h"
#include "shell/WindowSet.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using calendar::Period;

namespace {
constexpr int panelWidth = 995;
constexpr int panelHeight = 692;
const QString launcherKeyword = QStringLiteral("avvio");

// The summary window each keyword shows.
QString summaryWindow(const QString &keyword)
{
    const std::optional<Period> period = calendar::periodOf(keyword);
    if (!period)
        return {};
    switch (*period) {
    case Period::Today:
        return QStringLiteral("TfrmRiepAnnuale");
    case Period::Day:
        return QStringLiteral("TfrmRiepGiornaliero");
    case Period::Month:
        return QStringLiteral("TfrmRiepMensile");
    case Period::Interval:
        break;
    }
    return QStringLiteral("TfrmRiepIntervallo");
}
} // namespace

TfrmCalendarioServizi::TfrmCalendarioServizi(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfrmCalendarioServizi"));
    setWindowTitle(QStringLiteral(" Brisvola - Calendario Servizi"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/brisvola.svg")));
    setWindowState(Qt::WindowMaximized);
    setMinimumSize(640, 480);

    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->resize(panelWidth, panelHeight);
    auto *layout = new QVBoxLayout(panContainer);

    auto *title = new QLabel(QStringLiteral("CALENDARIO SERVIZI"), panContainer);
    title->setObjectName(QStringLiteral("imgTitolo"));
    title->setStyleSheet(QStringLiteral("color: white; font: bold 20pt 'Verdana';"));
    layout->addWidget(title);
    auto *lblIstruzioni = new QLabel(
        QStringLiteral("Seleziona il riepilogo dei servizi ai tavoli da visualizzare in base alle "
                       "prenotazioni registrate."),
        panContainer);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setStyleSheet(QStringLiteral("color: white; font-size: 12pt;"));
    layout->addWidget(lblIstruzioni);

    auto *middle = new QHBoxLayout;
    auto *waiter = new QLabel(panContainer);
    waiter->setObjectName(QStringLiteral("imgCameriere"));
    waiter->setPixmap(QIcon(QStringLiteral(":/shell/app_calendario.svg")).pixmap(180, 180));
    middle->addWidget(waiter, 0, Qt::AlignTop);
    auto *rows = new QVBoxLayout;
    middle->addLayout(rows, 1);
    layout->addLayout(middle, 1);

    const QStringList days = reservations::twoDigitValues(1, 31);
    const QStringList monthNumbers = reservations::twoDigitValues(1, 12);

    // One row: its title, its fields in Enter order (captions before them), its button.
    const auto row = [&](const QString &rowTitle, const QString &buttonName, Period period,
                         const QList<std::pair<QString, QWidget *>> &fields) {
        auto *box = new QGroupBox(rowTitle, panContainer);
        box->setStyleSheet(QStringLiteral("QGroupBox { background: white; border-radius: 6px; "
                                          "font: bold 11pt 'Verdana'; padding-top: 18px; }"));
        auto *h = new QHBoxLayout(box);
        QList<QWidget *> chain;
        for (const auto &[text, w] : fields) {
            if (!text.isEmpty())
                h->addWidget(archiveform::caption(box, text));
            w->setParent(box);
            h->addWidget(w);
            if (w->objectName().startsWith(QLatin1String("txt")))
                chain << w;
        }
        h->addStretch(1);
        auto *button = dialogparts::button(buttonName, QStringLiteral("Visualizza"), box);
        h->addWidget(button);
        for (qsizetype i = 0; i < chain.size(); ++i)
            brisvola::setEnterTarget(chain[i], i + 1 < chain.size() ? chain[i + 1] : button);
        connect(button, &QPushButton::clicked, this, [this, period] { visualizza(period); });
        rows->addWidget(box);
    };

    QWidget *p = panContainer;
    row(QStringLiteral("SERVIZI DI OGGI"), QStringLiteral("btnOggi"), Period::Today,
        {{QStringLiteral("Giorno:"), list(p, QStringLiteral("txtGiornoOG"), days, 64)},
         {QStringLiteral("Mese:"),
          list(p, QStringLiteral("txtMeseOG"), reservations::monthNames(), 140)},
         {QStringLiteral("Anno:"), year(p, QStringLiteral("txtAnnoOG"))}});
    row(QStringLiteral("SERVIZI DEL GIORNO"), QStringLiteral("btnGiorno"), Period::Day,
        {{QStringLiteral("Giorno:"), list(p, QStringLiteral("txtGiornoGI"), days, 64)},
         {QStringLiteral("Mese:"),
          list(p, QStringLiteral("txtMeseGI"), reservations::monthNames(), 140)},
         {QStringLiteral("Anno:"), year(p, QStringLiteral("txtAnnoGI"))}});
    row(QStringLiteral("SERVIZI DEL MESE"), QStringLiteral("btnMese"), Period::Month,
        {{QStringLiteral("Mese:"),
          list(p, QStringLiteral("txtMeseME"), reservations::monthNames(), 140)},
         {QStringLiteral("Anno:"), year(p, QStringLiteral("txtAnnoME"))}});
    auto *dash = new QLabel(QStringLiteral("-"), p);
    dash->setObjectName(QStringLiteral("lblTrattino"));
    row(QStringLiteral("SERVIZI PER INTERVALLO"), QStringLiteral("btnIntervallo"), Period::Interval,
        {{QStringLiteral("Giorno:"), list(p, QStringLiteral("txtGiornoIN01"), days, 64)},
         {QStringLiteral("Mese:"), list(p, QStringLiteral("txtMeseIN01"), monthNumbers, 64)},
         {QString(), dash},
         {QStringLiteral("Giorno:"), list(p, QStringLiteral("txtGiornoIN02"), days, 64)},
         {QStringLiteral("Mese:"), list(p, QStringLiteral("txtMeseIN02"), monthNumbers, 64)},
         {QStringLiteral("Anno:"), year(p, QStringLiteral("txtAnnoIN"))}});

    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    QToolButton *imgGuida = brisvola::pictureButton(p, QStringLiteral("imgGuida"),
                                                    QStringLiteral(":/archive/guida.svg"), 34);
    imgGuida->setToolTip(QStringLiteral("Guida"));
    QToolButton *imgEsci = brisvola::pictureButton(p, QStringLiteral("imgEsci"),
                                                   QStringLiteral(":/archive/esci.svg"), 34);
    imgEsci->setToolTip(QStringLiteral("Esci"));
    bottom->addWidget(imgGuida);
    bottom->addWidget(imgEsci);
    layout->addLayout(bottom);

    lblMemory = new QLabel(launcherKeyword, p);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
    lblFile = new QLabel(p);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();

    connect(imgGuida, &QToolButton::clicked, this, &TfrmCalendarioServizi::imgGuidaClick);
    connect(imgEsci, &QToolButton::clicked, this, &QWidget::close);
}

QComboBox *TfrmCalendarioServizi::list(QWidget *parent, const QString &name,
                                       const QStringList &values, int width)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(values);
    c->setCurrentIndex(-1);
    c->setFixedWidth(width);
    c->setMaxVisibleItems(16);
    brisvola::listOnlyField(c, true);
    m_lists << c;
    return c;
}

QLineEdit *TfrmCalendarioServizi::year(QWidget *parent, const QString &name)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(4);
    e->setFixedWidth(70);
    brisvola::discardNonDigitKeys(e);
    m_years << e;
    return e;
}

calendar::CalendarTexts TfrmCalendarioServizi::fieldTexts() const
{
    calendar::CalendarTexts texts;
    for (const QComboBox *c : m_lists)
        texts.insert(c->objectName(), c->currentText());
    for (const QLineEdit *e : m_years)
        texts.insert(e->objectName(), e->text());
    return texts;
}

QString TfrmCalendarioServizi::archivePath() const
{
    return lblFile->text();
}

void TfrmCalendarioServizi::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    brisvola::fitToScreenIfMaximised(this);
    lblMemory->setText(launcherKeyword);
    const QDate today = brisvola::today();
    for (QComboBox *c : std::as_const(m_lists))
        c->setEditText(QString());
    archiveform::require<QComboBox>(this, QStringLiteral("txtGiornoOG"))
        ->setEditText(today.toString(QStringLiteral("dd")));
    archiveform::require<QComboBox>(this, QStringLiteral("txtMeseOG"))
        ->setEditText(reservations::monthNames().at(today.month() - 1));
    for (QLineEdit *e : std::as_const(m_years))
        e->setText(today.toString(QStringLiteral("yyyy")));
}

void TfrmCalendarioServizi::visualizza(Period period)
{
    const calendar::CalendarTexts texts = fieldTexts();
    if (const auto failed = calendar::checkRow(period, texts)) {
        if (failed->plain)
            brisvola::plainMessage(this, failed->message);
        else
            brisvola::showMessage(this, brisvola::MessageKind::Warning, failed->message);
        if (!failed->focus.isEmpty())
            archiveform::require<QWidget>(this, failed->focus)->setFocus(Qt::OtherFocusReason);
        return;
    }
    const calendar::Selection selection = calendar::selectionFrom(period, texts);
    lblFile->setText(reservations::reservationArchivePath(selection.year));
    lblMemory->setText(calendar::keyword(period));
    close();
}

void TfrmCalendarioServizi::closeEvent(QCloseEvent *event)
{
    const QString shown = summaryWindow(lblMemory->text());
    QWidget *next = brisvola::window(shown.isEmpty() ? QStringLiteral("TfrmAvvio") : shown);
    event->accept();
    if (next)
        brisvola::showInstead(next, this);
}

void TfrmCalendarioServizi::imgGuidaClick()
{
    brisvola::showHelp(this, QStringLiteral("App Calendario Servizi"));
}

void TfrmCalendarioServizi::paintEvent(QPaintEvent *)
{
    brisvola::paintGradient(this, QColor(brisvola::launcherBlue));
}

void TfrmCalendarioServizi::resizeEvent(QResizeEvent *event)
{
    panContainer->move(qMax(0, (width() - panelWidth) / 2), qMax(0, (height() - panelHeight) / 2));
    QWidget::resizeEvent(event);
}
