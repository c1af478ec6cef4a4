// qqwext: the requests that act on the DriverRecord itself.
#include "devices/driver_requests.h"

#include "devices/driver_record.h"
#include "kernel/record.h"

void qqwext(GlobalRecord &rec, int code, int value) {
    DriverRecord *driver = driverRecord(rec);
    if (driver == nullptr) return; // no memory for the record: nothing to keep the request in
    switch (static_cast<DriverRequest>(code)) {
    case DriverRequest::Lighting: driver->nreq3 = value; break;
    case DriverRequest::FineDepthTolerance: driver->xdepthtol = 1.0e-5; break;
    case DriverRequest::DepthTolerance: driver->xdepthtol = 0.001; break;
    default: break;
    }
}
