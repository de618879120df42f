#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;
class QToolButton;

// The logo window: chooses the issuer logo that the quote documents print ("Logo.bmp").
class TfrmLogo : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmLogo(QWidget *parent = nullptr);

    // The picture on screen, stored by btnApplica.
    QImage picture() const { return m_picture; }
    // Loads an image file into imgLogo; the default picture when it cannot be read.
    void loadPicture(const QString &path);

    QLabel *imgTitolo;
    QLabel *imgLogo;
    QToolButton *imgEuro;
    QToolButton *btnCancLogo;
    QPushButton *btnSfoglia;
    QPushButton *btnApplica;
    QPushButton *btnAnnulla;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setPicture(const QImage &image);
    void btnSfogliaClick();
    void btnApplicaClick();

    QImage m_picture;
};
