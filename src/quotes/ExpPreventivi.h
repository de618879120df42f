#pragma once

#include "archive/ExportDialog.h"

// The quotes of the year's archive (archivePath) in a grid, exported as "Preventivi.xls".
class TfrmExpPreventivi : public ExportDialog
{
    Q_OBJECT
public:
    explicit TfrmExpPreventivi(const QString &archivePath, QWidget *parent = nullptr);
};
