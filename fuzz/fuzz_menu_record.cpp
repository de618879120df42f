// A menu record from arbitrary bytes: fields, the menu line, the export row, criteria.
#include "RecordHarness.h"

#include "menus/MenuLists.h"
#include "menus/MenuRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const recordharness::Views views{{menus::listLine()}, menus::exportColumns()};
    recordharness::run(menus::menuLayout(), views, data, size);
    return 0;
}
