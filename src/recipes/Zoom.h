#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

// The recipe photo almost full screen, at its real size when it fits; a click closes it.
class TfrmZoom : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmZoom(const QImage &photo, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QImage m_photo;
    QLabel *panContainer;
    QLabel *imgFoto;
};
