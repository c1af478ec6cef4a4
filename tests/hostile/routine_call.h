// One call of a routine of the sweep in a child process of its own, and the
// context where its harmless call is made.
#pragma once
#include <string>

#include "tests/hostile/harmless_calls.h"
#include "tests/hostile/hostile_args.h"
#include "tests/hostile/watchdog.h"

// Enters the context with the steps of the harmless call own (may be null),
// makes the arguments (param < 0: all harmless, else value is the hostile
// value of that parameter), calls the routine, prints kCallEnded and leaves
// the context; all in a child under the watchdog, its output in outputFile.
ChildEnd callInChild(const Routine &r, int param, int value, Context context,
                     const HarmlessCall *own, const std::string &outputFile);

// The context of the routine's harmless call: the one the table gives, or
// else the first where the call is not refused for the level (in a plot,
// before it, in a 2-D, 3-D, colour or map axis system; a plot when none
// takes it). children counts the children the probe ran.
Context harmlessContext(const Routine &r, const HarmlessCall *own, const std::string &outputFile,
                        int &children);
