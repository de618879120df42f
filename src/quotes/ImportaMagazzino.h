#pragma once

#include "archive/FindDialog.h"

#include <optional>

// What a quote line receives from a dish: its course, name and portion price, as the recipe
// holds them.
struct QuoteDish
{
    QString course;
    QString name;
    QString price;
};

// The dish import of a quote line: a find over the recipe archive; a double click gives back the
// dish of the line clicked (dish()), which the quote window puts into the quote line named by
// lblMemory ("pre_art_01" to "pre_art_30").
class TfrmImportaMagazzino : public FindDialog
{
    Q_OBJECT
public:
    explicit TfrmImportaMagazzino(QWidget *parent = nullptr);

    // "pre_art_" and the two digits of the line.
    static QString keyword(int line);

    // The dish chosen; nothing when the dialog was closed without one.
    std::optional<QuoteDish> dish() const;
};
