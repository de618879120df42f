#include "quotes/Numerazione.h"

#include "archive/DialogParts.h"
#include "archive/FieldChrome.h"
#include "quotes/QuoteSettings.h"
#include "shell/Messages.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmNumerazione::TfrmNumerazione(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmNumerazione"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(QIcon(QStringLiteral(":/quotes/numerazione.svg")).pixmap(420, 110));

    grpNumerazione = new QGroupBox(QStringLiteral(" Inizia numerazione da: "), this);
    grpNumerazione->setObjectName(QStringLiteral("grpNumerazione"));
    txtInizio = new QLineEdit(grpNumerazione);
    txtInizio->setObjectName(QStringLiteral("txtInizio"));
    txtInizio->setMaxLength(5);
    txtInizio->setFixedWidth(110);
    QFont big = txtInizio->font();
    big.setBold(true);
    big.setPointSize(12);
    txtInizio->setFont(big);
    brisvola::acceptDigitsOnly(txtInizio);
    auto *group = new QHBoxLayout(grpNumerazione);
    group->setContentsMargins(16, 14, 16, 12);
    group->addWidget(txtInizio);
    group->addStretch();
    brisvola::addFocusHighlight(txtInizio, QStringLiteral("effInizio"));

    btnApplica =
        dialogparts::button(QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"), this);
    btnAnnulla = dialogparts::button(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    btnApplica->setAutoDefault(true);
    btnApplica->setDefault(false);
    btnAnnulla->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnApplica);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(12);
    layout->addWidget(imgLogo);
    layout->addWidget(grpNumerazione);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    brisvola::setEnterTarget(txtInizio, btnApplica);
    connect(txtInizio, &QLineEdit::editingFinished, this, &TfrmNumerazione::txtInizioExit);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmNumerazione::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmNumerazione::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (lblMemory->text() == QLatin1String("preventivi"))
        txtInizio->setText(quotes::readNumbering(quotes::settingsPath()).start);
    if (txtInizio->text().isEmpty())
        txtInizio->setText(QStringLiteral("1"));
    txtInizio->setFocus();
}

void TfrmNumerazione::txtInizioExit()
{
    txtInizio->setText(quotes::normalisedStart(txtInizio->text()));
}

void TfrmNumerazione::btnApplicaClick()
{
    // The field may still have the focus: its exit rule runs first.
    txtInizioExit();
    if (lblMemory->text() == QLatin1String("preventivi") &&
        !quotes::writeStart(quotes::settingsPath(), txtInizio->text())) {
        brisvola::showMessage(this, brisvola::MessageKind::Warning, quotes::settingsWriteMessage);
        return;
    }
    accept();
}
