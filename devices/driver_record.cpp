// Making and freeing the DriverRecord and its WindowTable.
#include "devices/driver_record.h"

#include "devices/screen_driver.h"

#include <new>

#include "kernel/fatal.h"
#include "kernel/record.h"
#include "platform/windows.h"

void DriverRecordDeleter::operator()(DriverRecord *driver) const {
    // Windows still open (winmod "NONE") close with the record.
    if (driver != nullptr && driver->pwintab) qqwwcls(*driver);
    delete driver;
}

DriverRecord *driverRecord(GlobalRecord &rec) {
    if (!rec.dev.pdriver) rec.dev.pdriver.reset(new (std::nothrow) DriverRecord());
    return rec.dev.pdriver.get();
}

DriverRecord *qqwglb(GlobalRecord &rec, DriverRecord *driver, DriverRecords mode) {
    if (driver == nullptr) driver = driverRecord(rec);
    if (driver != nullptr && mode != DriverRecords::DriverOnly && !driver->pwintab)
        driver->pwintab.reset(new (std::nothrow) WindowTable());
    if (driver == nullptr || (mode != DriverRecords::DriverOnly && !driver->pwintab)) {
        MessageBoxA(0, "Not enough memory for windows output", "kavini", MB_OK);
        endProcessAfterWarning();
    }
    return driver;
}
