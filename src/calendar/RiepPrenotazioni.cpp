#include "calendar/RiepPrenotazioni.h"

#include "archive/ArchiveError.h"
#include "archive/ArchiveForm.h"
#include "archive/DialogParts.h"
#include "archive/ListPrint.h"
#include "archive/ProgressDialog.h"
#include "archive/RecordListPanel.h"
#include "calendar/CalendarioServizi.h"
#include "shell/Guida.h"
#include "shell/HelpTopics.h"
#include "shell/Messages.h"
#include "shell/Picture.h"
#include "shell/WindowSet.h"

#include <QCloseEvent>
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
const QString helpTitle = QStringLiteral("App Calendario Servizi");
} // namespace

ReservationSummaryWindow::ReservationSummaryWindow(Period period, const QString &className,
                                                   const QString &caption, QWidget *parent)
    : QWidget(parent), m_period(period)
{
    setObjectName(className);
    setWindowTitle(caption);
    setWindowIcon(QIcon(QStringLiteral(":/icons/brisvola.svg")));
    setWindowState(Qt::WindowMaximized);
    setMinimumSize(640, 480);

    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->resize(panelWidth, panelHeight);
    auto *layout = new QVBoxLayout(panContainer);

    auto *strip = new QHBoxLayout;
    auto *imgLogo01 = new QLabel(panContainer);
    imgLogo01->setObjectName(QStringLiteral("imgLogo01"));
    imgLogo01->setPixmap(QIcon(QStringLiteral(":/shell/app_calendario.svg")).pixmap(48, 48));
    auto *lblTipologia = new QLabel(QStringLiteral("Tipologia riepilogo:"), panContainer);
    lblTipologia->setObjectName(QStringLiteral("lblTipologia"));
    lblTipologia->setStyleSheet(QStringLiteral("color: white; font: bold 12pt 'Verdana';"));
    titTipologia = new QLabel(panContainer);
    titTipologia->setObjectName(QStringLiteral("titTipologia"));
    titTipologia->setStyleSheet(QStringLiteral("color: white; font: bold 12pt 'Verdana';"));
    QToolButton *imgGuida = brisvola::pictureButton(panContainer, QStringLiteral("imgGuida"),
                                                    QStringLiteral(":/archive/guida.svg"), 34);
    imgGuida->setToolTip(QStringLiteral("Guida"));
    strip->addWidget(imgLogo01);
    strip->addWidget(lblTipologia);
    strip->addWidget(titTipologia, 1);
    strip->addWidget(imgGuida);
    layout->addLayout(strip);

    for (const auto &[name, text] :
         {std::pair{"lblRigo01", "Immettere una o più parole consecutive presenti nella scheda in "
                                 "elenco da cercare e premere il pulsante Trova."},
          {"lblRigo02", "Per spostarsi sulla voce successiva contenente la stessa chiave di "
                        "ricerca, fare di nuovo clic su Trova."}}) {
        auto *line = new QLabel(QString::fromUtf8(text), panContainer);
        line->setObjectName(QString::fromLatin1(name));
        line->setFont(QFont(QStringLiteral("Verdana"), 9));
        layout->addWidget(line);
    }

    m_list = new RecordListPanel(QString(), panContainer, RecordListPanel::Use::Summary);
    layout->addWidget(m_list, 1);

    auto *totalBar = new QHBoxLayout;
    auto *infTotale = new QLabel(QStringLiteral("TOTALE:"), panContainer);
    infTotale->setObjectName(QStringLiteral("infTotale"));
    infTotale->setStyleSheet(QStringLiteral("color: white; font: bold 12pt 'Verdana';"));
    lblTotale = new QLabel(panContainer);
    lblTotale->setObjectName(QStringLiteral("lblTotale"));
    lblTotale->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotale->setStyleSheet(QStringLiteral("color: white; font: bold 12pt 'Verdana';"));
    totalBar->addWidget(infTotale);
    totalBar->addWidget(lblTotale, 1);
    layout->addLayout(totalBar);

    auto *bottom = new QHBoxLayout;
    panInfo = archiveform::infoBar(panContainer);
    auto *btnStampa = dialogparts::button(QStringLiteral("btnStampa"),
                                          QStringLiteral("Stampa riepilogo"), panContainer);
    auto *btnEsci =
        dialogparts::button(QStringLiteral("btnEsci"), QStringLiteral("Esci"), panContainer);
    bottom->addWidget(panInfo, 1);
    bottom->addWidget(btnStampa);
    bottom->addWidget(btnEsci);
    layout->addLayout(bottom);

    connect(btnStampa, &QPushButton::clicked, this, &ReservationSummaryWindow::btnStampaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(imgGuida, &QToolButton::clicked, this, &ReservationSummaryWindow::imgGuidaClick);
}

QString ReservationSummaryWindow::helpText(Period period)
{
    const QString text = brisvola::helpTopic(helpTitle).text();
    if (period != Period::Month)
        return text;
    QString monthly = text;
    return monthly.replace(QStringLiteral("prenotato la colazione, il pranzo"),
                           QStringLiteral("prenotato il pranzo"));
}

void ReservationSummaryWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    brisvola::fitToScreenIfMaximised(this);
    build();
}

void ReservationSummaryWindow::build()
{
    m_list->resetQuickFind();
    m_list->clearEntries();
    lblTotale->setText(QStringLiteral("0,00"));
    titTipologia->setText(calendar::initialTitle(m_period));
    panInfo->clear();

    auto *cal = brisvola::window<TfrmCalendarioServizi>(QStringLiteral("TfrmCalendarioServizi"));
    if (!cal)
        return;
    calendar::Summary summary;
    try {
        ProgressDialog progress(this, ProgressDialog::reading);
        summary = calendar::buildSummary(
            cal->archivePath(), calendar::selectionFrom(m_period, cal->fieldTexts()), &progress);
    } catch (const ArchiveError &) {
        brisvola::plainMessage(this, brisvola::archiveAccessMessage);
        m_list->findEdit()->setFocus();
        return;
    }
    titTipologia->setText(summary.title);
    m_list->setLines(std::move(summary.lines));
    lblTotale->setText(calendar::totalText(summary.total));
    panInfo->setText(calendar::countText(m_list->list()->count()));
    m_list->findEdit()->setFocus();
    if (!summary.unreadable.isEmpty())
        brisvola::showMessage(this, brisvola::MessageKind::Warning,
                              calendar::unreadableWarning(summary.unreadable),
                              brisvola::MessageButtons::Ok);
}

void ReservationSummaryWindow::btnStampaClick()
{
    QStringList lines = m_list->lines();
    lines << QStringLiteral("--------------------------")
          << QStringLiteral("TOTALE:       ") + lblTotale->text();
    listprint::print(this, QStringLiteral("Tipologia riepilogo: ") + titTipologia->text(), lines);
}

void ReservationSummaryWindow::imgGuidaClick()
{
    TfrmGuida guida(this);
    guida.setTopic(helpTitle, helpText(m_period));
    guida.exec();
}

void ReservationSummaryWindow::closeEvent(QCloseEvent *event)
{
    m_list->clearEntries();
    QWidget::closeEvent(event);
}

void ReservationSummaryWindow::paintEvent(QPaintEvent *)
{
    brisvola::paintGradient(this, QColor(brisvola::launcherBlue));
}

void ReservationSummaryWindow::resizeEvent(QResizeEvent *event)
{
    panContainer->move(qMax(0, (width() - panelWidth) / 2), qMax(0, (height() - panelHeight) / 2));
    QWidget::resizeEvent(event);
}

TfrmRiepAnnuale::TfrmRiepAnnuale(QWidget *parent)
    : ReservationSummaryWindow(Period::Today, QStringLiteral("TfrmRiepAnnuale"),
                               QStringLiteral(" Brisvola - Calendario prenotazioni del giorno"),
                               parent)
{
}

TfrmRiepGiornaliero::TfrmRiepGiornaliero(QWidget *parent)
    : ReservationSummaryWindow(Period::Day, QStringLiteral("TfrmRiepGiornaliero"),
                               QStringLiteral(" Brisvola - Calendario prenotazioni del giorno"),
                               parent)
{
}

TfrmRiepMensile::TfrmRiepMensile(QWidget *parent)
    : ReservationSummaryWindow(Period::Month, QStringLiteral("TfrmRiepMensile"),
                               QStringLiteral(" Brisvola - Calendario prenotazioni del mese"),
                               parent)
{
}

TfrmRiepIntervallo::TfrmRiepIntervallo(QWidget *parent)
    : ReservationSummaryWindow(
          Period::Interval, QStringLiteral("TfrmRiepIntervallo"),
          QStringLiteral(" Brisvola - Calendario prenotazioni per intervallo di tempo"), parent)
{
}
