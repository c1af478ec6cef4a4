#include "tests/hostile/sweep_start.h"

#include <fnmatch.h>
#include <unistd.h>

#include <cstdlib>

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

void removeSweepFolder(const std::filesystem::path &folder) {
    std::filesystem::current_path("/");
    std::filesystem::remove_all(folder);
}
