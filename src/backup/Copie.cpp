#include "backup/Copie.h"

#include "archive/DialogParts.h"
#include "shell/FileChooser.h"
#include "shell/Help.h"
#include "shell/Messages.h"
#include "shell/ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using brisvola::MessageKind;

const QString TfrmCopie::helpTitle = QStringLiteral("Copie di sicurezza");

namespace {

// The wait cursor while files are copied.
class Busy
{
public:
    Busy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy() { QApplication::restoreOverrideCursor(); }
    Busy(const Busy &) = delete;
    Busy &operator=(const Busy &) = delete;
};

bool inside(const QString &folder, const QString &parent)
{
    const QString f = QDir::cleanPath(QDir(folder).absolutePath());
    const QString p = QDir::cleanPath(QDir(parent).absolutePath());
    return f == p || f.startsWith(p + QLatin1Char('/'));
}

} // namespace

TfrmCopie::TfrmCopie(QWidget *parent) : QDialog(parent)
{
    QVBoxLayout *layout = dialogparts::listDialogFrame(
        this, QStringLiteral("TfrmCopie"), QStringLiteral(" Copie di sicurezza"),
        QStringLiteral("Copie di sicurezza dei dati"));

    auto *lblIstruzioni = new QLabel(
        QStringLiteral("Selezionare una copia e premere Ripristina per tornare ai suoi dati."),
        this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    layout->addWidget(lblIstruzioni);

    lstCopie = new QListWidget(this);
    lstCopie->setObjectName(QStringLiteral("lstCopie"));
    lstCopie->setFont(QFont(QStringLiteral("Courier New"), 11));
    layout->addWidget(lstCopie, 1);

    lblCartella = new QLabel(this);
    lblCartella->setObjectName(QStringLiteral("lblCartella"));
    lblCartella->setWordWrap(true);
    layout->addWidget(lblCartella);

    auto *buttons = new QHBoxLayout;
    btnCopiaOra =
        dialogparts::button(QStringLiteral("btnCopiaOra"), QStringLiteral("Copia ora"), this);
    btnRipristina =
        dialogparts::button(QStringLiteral("btnRipristina"), QStringLiteral("Ripristina"), this);
    btnCartella = dialogparts::button(QStringLiteral("btnCartella"),
                                      QStringLiteral("Seconda cartella"), this);
    btnGuida = dialogparts::button(QStringLiteral("btnGuida"), QStringLiteral("Guida"), this);
    btnChiudi = dialogparts::button(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
    btnCopiaOra->setToolTip(QStringLiteral("Fa subito una copia di sicurezza dei dati"));
    btnRipristina->setToolTip(QStringLiteral("Riporta i dati a quelli della copia selezionata"));
    btnCartella->setToolTip(
        QStringLiteral("Sceglie un'altra cartella in cui fare le copie (un altro disco, una "
                       "cartella di rete, una chiavetta USB)"));
    for (QPushButton *b : {btnCopiaOra, btnRipristina, btnCartella, btnGuida})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(btnChiudi);
    layout->addLayout(buttons);

    connect(btnCopiaOra, &QPushButton::clicked, this, &TfrmCopie::btnCopiaOraClick);
    connect(btnRipristina, &QPushButton::clicked, this, &TfrmCopie::btnRipristinaClick);
    connect(btnCartella, &QPushButton::clicked, this, &TfrmCopie::btnCartellaClick);
    connect(btnGuida, &QPushButton::clicked, this, [this] { brisvola::showHelp(this, helpTitle); });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(lstCopie, &QListWidget::currentRowChanged, this,
            [this](int row) { btnRipristina->setEnabled(row >= 0); });
    refresh();
}

void TfrmCopie::refresh()
{
    m_copies = backup::offeredCopies();
    lstCopie->clear();
    for (const backup::Offered &o : std::as_const(m_copies))
        lstCopie->addItem(backup::texts::copyLine(o));
    if (!m_copies.isEmpty())
        lstCopie->setCurrentRow(0);
    btnRipristina->setEnabled(lstCopie->currentRow() >= 0);
    const QString second = backup::secondFolder();
    lblCartella->setText(second.isEmpty()
                             ? QStringLiteral("Seconda cartella delle copie: nessuna.")
                             : QStringLiteral("Seconda cartella delle copie: %1").arg(second));
}

void TfrmCopie::btnCopiaOraClick()
{
    backup::BackupOutcome outcome;
    {
        const Busy busy;
        outcome = backup::backupNow();
    }
    refresh();
    if (outcome.ok())
        brisvola::showMessage(this, MessageKind::Information, backup::texts::copyDone(),
                              brisvola::MessageButtons::Ok);
    else
        brisvola::showMessage(this, MessageKind::Warning, backup::texts::copyFailed(outcome),
                              brisvola::MessageButtons::Ok);
}

void TfrmCopie::btnRipristinaClick()
{
    const int row = lstCopie->currentRow();
    if (row < 0 || row >= m_copies.size())
        return;
    const backup::Copy copy = m_copies[row].copy;
    if (!brisvola::askYesNo(this, backup::texts::restoreQuestion(copy)))
        return;
    backup::RestoreResult result;
    {
        const Busy busy;
        result = backup::restore(copy);
    }
    refresh();
    const bool done = result.outcome == backup::RestoreOutcome::Restored;
    brisvola::showMessage(this, done ? MessageKind::Information : MessageKind::Warning,
                          backup::texts::restoreResult(copy, result), brisvola::MessageButtons::Ok);
    // A restore done while the second folder could not be written is still a restore; the
    // missing copy there is told as well.
    if (done && result.preCopy.second && !result.preCopy.second->ok)
        brisvola::showMessage(this, MessageKind::Warning, backup::texts::copyFailed(result.preCopy),
                              brisvola::MessageButtons::Ok);
}

void TfrmCopie::btnCartellaClick()
{
    const QString current = backup::secondFolder();
    if (!current.isEmpty() &&
        !brisvola::askYesNo(this, backup::texts::secondFolderQuestion(current))) {
        if (backup::setSecondFolder(QString()))
            brisvola::showMessage(this, MessageKind::Information,
                                  backup::texts::secondFolderCleared(),
                                  brisvola::MessageButtons::Ok);
        else
            brisvola::showMessage(this, MessageKind::Warning, backup::texts::secondFolderNotSaved(),
                                  brisvola::MessageButtons::Ok);
        refresh();
        return;
    }
    QFileDialog dialog(this, QStringLiteral("Scegliere la cartella in cui fare anche le copie di "
                                            "sicurezza."));
    dialog.setObjectName(QStringLiteral("dlgCartella"));
    brisvola::prepareFileChooser(dialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (!current.isEmpty())
        dialog.setDirectory(QDir::fromNativeSeparators(current));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString chosen = dialog.selectedFiles().constFirst();
    if (inside(chosen, brisvola::programFolder())) {
        brisvola::showMessage(this, MessageKind::Warning,
                              backup::texts::secondFolderInsideProgram(),
                              brisvola::MessageButtons::Ok);
        return;
    }
    if (!backup::setSecondFolder(chosen)) {
        brisvola::showMessage(this, MessageKind::Warning, backup::texts::secondFolderNotSaved(),
                              brisvola::MessageButtons::Ok);
        return;
    }
    refresh();
    brisvola::showMessage(this, MessageKind::Information,
                          backup::texts::secondFolderChosen(QDir::toNativeSeparators(chosen)),
                          brisvola::MessageButtons::Ok);
}

namespace backup {

void automaticCopy(QWidget *parent)
{
    if (!copyDue())
        return;
    BackupOutcome outcome;
    {
        const Busy busy;
        outcome = backupNow();
    }
    if (!outcome.ok())
        brisvola::showMessage(parent, MessageKind::Warning, texts::automaticCopyFailed(outcome),
                              brisvola::MessageButtons::Ok);
}

} // namespace backup
