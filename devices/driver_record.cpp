// Making and freeing the DriverRecord.
#include "devices/driver_record.h"

#include <new>

#include "kernel/record.h"

void DriverRecordDeleter::operator()(DriverRecord *driver) const {
    delete driver;
}

DriverRecord *driverRecord(GlobalRecord &rec) {
    if (!rec.dev.pdriver) rec.dev.pdriver.reset(new (std::nothrow) DriverRecord());
    return rec.dev.pdriver.get();
}
