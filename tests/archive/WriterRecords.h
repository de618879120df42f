#pragma once

#include "archive/RecordLayout.h"

#include <QString>

// The records the archive helper writes, shared with the tests that check what reached the file:
// a record is known by its position and its version, and its bytes follow from the two.
namespace writerrecords {

inline const RecordLayout &layout()
{
    static const RecordLayout layout(FieldEncoding::LengthPrefixed,
                                     {{"Chi", 1}, {"Numero", 10}, {"Riempimento", 250}});
    return layout;
}

// The record saved at position with version: every byte depends on both.
inline Record record(qint64 position, qint64 version)
{
    Record r(layout());
    r.setText(0, QStringLiteral("K"));
    r.setText(1, QString::number(version));
    QString filling(250, QLatin1Char(' '));
    for (int i = 0; i < filling.size(); ++i)
        filling[i] = QLatin1Char(char('a' + (position * 7 + version * 13 + i) % 26));
    r.setText(2, filling);
    return r;
}

} // namespace writerrecords
