#pragma once

#include "archive/FindDialog.h"

// The quote find over the year's archive (archivePath): quotes matching every criterion typed,
// sorted by their line; a double click hands the quote to showQuote (keyword "preventivi" in
// lblMemory), which brings it onto the quote window.
class TfrmTrovaPreventivi : public FindDialog
{
    Q_OBJECT
public:
    TfrmTrovaPreventivi(const QString &archivePath, RecordTarget showQuote,
                        QWidget *parent = nullptr);
};
