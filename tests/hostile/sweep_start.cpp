#include "tests/hostile/sweep_start.h"

#include <fnmatch.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

std::vector<const Routine *> shardOfRoutines(int shard, int shards) {
    std::vector<const Routine *> mine;
    const std::vector<Routine> &routines = sweptRoutines();
    const char *only = std::getenv("KAVLOR_SWEEP_ONLY");
    for (std::size_t i = 0; i < routines.size(); ++i) {
        if (shards <= 0 || int(i % std::size_t(shards)) != shard) continue;
        if (only != nullptr && fnmatch(only, routines[i].name, 0) != 0) continue;
        mine.push_back(&routines[i]);
    }
    return mine;
}

std::filesystem::path enterSweepFolder() {
    char folder[] = "/tmp/kavlor-sweep-XXXXXX";
    if (mkdtemp(folder) == nullptr) return {};
    const std::filesystem::path dir = folder;
    std::filesystem::current_path(dir);
    unsetenv("DISPLAY");
    setenv("KAVLOR_MSGBOX", "log", 1);
    setenv("KAVLOR_REGISTRY", (dir / "registry").c_str(), 1);
    return dir;
}

} // namespace

void removeSweepFolder(const std::filesystem::path &folder) {
    std::filesystem::current_path("/");
    std::filesystem::remove_all(folder);
}

bool startSweep(int argc, char **argv, SweepStart &start) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s SHARD SHARDS KNOWN_FAILURES HARMLESS_CALLS\n", argv[0]);
        return false;
    }
    start.routines = shardOfRoutines(std::atoi(argv[1]), std::atoi(argv[2]));
    if (!readKnownFailures(argv[3], start.known)) return false;
    if (!readHarmlessCalls(argv[4], start.harmless)) return false;
    start.folder = enterSweepFolder();
    return !start.folder.empty();
}
