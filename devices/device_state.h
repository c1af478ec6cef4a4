// DeviceState: the record's link to the output-device drivers.
#pragma once
#include <memory>

struct DriverRecord;

// Frees a DriverRecord with its RasterPage (defined with the DriverRecord).
struct DriverRecordDeleter {
    void operator()(DriverRecord *driver) const;
};

struct DeviceState {
    // pdriver: the DriverRecord shared by the screen driver and the memory
    // raster; null until the first driver needs it, freed with the record.
    std::unique_ptr<DriverRecord, DriverRecordDeleter> pdriver;
};
