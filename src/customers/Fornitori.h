#pragma once

#include "archive/ArchiveForm.h"

class ArchiveWindow;
class QComboBox;
class QLineEdit;

// The window of the regular customers app, "Clienti.pro": one customer card at a time, its
// commands in a column on the right, the check tools beside the tax fields, the e-mail button.
// Navigation, New, Duplicate, Save, attachments and the focus rectangles are the archive
// machinery's (ArchiveWindow), configured here.
class TfrmFornitori : public archiveform::GradientBackground
{
    Q_OBJECT
public:
    explicit TfrmFornitori(QWidget *parent = nullptr);

    ArchiveWindow *archive() const { return m_archive; }

    // The commands that open the dialogs and documents (FornitoriDialogs.cpp).
    void cmdTrovaClick();
    void cmdRicontattaClick();
    void cmdEsportaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdPDFClick();
    void btnEmailClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildCommands(QWidget *panel);
    void buildFields(QWidget *panel);
    void configureArchive();
    void connectInputRules();
    void connectDialogs();
    void resetProvinceSelection();

    ArchiveWindow *m_archive = nullptr;
    QWidget *m_panel = nullptr;
    QList<QWidget *> m_clearers;
    QComboBox *m_province = nullptr;
    QLineEdit *m_email = nullptr;
};
