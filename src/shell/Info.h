#pragma once

#include <QDialog>

namespace brisvola {
class LinkLabel;
} // namespace brisvola

// About the program, with a link that composes an e-mail to the maker.
class TfrmInfo : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget *parent = nullptr);

    static QString makerAddress();
    // The text handed to the shell: the mailto link, quoted.
    static QString mailCommand();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void lnkWebClick();

    brisvola::LinkLabel *lnkWeb;
};
