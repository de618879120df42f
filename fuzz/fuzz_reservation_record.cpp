// A reservation record from arbitrary bytes: fields, the reservation line, the export row,
// criteria.
#include "RecordHarness.h"

#include "reservations/ReservationLists.h"
#include "reservations/ReservationRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const recordharness::Views views{{reservations::reservationListLine()},
                                            reservations::reservationExportColumns()};
    recordharness::run(reservations::reservationLayout(), views, data, size);
    return 0;
}
