#include "recipes/ImportaPortata.h"

#include "recipes/RecipeRecord.h"
#include "shell/Messages.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using brisvola::MessageKind;

const QString TfrmImportaPortata::emptyListMessage =
    QStringLiteral("Attenzione: l'elenco non contiene nessuna voce.");
const QString TfrmImportaPortata::noSelectionMessage = QStringLiteral(
    "Attenzione: selezionare dall'elenco la portata da importare prima di premere il "
    "pulsante Importa dati.");

TfrmImportaPortata::TfrmImportaPortata(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmImportaPortata"));
    setWindowTitle(QStringLiteral(" Importazione portata"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(862, 560);
    setStyleSheet(QStringLiteral("QDialog { background: #eef4fa; }"));

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(24, 18, 24, 18);
    box->setSpacing(12);

    auto *instructions = new QLabel(
        QStringLiteral("<b>Importazione della portata</b><br>Fare clic sul nome della portata e "
                       "premere il pulsante <b>Importa dati</b> per inserirla nella scheda."),
        this);
    instructions->setObjectName(QStringLiteral("imgIstruzioni"));
    instructions->setWordWrap(true);
    instructions->setStyleSheet(QStringLiteral(
        "QLabel { background: white; border: 1px solid #9db8d6; border-radius: 6px; padding: 10px;"
        " font-family: Verdana; font-size: 14px; color: #10243f; }"));
    box->addWidget(instructions);

    lstRecords = new QListWidget(this);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    QFont mono(QStringLiteral("Courier New"));
    mono.setPointSize(14);
    lstRecords->setFont(mono);
    lstRecords->setStyleSheet(QStringLiteral("QListWidget { color: black; background: white; }"));
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->addWidget(lstRecords, 1);

    auto *row = new QHBoxLayout;
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnImporta = new QPushButton(QStringLiteral("Importa dati"), this);
    btnImporta->setObjectName(QStringLiteral("btnImporta"));
    for (QPushButton *b : {btnChiudi, btnImporta}) {
        b->setMinimumSize(150, 36);
        b->setAutoDefault(false);
    }
    icoMano = new QLabel(this);
    icoMano->setObjectName(QStringLiteral("icoMano"));
    icoMano->setPixmap(QIcon(QStringLiteral(":/recipes/mano.svg")).pixmap(32, 32));
    icoMano->hide();
    row->addWidget(btnChiudi);
    row->addStretch(1);
    row->addWidget(icoMano);
    row->addWidget(btnImporta);
    box->addLayout(row);

    txtNome = new QLineEdit(this);
    txtNome->setObjectName(QStringLiteral("txtNome"));
    txtNome->hide();
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    connect(lstRecords, &QListWidget::itemClicked, this, [this] { lstRecordsClick(); });
    connect(lstRecords, &QListWidget::itemSelectionChanged, this, [this] {
        if (!lstRecords->selectedItems().isEmpty())
            lstRecordsClick();
    });
    connect(btnImporta, &QPushButton::clicked, this, [this] { btnImportaClick(); });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmImportaPortata::showEvent(QShowEvent *event)
{
    lstRecords->clear();
    for (const QString &course : recipes::courseNames()) {
        auto *item = new QListWidgetItem(course, lstRecords);
        item->setSizeHint(QSize(700, 26));
    }
    lstRecords->setCurrentRow(-1);
    lstRecords->clearSelection();
    QDialog::showEvent(event);
}

void TfrmImportaPortata::done(int result)
{
    lstRecords->clear();
    QDialog::done(result);
}

void TfrmImportaPortata::lstRecordsClick()
{
    const QList<QListWidgetItem *> selected = lstRecords->selectedItems();
    if (QListWidgetItem *item = selected.isEmpty() ? nullptr : selected.constFirst()) {
        txtNome->setText(item->text().trimmed());
        icoMano->show();
    }
}

void TfrmImportaPortata::btnImportaClick()
{
    if (lstRecords->count() == 0) {
        brisvola::showMessage(this, MessageKind::Warning, emptyListMessage);
        return;
    }
    if (lstRecords->selectedItems().isEmpty()) {
        brisvola::showMessage(this, MessageKind::Warning, noSelectionMessage);
        return;
    }
    m_course = txtNome->text();
    accept();
}
