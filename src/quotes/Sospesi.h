#pragma once

#include "archive/FlaggedListDialog.h"

// The pending quotes of the year's archive (archivePath, "In sospeso" ticked), in file order; a
// double click hands the quote to showQuote, which brings it onto the quote window.
class TfrmSospesi : public FlaggedListDialog
{
    Q_OBJECT
public:
    TfrmSospesi(const QString &archivePath, RecordTarget showQuote, QWidget *parent = nullptr);
};
