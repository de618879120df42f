#pragma once

#include "archive/ListLine.h"
#include "archive/Progress.h"
#include "archive/RecordFile.h"

#include <functional>

// The scan behind every find, flagged list and summary: the line of each record that keep()
// accepts is added to lines, in file order (sorting is the caller's choice). False when the
// progress watcher stopped the scan; lines then hold what was read so far. A file that cannot be
// read throws ArchiveError, as RecordFile does.
namespace listscan {

bool addLines(const RecordFile &file, const std::function<bool(const RecordView &)> &keep,
              listline::Lines &lines, Progress *progress = nullptr);

} // namespace listscan
