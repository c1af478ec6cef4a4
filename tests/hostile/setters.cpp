#include "tests/hostile/setters.h"

#include <cstdio>
#include <cstring>

#include "kavlor.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "tests/hostile/deferred_scene.h"
#include "tests/hostile/routine_call.h"
#include "tests/hostile/watchdog.h"

namespace {

// What the child of the harmless call prints once it has returned.
constexpr char kMeasured[] = "pen moves and level: ";

// The harmless call is measured on a pen plotter: everything it draws, fills
// and text too, reaches the device as pen moves.
const SceneStep kPenPlotter{"hpgl", [] { metafl("HPGL"); }, nullptr, nullptr};

bool scalarOnly(const Routine &r) {
    if (r.params.empty()) return false; // nothing hostile to store
    for (const Param &p : r.params)
        if (p.kind != Kind::integer && p.kind != Kind::real && p.kind != Kind::text &&
            p.kind != Kind::shortInt)
            return false;
    return true;
}

bool stepsTakenByScene(const HarmlessCall *own) {
    if (own == nullptr) return true;
    for (const SceneStep *step : own->steps) {
        bool taken = false;
        for (const char *name : kStepsOfScene)
            taken = taken || std::strcmp(step->name, name) == 0;
        if (!taken) return false;
    }
    return true;
}

} // namespace

SetterPlace setterPlace(const Routine &r, const HarmlessCall *own, const std::string &outputFile,
                        int &children) {
    if (r.returnsValue || !scalarOnly(r) || !stepsTakenByScene(own)) return SetterPlace::none;
    const Context context = harmlessContext(r, own, outputFile, children);
    if (context != Context::plot && context != Context::beforePlot) return SetterPlace::none;
    HarmlessCall onPlotter = own != nullptr ? *own : HarmlessCall{};
    onPlotter.steps.insert(onPlotter.steps.begin(), &kPenPlotter);
    ++children;
    const ChildEnd end = runInChild(
        [&] {
            enterContext(context, &onPlotter);
            GlobalRecord &rec = currentRecord();
            const int pens = rec.core.nvector, level = getlev();
            Args args(r, -1, 0, own);
            r.call(args);
            if (getlev() > 0) qqstrk(rec); // the lines still in the buffer
            std::fflush(nullptr);
            std::printf("%s%d %d %d\n", kMeasured, rec.core.nvector - pens, level, getlev());
            std::fflush(stdout);
            leaveContext(context, &onPlotter);
        },
        outputFile);
    const std::size_t at = end.output.find(kMeasured);
    int pens = -1, levelBefore = -1, levelAfter = -2;
    if (at == std::string::npos ||
        std::sscanf(end.output.c_str() + at + std::strlen(kMeasured), "%d %d %d", &pens,
                    &levelBefore, &levelAfter) != 3 ||
        pens != 0 || levelBefore != levelAfter)
        return SetterPlace::none;
    return context == Context::beforePlot ? SetterPlace::beforePlot : SetterPlace::inPlot;
}
