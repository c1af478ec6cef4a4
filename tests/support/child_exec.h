// Starting a program from a forked child of a test. The test process may run
// several threads (a dialog's input thread, the library's helpers), and a
// thread may hold a lock of the allocator at the moment of the fork: the child
// inherits it held, and its first allocation waits for ever. So everything the
// child needs (arguments, environment) is built before the fork, and the child
// only opens, duplicates and execs.
#pragma once
#include <string>
#include <vector>

class ChildExec {
  public:
    // program: a path, or a name looked up in PATH. args: its arguments after
    // argv[0]. env: "NAME=value" set, or "NAME" removed, over this process's
    // environment; of several changes of one name, the last holds.
    ChildExec(std::string program, const std::vector<std::string> &args,
              const std::vector<std::string> &env = {});

    // In the child: replaces the process, or ends it with status 127.
    [[noreturn]] void exec() const;

  private:
    std::string program_;
    std::vector<std::string> strings_; // arguments, then the environment
    std::vector<char *> argv_;
    std::vector<char *> envp_;
};
