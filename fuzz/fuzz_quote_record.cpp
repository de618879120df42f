// A quote record from arbitrary bytes: fields, the quote line, the export row, criteria.
#include "RecordHarness.h"

#include "quotes/QuoteLists.h"
#include "quotes/QuoteRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const recordharness::Views views{{quotes::quoteListLine()},
                                            quotes::quoteExportColumns()};
    recordharness::run(quotes::quoteLayout(), views, data, size);
    return 0;
}
