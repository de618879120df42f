#pragma once

#include "archive/FindDialog.h"

// The customer find: ten criteria, the customer lines sorted by name. Opened with "fornitori" in
// lblMemory (by the customer window) it brings the customer into the customer window; opened with
// "preventivi" (by the quote window) it puts the customer's name, address and tax data into the
// seven customer controls of the window that opened it.
class TfrmTrovaFornitori : public FindDialog
{
    Q_OBJECT
public:
    explicit TfrmTrovaFornitori(QWidget *parent = nullptr);
    QLabel *lblMemory;

    // The quote window's customer import: the find with "preventivi", over quoteWindow.
    static void pickIntoQuote(QWidget *quoteWindow);
};

namespace customers {
// Where a chosen customer goes: "fornitori" (the customer window: the opener when it is that
// window, otherwise the program's) and "preventivi" (the seven customer controls of the window
// that opened the find).
QHash<QString, RecordTarget> recordTargets(QWidget *opener);
} // namespace customers
