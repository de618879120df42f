#pragma once

#include "archive/ArchiveForm.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The opening window of the quotes app: asks the calendar year whose archive is worked on, then
// hands over to the quote window. Closed without a year, it brings the launcher back.
class TfrmMenuPreventivi : public archiveform::GradientBackground
{
    Q_OBJECT
public:
    explicit TfrmMenuPreventivi(QWidget *parent = nullptr);

    // "avvio" while showing; "preventivi" once a year has been opened.
    QLabel *lblMemory;
    QLabel *imgTitolo;
    QLabel *lblInfo;
    QGroupBox *intAnnoPreventivi;
    QLabel *titAnnoPreventivi;
    QLineEdit *txtAnnoPreventivi;
    QPushButton *btnApriPreventivi;
    QLabel *lnkWeb;
    QToolButton *imgEmail;
    QToolButton *imgGuida;
    QToolButton *imgEsci;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void btnApriPreventiviClick();
    void openLogo();
};
