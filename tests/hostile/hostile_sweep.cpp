// The sweep of hostile arguments: every public routine of kavlor.h, called
// once with harmless arguments, at the wrong level, and once for every
// hostile value of each of its parameters, each call in a child process of
// its own under a watchdog. A call fails when it crashes, reports a fault of
// the sanitizers, runs past its time or writes past the file limit; the
// harmless call fails too when it is refused (a warning, or a widget's error
// box): the hostile values of a routine whose harmless call is refused would
// never reach the code they are meant for.
//
//   hostile_sweep SHARD SHARDS KNOWN_FAILURES HARMLESS_CALLS
//
// runs the routines whose place in the header is SHARD modulo SHARDS, each in
// the context and with the harmless values HARMLESS_CALLS gives it. The
// file KNOWN_FAILURES lists the cases known to fail: a line holds a routine,
// a case ("param=value", "wrong-level" or "harmless"; shell wildcards allowed)
// and the kinds of failure tolerated there, with the reason after "#". A
// listed failure is reported and tolerated, any other failure fails the
// sweep, and a listed line whose cases now pass is named so that it can go.
// By hand, KAVLOR_SWEEP_ONLY (a shell pattern) keeps the routines it names,
// and KAVLOR_SWEEP_HARMLESS=1 makes their harmless calls alone.
#include <fnmatch.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "kavlor.h"
#include "tests/hostile/harmless_calls.h"
#include "tests/hostile/hostile_args.h"
#include "tests/hostile/watchdog.h"

// Allocations the size of the machine fail instead of being tried: the
// sanitizers report them, and a child cannot take the machine's memory.
extern "C" __attribute__((visibility("default"), used)) const char *__asan_default_options() {
    return "abort_on_error=1:allocator_may_return_null=1:max_allocation_size_mb=1024";
}
extern "C" __attribute__((visibility("default"), used)) const char *__ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1:abort_on_error=1";
}

namespace {

// A routine that harmless_calls.txt gives no context is called in the first
// of these where its harmless call is not refused for the level.
constexpr Context kProbeOrder[] = {Context::plot,       Context::axes2d,  Context::axes3d,
                                   Context::colourAxes, Context::mapAxes, Context::beforePlot};

struct Outcome {
    std::string routine, which; // the case: "param=value", "wrong-level", "harmless"
    std::string reason;         // empty: the call held
    std::string kind;           // of the failure, as the list of known failures names it
    std::string output;
};

// What a child prints once the call has returned: what comes after it is
// the plot's end.
constexpr char kCallEnded[] = "--- the call has returned ---\n";

// The first warning, or the first error box of a widget routine (its
// caption line "[routine]" and its text ">>>> ...!"), that the context and
// the call printed; "" when there is none. The box that ends a dialog at once
// without a display is no error.
std::string refusalIn(const std::string &output) {
    std::istringstream lines(output.substr(0, output.find(kCallEnded)));
    std::string previous;
    for (std::string line; std::getline(lines, line); previous = line) {
        if (line.find("<<<< Warning") != std::string::npos) return line;
        if (line.rfind(">>>> No display", 0) == 0) continue;
        if (line.rfind(">>>> ", 0) == 0)
            return previous.rfind('[', 0) == 0 ? previous + " " + line : line;
    }
    return "";
}

// The kind of a failure: a float out of an int's range, a signed overflow, a
// null pointer, a limit of the watchdog, a refused harmless call, or any
// other crash.
std::string kindOf(const std::string &reason) {
    if (reason.rfind("refused: ", 0) == 0) return "refused";
    if (reason.find("is outside the range of representable values") != std::string::npos)
        return "float-to-int";
    if (reason.find("signed integer overflow") != std::string::npos ||
        reason.find("negation of") != std::string::npos)
        return "overflow";
    if (reason.find("null pointer") != std::string::npos) return "null";
    if (reason.rfind("more than", 0) == 0 || reason.rfind("a file past", 0) == 0) return "limit";
    return "crash";
}

// The first line of a sanitizer's report in the output, or "".
std::string sanitizerReport(const std::string &output) {
    for (const char *marker :
         {"runtime error:", "ERROR: AddressSanitizer", "ERROR: LeakSanitizer"}) {
        const std::size_t at = output.find(marker);
        if (at == std::string::npos) continue;
        const std::size_t start = output.rfind('\n', at);
        const std::size_t from = start == std::string::npos ? 0 : start + 1;
        return output.substr(from, output.find('\n', at) - from);
    }
    return "";
}

std::string reasonOf(const ChildEnd &end) {
    if (!end.finished) {
        if (end.signal == SIGXCPU) return "more than a few seconds of processor time";
        if (end.signal == SIGALRM)
            return "more than " + std::to_string(ChildLimits{}.wallSeconds) + " s on the clock";
        if (end.signal == SIGXFSZ) return "a file past the size limit";
        const std::string report = sanitizerReport(end.output);
        return "ended by signal " + std::to_string(end.signal) + " (" + strsignal(end.signal) +
               ")" + (report.empty() ? "" : ": " + report);
    }
    const std::string report = sanitizerReport(end.output);
    if (!report.empty()) return report;
    // Status 1 is the end of a fatal condition; anything else is not ours.
    if (end.status != 0 && end.status != 1) return "exit status " + std::to_string(end.status);
    return "";
}

class Sweep {
  public:
    Sweep(std::string outputFile, const HarmlessCalls &harmless, bool harmlessOnly)
        : outputFile_(std::move(outputFile)), harmless_(harmless), harmlessOnly_(harmlessOnly) {}

    void routine(const Routine &r) {
        const auto found = harmless_.find(r.name);
        const HarmlessCall *own = found != harmless_.end() ? &found->second : nullptr;
        const Context context = own != nullptr && own->contextGiven ? own->context : probe(r);
        checkHarmless(r, context, own);
        if (harmlessOnly_) return;
        run(r, -1, 0, context == Context::beforePlot ? Context::plot : Context::beforePlot, nullptr,
            "wrong-level");
        for (std::size_t p = 0; p < r.params.size(); ++p) {
            const Param &param = r.params[p];
            for (int v = 0; v < hostileValues(param.kind); ++v)
                run(r, int(p), v, context, own,
                    std::string(param.name) + "=" + hostileName(param.kind, v));
        }
    }

    const std::vector<Outcome> &failures() const { return failures_; }
    int calls() const { return calls_; }

  private:
    // The first context where the harmless call is not refused for the level.
    Context probe(const Routine &r) {
        const std::string refused = std::string(" Incorrect level in ") + r.name + "!";
        for (const Context context : kProbeOrder) {
            const ChildEnd end = call(r, -1, 0, context, nullptr);
            if (end.output.find(refused) == std::string::npos) return context;
        }
        return Context::plot;
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
        return runInChild(
            [&] {
                enterContext(context, own);
                Args args(r, param, value, own);
                r.call(args);
                std::fflush(nullptr);
                std::fputs(kCallEnded, stdout);
                std::fflush(stdout);
                leaveContext(context, own);
            },
            outputFile_);
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

struct KnownFailure {
    std::string routine, which; // patterns
    std::vector<std::string> kinds;
    std::string line;
    bool seen = false;

    bool covers(const Outcome &f) const {
        if (fnmatch(routine.c_str(), f.routine.c_str(), 0) != 0) return false;
        if (fnmatch(which.c_str(), f.which.c_str(), 0) != 0) return false;
        for (const std::string &k : kinds)
            if (k == f.kind) return true;
        return false;
    }
};

std::vector<KnownFailure> readKnownFailures(const char *path, bool &ok) {
    std::vector<KnownFailure> known;
    std::ifstream file(path);
    ok = bool(file);
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        const std::size_t hash = line.find('#');
        std::istringstream words(line.substr(0, hash));
        KnownFailure k;
        std::string kinds;
        if (!(words >> k.routine)) continue; // a comment or an empty line
        if (!(words >> k.which >> kinds) || hash == std::string::npos) {
            std::fprintf(stderr, "%s:%d: want \"routine case kinds  # why\"\n", path, number);
            ok = false;
            continue;
        }
        std::istringstream list(kinds);
        for (std::string kind; std::getline(list, kind, ',');)
            k.kinds.push_back(kind);
        k.line = line.substr(0, hash);
        while (!k.line.empty() && k.line.back() == ' ')
            k.line.pop_back();
        known.push_back(k);
    }
    return known;
}

// The output of a failed call, cut to its report or its last lines.
std::string excerpt(const std::string &output) {
    const std::size_t report = output.find("==ERROR");
    const std::size_t ub = output.find("runtime error:");
    std::size_t from = std::min(report, ub);
    if (from == std::string::npos) from = output.size() > 1500 ? output.size() - 1500 : 0;
    return output.substr(from, 3000);
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s SHARD SHARDS KNOWN_FAILURES HARMLESS_CALLS\n", argv[0]);
        return 2;
    }
    const int shard = std::atoi(argv[1]), shards = std::atoi(argv[2]);
    bool listOk = false;
    std::vector<KnownFailure> known = readKnownFailures(argv[3], listOk);
    if (!listOk) {
        std::fprintf(stderr, "cannot use the list of known failures %s\n", argv[3]);
        return 2;
    }
    HarmlessCalls harmless;
    if (!readHarmlessCalls(argv[4], harmless)) return 2;

    // A folder of its own for the files the calls write, no display, message
    // boxes in the log, and a registry file nobody else reads.
    char folder[] = "/tmp/kavlor-sweep-XXXXXX";
    if (mkdtemp(folder) == nullptr) return 2;
    const std::filesystem::path dir = folder;
    std::filesystem::current_path(dir);
    unsetenv("DISPLAY");
    setenv("KAVLOR_MSGBOX", "log", 1);
    setenv("KAVLOR_REGISTRY", (dir / "registry").c_str(), 1);

    const auto start = std::chrono::steady_clock::now();
    // By hand, KAVLOR_SWEEP_HARMLESS=1 makes the harmless calls alone.
    Sweep sweep((dir / "output.txt").string(), harmless,
                std::getenv("KAVLOR_SWEEP_HARMLESS") != nullptr);
    std::set<std::string> mine;
    const std::vector<Routine> &routines = sweptRoutines();
    const char *only = std::getenv("KAVLOR_SWEEP_ONLY"); // a pattern of routine names, by hand
    for (std::size_t i = 0; i < routines.size(); ++i) {
        if (int(i % std::size_t(shards)) != shard) continue;
        if (only != nullptr && fnmatch(only, routines[i].name, 0) != 0) continue;
        mine.insert(routines[i].name);
        sweep.routine(routines[i]);
    }

    int unexpected = 0, tolerated = 0;
    for (const Outcome &f : sweep.failures()) {
        bool listed = false;
        for (KnownFailure &k : known)
            if (k.covers(f)) listed = k.seen = true;
        if (listed) {
            ++tolerated;
            std::printf("known failure: %s %s: %s\n", f.routine.c_str(), f.which.c_str(),
                        f.reason.c_str());
            continue;
        }
        ++unexpected;
        std::printf("FAILED: %s %s (%s): %s\n---\n%s\n---\n", f.routine.c_str(), f.which.c_str(),
                    f.kind.c_str(), f.reason.c_str(), excerpt(f.output).c_str());
    }
    for (const KnownFailure &k : known)
        if (!k.seen && mine.count(k.routine) != 0)
            std::printf("passes now, remove it from the list: %s\n", k.line.c_str());
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%zu routines, %d calls in %.1f s: %d unexpected failures, %d known\n", mine.size(),
                sweep.calls(), seconds, unexpected, tolerated);
    std::filesystem::current_path("/");
    std::filesystem::remove_all(dir);
    return unexpected == 0 ? 0 : 1;
}
