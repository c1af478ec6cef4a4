// Which routines are setters: those that store a value for the drawing that
// comes after them. The rule follows the header, with no list of names: a
// setter returns nothing, takes ints, floats and texts only, and its harmless
// call (in the context and with the values of harmless_calls.txt, or in the
// first context that takes it) is made in a plot or before it, needs no step
// the scene does not take itself, sends no pen move to the device and leaves
// the level as it found it. Routines that open or close plots and axis
// systems change the level; routines that draw send pen moves; routines of
// axis systems (grid, ...) are called in one; the scene draws those.
#pragma once
#include <string>

#include "tests/hostile/harmless_calls.h"
#include "tests/hostile/hostile_args.h"

enum class SetterPlace {
    none,       // not a setter
    beforePlot, // a setting of the plot's start: called before kavini
    inPlot,     // called once the plot has begun, before the scene
};

// Where the deferred pass calls the routine, found with one or a few calls in
// children of their own (counted in children).
SetterPlace setterPlace(const Routine &r, const HarmlessCall *own, const std::string &outputFile,
                        int &children);
