// The deferred-state pass of the sweep: a setter that stores a hostile value
// without complaint is followed by the drawing that reads it. Each setter
// (setters.h) is called with every hostile value of each of its parameters,
// the others harmless, and one scene that reads the settings is drawn after
// it (deferred_scene.h), on a PDF, a PNG and an SVG plot in turn, all in one
// child process under the watchdog. A case fails when the child crashes, a
// sanitizer reports, or it runs past the watchdog's limits of time and of
// file size; its messages go to a file and count against that size.
//
//   deferred_sweep SHARD SHARDS KNOWN_FAILURES HARMLESS_CALLS
//
// takes the routines whose place in the header is SHARD modulo SHARDS, with
// the harmless values and contexts of HARMLESS_CALLS; KNOWN_FAILURES lists
// the cases known to fail as the list of the immediate sweep does
// (hostile_sweep.cpp). By hand, KAVLOR_SWEEP_ONLY (a shell pattern) keeps
// the routines it names, and KAVLOR_SWEEP_SETTERS=1 lists the setters found
// and where they are called, without the cases.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "kavlor.h"
#include "tests/hostile/case_report.h"
#include "tests/hostile/deferred_scene.h"
#include "tests/hostile/harmless_calls.h"
#include "tests/hostile/hostile_args.h"
#include "tests/hostile/setters.h"
#include "tests/hostile/sweep_start.h"
#include "tests/hostile/watchdog.h"

namespace {

constexpr struct {
    const char *device, *file;
} kPlots[] = {{"PDF", "deferred.pdf"}, {"PNG", "deferred.png"}, {"SVG", "deferred.svg"}};

// The setter with one hostile value (or none: param < 0), then the scene, on
// each plot in turn.
void setterThenScene(const Routine &r, SetterPlace place, int param, int value,
                     const HarmlessCall *own) {
    Args args(r, param, value, own);
    for (const auto &plot : kPlots) {
        metafl(plot.device);
        setfil(plot.file);
        filmod("DELE");
        if (place == SetterPlace::beforePlot) r.call(args);
        kavini();
        startScene();
        if (place == SetterPlace::inPlot) r.call(args);
        drawScene();
        if (getlev() > 0) kavfin();
    }
}

} // namespace

int main(int argc, char **argv) {
    SweepStart start;
    if (!startSweep(argc, argv, start)) return 2;
    const std::filesystem::path &dir = start.folder;
    const std::string outputFile = (dir / "output.txt").string();
    const bool listOnly = std::getenv("KAVLOR_SWEEP_SETTERS") != nullptr;

    // Each plot of a case has the time of one call of the immediate pass.
    ChildLimits limits;
    limits.cpuSeconds *= int(std::size(kPlots));
    limits.wallSeconds *= int(std::size(kPlots));

    const auto started = std::chrono::steady_clock::now();
    std::vector<std::string> setters;
    std::vector<Outcome> failures;
    int children = 0, cases = 0;
    for (const Routine *r : start.routines) {
        const auto found = start.harmless.find(r->name);
        const HarmlessCall *own = found != start.harmless.end() ? &found->second : nullptr;
        const SetterPlace place = setterPlace(*r, own, outputFile, children);
        if (place == SetterPlace::none) continue;
        setters.push_back(r->name);
        if (listOnly) {
            std::printf("%-8s %s\n", r->name,
                        place == SetterPlace::beforePlot ? "before the plot" : "in the plot");
            continue;
        }
        for (std::size_t p = 0; p < r->params.size(); ++p) {
            const Param &param = r->params[p];
            for (int v = 0; v < hostileValues(param.kind); ++v) {
                ++cases;
                const ChildEnd end = runInChild([&] { setterThenScene(*r, place, int(p), v, own); },
                                                outputFile, limits);
                const std::string reason = reasonOf(end, limits);
                if (!reason.empty())
                    failures.push_back({r->name,
                                        std::string(param.name) + "=" + hostileName(param.kind, v),
                                        reason, kindOf(reason), end.output});
            }
        }
    }

    if (listOnly) {
        std::printf("%zu setters\n", setters.size());
        removeSweepFolder(dir);
        return 0;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    char summary[100];
    std::snprintf(summary, sizeof summary, "%zu setters, %d cases (%d children in all) in %.1f s",
                  setters.size(), cases, children + cases, seconds);
    const int unexpected = reportFailures(failures, start.known, setters, summary);
    removeSweepFolder(dir);
    return unexpected == 0 ? 0 : 1;
}
