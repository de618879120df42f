#include "quotes/DatiVeicolo.h"

#include "archive/DialogParts.h"
#include "quotes/QuoteRecord.h"

#include "archive/FieldChrome.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmDatiVeicolo::TfrmDatiVeicolo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmDatiVeicolo"));
    setWindowTitle(QStringLiteral(" Altre informazioni"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    lblIstruzioni = new QLabel(QStringLiteral("Inserire i dati, fare clic su Applica e chiudi e "
                                              "poi sul pulsante Salva per salvare le modifiche."),
                               this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setStyleSheet(QStringLiteral("color: #1f4e9c; font-weight: bold;"));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgEvento"));
    picture->setPixmap(QIcon(QStringLiteral(":/quotes/evento.svg")).pixmap(110, 130));
    picture->setAlignment(Qt::AlignTop);

    // Each edit holds one event field of the quote record, as long as that field.
    auto makeEdit = [this](const char *name, const char *field) {
        const RecordLayout &layout = quotes::quoteLayout();
        auto *e = new QLineEdit(this);
        e->setObjectName(QLatin1StringView(name));
        e->setMaxLength(layout.length(layout.field(field)));
        e->setMinimumWidth(220);
        return e;
    };
    txtVeicolo = makeEdit("txtVeicolo", "TipoEvento");
    txtMarca = makeEdit("txtMarca", "DataEvento");
    txtColore = makeEdit("txtColore", "Acconto");
    txtImmatricolazione = makeEdit("txtImmatricolazione", "TotalePersone");
    txtAlimentazione = makeEdit("txtAlimentazione", "Saldo");
    txtTarga = makeEdit("txtTarga", "TotaleTavoli");

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(12);
    const QList<std::pair<QString, QLineEdit *>> cells = {
        {QStringLiteral("Tipo evento:"), txtVeicolo},
        {QStringLiteral("Data evento:"), txtMarca},
        {QStringLiteral("Acconto:"), txtColore},
        {QStringLiteral("Totale persone:"), txtImmatricolazione},
        {QStringLiteral("Saldo:"), txtAlimentazione},
        {QStringLiteral("Totale tavoli:"), txtTarga},
    };
    for (int i = 0; i < cells.size(); ++i) {
        const int row = i / 2;
        const int col = (i % 2) * 3;
        auto *label = new QLabel(cells[i].first, this);
        label->setBuddy(cells[i].second);
        grid->addWidget(label, row, col, Qt::AlignRight);
        grid->addWidget(cells[i].second, row, col + 1);
        if (col == 0)
            grid->setColumnMinimumWidth(2, 18);
        const QString field = cells[i].second->objectName().mid(3);
        brisvola::addFocusHighlight(cells[i].second, QStringLiteral("eff") + field);
    }

    btnAnnulla = dialogparts::button(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    btnApplica =
        dialogparts::button(QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"), this);
    btnAnnulla->setAutoDefault(false);
    btnApplica->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnApplica);

    auto *right = new QVBoxLayout;
    right->addLayout(grid);
    right->addStretch();
    right->addLayout(buttons);
    auto *body = new QHBoxLayout;
    body->addWidget(picture);
    body->addSpacing(8);
    body->addLayout(right);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 14);
    layout->setSpacing(12);
    layout->addWidget(lblIstruzioni);
    layout->addLayout(body);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QList<QWidget *> chain;
    for (QLineEdit *e : edits())
        chain << e;
    brisvola::setEnterChain(chain);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnApplica, &QPushButton::clicked, this, [this] {
        // Only the quote window takes the values back.
        if (lblMemory->text() == QLatin1String("preventivi"))
            accept();
        else
            reject();
    });
}

QList<QLineEdit *> TfrmDatiVeicolo::edits() const
{
    return {txtVeicolo, txtMarca, txtColore, txtImmatricolazione, txtAlimentazione, txtTarga};
}

void TfrmDatiVeicolo::setValues(const QStringList &values)
{
    const QList<QLineEdit *> e = edits();
    for (qsizetype i = 0; i < e.size(); ++i)
        e[i]->setText(values.value(i).trimmed());
}

QStringList TfrmDatiVeicolo::values() const
{
    QStringList out;
    for (QLineEdit *e : edits())
        out << e->text().trimmed();
    return out;
}

void TfrmDatiVeicolo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        txtVeicolo->setFocus();
}
