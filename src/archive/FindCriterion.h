#pragma once

#include <QString>

// One criterion of a find dialog: its edit, its label, the record field it is looked for in and
// the name of its focus rectangle ("eff" + the edit's name without "txt" when not given).
struct FindCriterion
{
    QString control;
    QString label;
    const char *field;
    QString eff = {};
    bool fullWidth = false; // across both columns, below the paired ones
};
