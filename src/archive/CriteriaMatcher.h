#pragma once

#include "archive/RecordLayout.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

// The criteria of a find dialog: each typed text is looked for inside one field of the record.
//
// A criterion is satisfied when its text exactly as typed (not trimmed: a leading blank must be
// found too), in lower case, occurs in the whole field (up to its end, not trimmed) in lower case.
// Lower case changes only the letters A to Z: an accented capital does not match its small form.
// The criteria in use are those that are not blank after trimming; the others (empty, or blanks
// only) are ignored. A record is listed when it satisfies every criterion in use, so with none in
// use every record is listed.
class CriteriaMatcher
{
public:
    struct Criterion
    {
        const char *field; // the record field it is looked for in
        QString text;      // as typed
    };

    CriteriaMatcher(const RecordLayout &layout, const QList<Criterion> &criteria);

    // The number of criteria in use (not blank after trimming).
    int inUse() const { return m_inUse; }
    bool matches(const RecordView &record) const;

private:
    struct Needle
    {
        int field;
        QByteArray bytes; // lower-cased code page 1252
        int length;       // the field's N
    };
    std::vector<Needle> m_needles;
    int m_inUse = 0;
    bool m_impossible = false; // a criterion the code page cannot hold: nothing matches
};
