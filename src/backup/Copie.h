#pragma once

#include "backup/Backups.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// "Copie di sicurezza": the complete copies of the data, newest first; a copy now, the restore of
// the selected copy, the choice of the second folder. Opened from the launcher's footer.
class TfrmCopie : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmCopie(QWidget *parent = nullptr);

    // The title of its help topic.
    static const QString helpTitle;

private:
    void refresh();
    void btnCopiaOraClick();
    void btnRipristinaClick();
    void btnCartellaClick();

    QListWidget *lstCopie;
    QLabel *lblCartella;
    QPushButton *btnCopiaOra;
    QPushButton *btnRipristina;
    QPushButton *btnCartella;
    QPushButton *btnGuida;
    QPushButton *btnChiudi;
    QList<backup::Offered> m_copies;
};

namespace backup {

// The copy made by itself once the password is accepted, when the newest complete copy is more
// than a day old or there is none. A failure is told with a warning and the user goes on working.
void automaticCopy(QWidget *parent);

} // namespace backup
