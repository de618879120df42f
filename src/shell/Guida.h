#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace brisvola {
class LinkLabel;
class Picture;
} // namespace brisvola

// The help window: a topic's title over its read-only text, and a link to the PDF manual.
class TfrmGuida : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget *parent = nullptr);

    void setTopic(const QString &title, const QString &text);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void lnkWebClick();

    QLabel *lblTitolo;
    QPlainTextEdit *txtGuida;
    brisvola::LinkLabel *lnkWeb;
    brisvola::Picture *imgPDF;
    QPushButton *btnChiudi;
};
