// Where each routine's harmless call is made, and with what: the context (in
// a plot, in an axis system of some kind, or before the plot), the steps that
// set the scene (a legend started, image mode on, a raster device, ...) and
// harmless values of its own for the parameters whose kind's value the
// routine would refuse (a keyword it knows, a count its arrays hold). The
// table is harmless_calls.txt; a routine it does not name takes the first
// context where its call is not refused for the level, and the values of the
// parameters' kinds.
#pragma once
#include <map>
#include <string>
#include <vector>

// Where a call is made: in a plot, in an axis system of each kind, before
// the plot, after it (kavini and kavfin made), or alone (first of all the
// library's calls).
enum class Context {
    plot,
    axes2d,
    axes3d,
    colourAxes,
    mapAxes,
    polarAxes,
    beforePlot,
    afterPlot,
    alone
};

// A step that sets the scene: before kavini (a device, a setting of level 0)
// and once the context is entered (a legend, image mode), and before kavfin.
struct SceneStep {
    const char *name;
    void (*beforePlot)();
    void (*inContext)();
    void (*beforeEnd)();
};

struct HarmlessCall {
    bool contextGiven = false;
    Context context = Context::plot;
    std::vector<const SceneStep *> steps;
    std::map<std::string, std::string> values; // parameter name -> value as written
};

using HarmlessCalls = std::map<std::string, HarmlessCall>;

// The context's name as the table writes it ("axes2d", "polar", ...).
const char *contextName(Context context);

// Reads the table; false, after a message naming the line, when a line names
// an unknown context or step or is not "routine [context] [step ...]
// [param=value ...]".
bool readHarmlessCalls(const char *path, HarmlessCalls &calls);

// Enters the context with the call's steps: the plot file, its device and
// settings, kavini, the axis system, the steps in it.
void enterContext(Context context, const HarmlessCall *call);
// Leaves it: kavini for a call made before the plot, the steps' ends, and
// kavfin, so that what the call left behind is written; a call that opened
// or closed the plot itself (kavini, kavfin, the quick plots) is left as it
// left the level.
void leaveContext(Context context, const HarmlessCall *call);
