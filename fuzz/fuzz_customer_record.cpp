// A customer record from arbitrary bytes: fields, the find and re-contact lines, the export row,
// the customer picked into a quote, criteria.
#include "RecordHarness.h"

#include "customers/CustomerLists.h"
#include "customers/CustomerRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const recordharness::Views views{{customers::findLine(), customers::recontactLine()},
                                            customers::exportColumns()};
    const RecordLayout &layout = customers::customerLayout();
    recordharness::run(layout, views, data, size);
    QByteArray bytes = fuzzinput::bytes(data, size).left(layout.recordSize());
    bytes.append(QByteArray(layout.recordSize() - bytes.size(), '\0'));
    (void)customers::quoteCustomer(Record(layout, bytes));
    return 0;
}
