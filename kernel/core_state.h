// CoreState: the level of the plot, the routine now running, constants and the device.
#pragma once

struct CoreState {
    int ilevel = 0;        // 0 closed, 1 open, 2 inside a 2-D axis system, 3 with a third axis
    char cfunc[9] = "";    // public routine now running; every message quotes it
    float xeps = 1.0e-35f; // guard against division by zero
    float xdegrad = 0.017453292f; // degrees to radians
    float xpi = 3.1415927f;

    int idevice = 0;      // device code; 0 until chosen, kavini makes it 201 (GKSL)
    char cdevice[5] = ""; // device keyword, upper case, blank-padded ("CGM ")
    int imetset = 0;      // 1 once metafl was called
    int nvector = 0;      // pen moves and draws sent to the device in this plot
    int iplotst = 0;      // 0 after kavini, 1 after kavfin

    // A function of the caller's that the library called back has failed (a
    // binding module says so, kernel/stopped_drawing.h): nothing more reaches
    // the device until the module has raised the failure.
    bool drawingStopped = false;
};
