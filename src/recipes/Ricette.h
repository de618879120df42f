#pragma once

#include "archive/ArchiveForm.h"

#include <QImage>

class ArchiveWindow;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// The window of the recipe archive "Ricettario.pro": one recipe at a time with its photo, the
// course picker, the price normalisation and the flag. Commands, navigation, messages, hints and
// the focus highlight are the archive machinery's (ArchiveWindow), configured here.
class TfrmRicette : public archiveform::GradientBackground
{
    Q_OBJECT
public:
    explicit TfrmRicette(QWidget *parent = nullptr);

    ArchiveWindow *archive() const { return m_archive; }

    // The photo of the card on screen (the placeholder picture when none was loaded).
    QImage photo() const { return m_photo; }
    void setPhoto(const QImage &photo);
    bool photoIsPlaceholder() const;

    static const QString nameRequiredMessage;
    static const QString courseRequiredMessage;
    static const QString descriptionRequiredMessage;

    // The handlers of the photo buttons and the picker (also reached by tests).
    void btnCaricaFotoClick();
    void btnAcquisisciFotoClick();
    void btnSalvaFotoClick();
    void btnCancFotoClick();
    void btnZoomFotoClick();
    void impPortataClick();
    // The dialogs of find, print, RTF, export and the flagged list (RicetteDialogs.cpp).
    void cmdTrovaClick();
    void cmdStampaClick();
    void cmdWordClick();
    void cmdEsportaClick();
    void cmdSegnalateClick();
    void txtPrezzoExit();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildCommands(QWidget *panel);
    void buildFields(QWidget *panel);
    void configureArchive();
    void connectDialogs();
    void showPhoto();
    void loadPhoto(qint64 position);
    void storePhoto(qint64 position);

    ArchiveWindow *m_archive = nullptr;
    QImage m_photo;
    QWidget *m_panel = nullptr;
    QFrame *m_photoFrame = nullptr;
    QWidget *m_flagBox = nullptr;
    QLabel *imgFoto = nullptr;
    QLabel *imgBianco = nullptr;
    QLineEdit *txtPortata = nullptr;
    QLineEdit *txtPrezzo = nullptr;
    QCheckBox *chkSegnalata = nullptr;
    QPushButton *btnFocus = nullptr;
};
