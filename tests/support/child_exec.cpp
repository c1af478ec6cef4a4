#include "tests/support/child_exec.h"

#include <unistd.h>

#include <algorithm>

namespace {

std::string nameOf(const std::string &entry) {
    return entry.substr(0, entry.find('='));
}

} // namespace

ChildExec::ChildExec(std::string program, const std::vector<std::string> &args,
                     const std::vector<std::string> &env)
    : program_(std::move(program)) {
    strings_.push_back(program_);
    strings_.insert(strings_.end(), args.begin(), args.end());
    const std::size_t argc = strings_.size();
    for (char **e = environ; *e != nullptr; ++e) {
        const std::string name = nameOf(*e);
        const bool changed = std::any_of(env.begin(), env.end(), [&](const std::string &change) {
            return nameOf(change) == name;
        });
        if (!changed) strings_.emplace_back(*e);
    }
    // Of several changes of one name, the last holds.
    for (auto change = env.begin(); change != env.end(); ++change) {
        const std::string name = nameOf(*change);
        const bool changedAgain = std::any_of(
            change + 1, env.end(), [&](const std::string &later) { return nameOf(later) == name; });
        if (!changedAgain && change->find('=') != std::string::npos) strings_.push_back(*change);
    }
    // The pointers are taken once the strings no longer move.
    for (std::size_t i = 0; i < strings_.size(); ++i)
        (i < argc ? argv_ : envp_).push_back(strings_[i].data());
    argv_.push_back(nullptr);
    envp_.push_back(nullptr);
}

void ChildExec::exec() const {
    execvpe(program_.c_str(), argv_.data(), envp_.data());
    _exit(127);
}
