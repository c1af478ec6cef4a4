#include "tests/hostile/case_report.h"

#include <fnmatch.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

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

// The output of a failed call, cut to its report or its last lines.
std::string excerpt(const std::string &output) {
    const std::size_t report = output.find("==ERROR");
    const std::size_t ub = output.find("runtime error:");
    std::size_t from = std::min(report, ub);
    if (from == std::string::npos) from = output.size() > 1500 ? output.size() - 1500 : 0;
    return output.substr(from, 3000);
}

} // namespace

std::string reasonOf(const ChildEnd &end, const ChildLimits &limits) {
    if (!end.finished) {
        if (end.signal == SIGXCPU) return "more than a few seconds of processor time";
        if (end.signal == SIGALRM)
            return "more than " + std::to_string(limits.wallSeconds) + " s on the clock";
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

bool KnownFailure::covers(const Outcome &f) const {
    if (fnmatch(routine.c_str(), f.routine.c_str(), 0) != 0) return false;
    if (fnmatch(which.c_str(), f.which.c_str(), 0) != 0) return false;
    for (const std::string &k : kinds)
        if (k == f.kind) return true;
    return false;
}

bool readKnownFailures(const char *path, std::vector<KnownFailure> &known) {
    std::ifstream file(path);
    bool ok = bool(file);
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
    if (!ok) std::fprintf(stderr, "cannot use the list of known failures %s\n", path);
    return ok;
}

int reportFailures(const std::vector<Outcome> &failures, std::vector<KnownFailure> &known,
                   const std::vector<std::string> &sweptRoutines, const char *summary) {
    int unexpected = 0, tolerated = 0;
    for (const Outcome &f : failures) {
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
        if (!k.seen &&
            std::find(sweptRoutines.begin(), sweptRoutines.end(), k.routine) != sweptRoutines.end())
            std::printf("passes now, remove it from the list: %s\n", k.line.c_str());
    std::printf("%s: %d unexpected failures, %d known\n", summary, unexpected, tolerated);
    return unexpected;
}
