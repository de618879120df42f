#pragma once

#include <QDialog>

namespace brisvola {
class LinkLabel;
} // namespace brisvola

// The credits, with a link to the maker's web site.
class TfrmSplash : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);

private:
    void lnkWebClick();

    brisvola::LinkLabel *lnkWeb;
};
