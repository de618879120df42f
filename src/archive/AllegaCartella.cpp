#include "archive/AllegaCartella.h"

#include "shell/FileChooser.h"
#include "shell/Messages.h"
#include "shell/OpenURL.h"
#include "shell/Picture.h"
#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using brisvola::MessageKind;

const QString TfrmAllegaCartella::overwriteQuestion =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                   "stesso nome.\r\n\r\n"
                   "Si vuole sovrascrivere il file esistente?");
const QString TfrmAllegaCartella::invalidNameMessage = QStringLiteral(
    "Attenzione: il nome del file allegato non è valido.\r\n\r\nIl nome deve indicare un file "
    "della "
    "cartella dei documenti allegati, senza percorso: il file non può essere aperto.");

QString attachmentSlotName(const char *base, int slot)
{
    return QLatin1String(base) + QStringLiteral("%1").arg(slot + 1, 2, 10, QLatin1Char('0'));
}

TfrmAllegaCartella::TfrmAllegaCartella(const Attachments &attachments, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmAllegaCartella"));
    setWindowTitle(QStringLiteral(" Allega file"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(634, 534);
    setStyleSheet(QStringLiteral(
        "TfrmAllegaCartella { background: #eef4fa; }"
        "QLabel { font-family: Verdana; font-size: 12px; color: #10243f; }"
        "QLineEdit { font-family: Verdana; font-size: 13px; padding: 2px 4px; background: white;"
        " border: 1px solid #87CEEB; }"
        "QLineEdit[readOnly=\"true\"] { background: #f4f7fb; }"
        "QPushButton { font-family: Verdana; font-size: 12px; min-height: 26px; padding: 0 10px; }"
        "QWidget#boxSlot { background: white; border: 1px solid #9db8d6; border-radius: 6px; }"));

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(18, 12, 18, 14);
    box->setSpacing(10);

    auto *banner = new QWidget(this);
    auto *bannerRow = new QHBoxLayout(banner);
    bannerRow->setContentsMargins(0, 0, 0, 0);
    auto *picture = new QLabel(banner);
    picture->setObjectName(QStringLiteral("imgAllegati"));
    picture->setPixmap(QIcon(QStringLiteral(":/archive/allega.svg")).pixmap(40, 40));
    auto *title = new QLabel(QStringLiteral("<b style='font-size:16px'>Documenti allegati alla "
                                            "scheda</b><br>Ogni file viene copiato nella cartella "
                                            "Documenti_Allegati del programma."),
                             banner);
    bannerRow->addWidget(picture);
    bannerRow->addWidget(title, 1);
    box->addWidget(banner);

    const QString ordinal[3] = {QStringLiteral("1°"), QStringLiteral("2°"), QStringLiteral("3°")};
    for (int k = 0; k < 3; ++k) {
        auto *slot = new QWidget(this);
        slot->setObjectName(QStringLiteral("boxSlot"));
        slot->setAttribute(Qt::WA_StyledBackground);
        auto *grid = new QGridLayout(slot);
        grid->setContentsMargins(12, 8, 12, 10);
        grid->setVerticalSpacing(4);
        grid->addWidget(new QLabel(QStringLiteral("Nome %1 file allegato:").arg(ordinal[k]), slot),
                        0, 0, 1, 4);
        m_file[k] = new QLineEdit(slot);
        m_file[k]->setObjectName(attachmentSlotName("txtFile", k));
        m_file[k]->setReadOnly(true);
        QToolButton *cancella =
            brisvola::pictureButton(slot, attachmentSlotName("imgCancella", k),
                                    QStringLiteral(":/archive/cancella.svg"), 18);
        cancella->setToolTip(QStringLiteral("Cancella"));
        auto *sfoglia = new QPushButton(QStringLiteral("Sfoglia..."), slot);
        sfoglia->setObjectName(attachmentSlotName("btnSfoglia", k));
        m_apri[k] = new QPushButton(QStringLiteral("Apri"), slot);
        m_apri[k]->setObjectName(attachmentSlotName("btnApri", k));
        m_apri[k]->setEnabled(false);
        for (QPushButton *b : {sfoglia, m_apri[k]})
            b->setAutoDefault(false);
        grid->addWidget(m_file[k], 1, 0);
        grid->addWidget(cancella, 1, 1);
        grid->addWidget(sfoglia, 1, 2);
        grid->addWidget(m_apri[k], 1, 3);
        grid->addWidget(
            new QLabel(QStringLiteral("Descrizione %1 file allegato:").arg(ordinal[k]), slot), 2, 0,
            1, 4);
        m_desc[k] = new QLineEdit(slot);
        m_desc[k]->setObjectName(attachmentSlotName("txtDesc", k));
        m_desc[k]->setMaxLength(250); // the description fields of the records
        grid->addWidget(m_desc[k], 3, 0, 1, 4);
        box->addWidget(slot);

        connect(sfoglia, &QPushButton::clicked, this, [this, k] { btnSfogliaClick(k); });
        connect(m_apri[k], &QPushButton::clicked, this, [this, k] { btnApriClick(k); });
        connect(cancella, &QToolButton::clicked, this, [this, k] { imgCancellaClick(k); });
        connect(m_file[k], &QLineEdit::textChanged, this, [this, k] { txtFileChange(k); });
    }
    box->addStretch(1);

    auto *bottom = new QHBoxLayout;
    auto *annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    auto *applica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    applica->setObjectName(QStringLiteral("btnApplica"));
    for (QPushButton *b : {annulla, applica}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(150);
    }
    bottom->addWidget(annulla);
    bottom->addStretch(1);
    bottom->addWidget(applica);
    box->addLayout(bottom);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(applica, &QPushButton::clicked, this, [this] { btnApplicaClick(); });

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    for (int k = 0; k < 3; ++k) {
        m_file[k]->setText(attachments[k].file.trimmed());
        m_desc[k]->setText(attachments[k].description.trimmed());
    }
}

std::optional<Attachments> TfrmAllegaCartella::edit(QWidget *opener, const QString &keyword,
                                                    const Attachments &attachments)
{
    TfrmAllegaCartella dialog(attachments, opener);
    dialog.lblMemory->setText(keyword);
    dialog.exec();
    return dialog.applied();
}

QString TfrmAllegaCartella::folder()
{
    return brisvola::programFile(QStringLiteral("Documenti_Allegati"));
}

bool TfrmAllegaCartella::isBareFileName(const QString &name)
{
    const QString n = name.trimmed();
    return !n.isEmpty() && n != QLatin1String(".") && !n.contains(QLatin1String("..")) &&
           !n.contains(QLatin1Char('/')) && !n.contains(QLatin1Char('\\')) &&
           !n.contains(QLatin1Char(':'));
}

void TfrmAllegaCartella::btnSfogliaClick(int slot)
{
    QFileDialog dialog(this, QStringLiteral("Selezionare il file da allegare:"));
    dialog.setObjectName(QStringLiteral("dlgFile"));
    brisvola::prepareFileChooser(dialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("Tutti i file (*)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QFileInfo chosen(dialog.selectedFiles().constFirst());
    const QString name = chosen.fileName();
    m_file[slot]->setText(name);

    // Copy and folder failures are silent: the slot keeps the name.
    if (!QDir().mkpath(folder()))
        return;
    const QString destination = QDir(folder()).filePath(name);
    if (QFileInfo(destination).canonicalFilePath() == chosen.canonicalFilePath())
        return; // the file chosen is the attached copy itself: nothing to copy
    if (QFile::exists(destination)) {
        if (!brisvola::askYesNo(this, overwriteQuestion))
            return;
    }
    // Copied beside the destination, then put in its place: a failed copy keeps the old file.
    const QString partial = destination + QStringLiteral(".parziale");
    QFile::remove(partial);
    if (!QFile::copy(chosen.absoluteFilePath(), partial))
        return;
    QFile::remove(destination);
    if (!QFile::rename(partial, destination))
        QFile::remove(partial);
}

void TfrmAllegaCartella::btnApriClick(int slot)
{
    const QString name = m_file[slot]->text().trimmed();
    if (name.isEmpty())
        return;
    if (!isBareFileName(name)) {
        brisvola::showMessage(this, MessageKind::Warning, invalidNameMessage);
        return;
    }
    TMisc::Open(QLatin1Char('"') + QDir(folder()).filePath(name) + QLatin1Char('"'));
}

void TfrmAllegaCartella::imgCancellaClick(int slot)
{
    m_file[slot]->clear();
}

void TfrmAllegaCartella::txtFileChange(int slot)
{
    m_apri[slot]->setEnabled(!m_file[slot]->text().trimmed().isEmpty());
}

void TfrmAllegaCartella::btnApplicaClick()
{
    Attachments applied;
    for (int k = 0; k < 3; ++k)
        applied[k] = {m_file[k]->text().trimmed(), m_desc[k]->text().trimmed()};
    m_applied = applied;
    accept();
}
