// GlobalRecord: all state of the library for one thread, grouped by topic.
//
// A record is created value-initialised on the first call of a public routine in
// a thread; the member initialisers of the topic structs are the first-use
// defaults. kavini and resall give the plot parameters their defaults.
#pragma once
#include "kernel/core_state.h"
#include "kernel/message_state.h"
#include "kernel/output_state.h"
#include "devices/device_state.h"

struct GlobalRecord {
    CoreState core;             // level, routine name, constants, device
    MessageState msg;           // warnings and the message stream
    OutputState out;            // output file and file modes
    DeviceState dev;            // the pixel drivers (screen and memory raster)
};
