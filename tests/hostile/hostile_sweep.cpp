// The sweep of hostile arguments: every public routine of kavlor.h, called
// once with harmless arguments, at the wrong level, and once for every
// hostile value of each of its parameters, each call in a child process of
// its own under a watchdog. A call fails when it crashes, reports a fault of
// the sanitizers, runs past its time or writes past the file limit; the
// harmless call fails too when it is refused (a warning, or a widget's error
// box): the hostile values of a routine whose harmless call is refused would
// never reach the code they are meant for. A routine of 2-D axis systems gets
// its hostile values in a map and a polar system too, where they take its
// harmless call without a warning (cases "map:param=value", ...).
//
//   hostile_sweep SHARD SHARDS KNOWN_FAILURES HARMLESS_CALLS
//
// runs the routines whose place in the header is SHARD modulo SHARDS, each in
// the context and with the harmless values HARMLESS_CALLS gives it. The
// file KNOWN_FAILURES lists the cases known to fail: a line holds a routine,
// a case ("param=value", "wrong-level", "harmless", "map:param=value", ...;
// shell wildcards allowed)
// and the kinds of failure tolerated there, with the reason after "#". A
// listed failure is reported and tolerated, any other failure fails the
// sweep, and a listed line whose cases now pass is named so that it can go.
// By hand, KAVLOR_SWEEP_ONLY (a shell pattern) keeps the routines it names,
// and KAVLOR_SWEEP_HARMLESS=1 makes their harmless calls alone.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/hostile/case_report.h"
#include "tests/hostile/harmless_calls.h"
#include "tests/hostile/hostile_args.h"
#include "tests/hostile/routine_call.h"
#include "tests/hostile/sweep_start.h"

namespace {

class Sweep {
  public:
    Sweep(std::string outputFile, const HarmlessCalls &harmless, bool harmlessOnly)
        : outputFile_(std::move(outputFile)), harmless_(harmless), harmlessOnly_(harmlessOnly) {}

    void routine(const Routine &r) {
        const auto found = harmless_.find(r.name);
        const HarmlessCall *own = found != harmless_.end() ? &found->second : nullptr;
        const Context context = harmlessContext(r, own, outputFile_, calls_);
        checkHarmless(r, context, own);
        if (harmlessOnly_) return;
        run(r, -1, 0, context == Context::beforePlot ? Context::plot : Context::beforePlot, nullptr,
            "wrong-level");
        hostileCalls(r, context, own, "");
        if (context != Context::axes2d) return;
        for (const Context other : kOther2dSystems)
            if (takesHarmlessCall(r, other, own))
                hostileCalls(r, other, own, std::string(contextName(other)) + ":");
    }

    const std::vector<Outcome> &failures() const { return failures_; }
    int calls() const { return calls_; }

  private:
    // A routine of 2-D axis systems is swept in the map and the polar systems
    // too when they take it: they draw their axes, labels and grids by a code
    // of their own (a colour system's is the plain system's).
    static constexpr Context kOther2dSystems[] = {Context::mapAxes, Context::polarAxes};

    // Every hostile value of each parameter, the others harmless; the cases
    // are named "param=value" after the prefix.
    void hostileCalls(const Routine &r, Context context, const HarmlessCall *own,
                      const std::string &prefix) {
        for (std::size_t p = 0; p < r.params.size(); ++p) {
            const Param &param = r.params[p];
            for (int v = 0; v < hostileValues(param.kind); ++v)
                run(r, int(p), v, context, own,
                    prefix + param.name + "=" + hostileName(param.kind, v));
        }
    }

    bool takesHarmlessCall(const Routine &r, Context context, const HarmlessCall *own) {
        const ChildEnd end = call(r, -1, 0, context, own);
        return reasonOf(end).empty() && refusalIn(end.output).empty();
    }

    // The harmless call in its context must hold and must not be refused.
    void checkHarmless(const Routine &r, Context context, const HarmlessCall *own) {
        const ChildEnd end = call(r, -1, 0, context, own);
        std::string reason = reasonOf(end);
        if (reason.empty()) {
            const std::string refusal = refusalIn(end.output);
            if (!refusal.empty()) reason = "refused: " + refusal;
        }
        if (!reason.empty())
            failures_.push_back({r.name, "harmless", reason, kindOf(reason), end.output});
    }

    ChildEnd call(const Routine &r, int param, int value, Context context,
                  const HarmlessCall *own) {
        ++calls_;
        return callInChild(r, param, value, context, own, outputFile_);
    }

    void run(const Routine &r, int param, int value, Context context, const HarmlessCall *own,
             const std::string &which) {
        const ChildEnd end = call(r, param, value, context, own);
        const std::string reason = reasonOf(end);
        if (!reason.empty())
            failures_.push_back({r.name, which, reason, kindOf(reason), end.output});
    }

    std::string outputFile_;
    const HarmlessCalls &harmless_;
    bool harmlessOnly_;
    std::vector<Outcome> failures_;
    int calls_ = 0;
};

} // namespace

int main(int argc, char **argv) {
    SweepStart start;
    if (!startSweep(argc, argv, start)) return 2;

    const auto started = std::chrono::steady_clock::now();
    // By hand, KAVLOR_SWEEP_HARMLESS=1 makes the harmless calls alone.
    Sweep sweep((start.folder / "output.txt").string(), start.harmless,
                std::getenv("KAVLOR_SWEEP_HARMLESS") != nullptr);
    std::vector<std::string> mine;
    for (const Routine *r : start.routines) {
        mine.push_back(r->name);
        sweep.routine(*r);
    }

    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    char summary[80];
    std::snprintf(summary, sizeof summary, "%zu routines, %d calls in %.1f s", mine.size(),
                  sweep.calls(), seconds);
    const int unexpected = reportFailures(sweep.failures(), start.known, mine, summary);
    removeSweepFolder(start.folder);
    return unexpected == 0 ? 0 : 1;
}
