#include "archive/ListScan.h"

namespace listscan {

bool addLines(const RecordFile &file, const std::function<bool(const RecordView &)> &keep,
              listline::Lines &lines, Progress *progress)
{
    return file.scan(
        [&](qint64 position, const RecordView &record) {
            if (keep(record))
                lines.add(record, position);
            return true;
        },
        progress);
}

} // namespace listscan
