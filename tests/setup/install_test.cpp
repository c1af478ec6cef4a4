// kavlor-setup run as a user runs it: from the medium folder, into a folder
// of the test's, with a home, menus and registry file of the test's own; on
// an X server of the test's driven by xdotool, and headless from a script.
// Then the installation is checked file by file and used: a C program, the
// Python module and the Perl module work from the installed folders with
// KAVLOR unset. Every run of the program is under a watchdog.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "platform/windows.h"
#include "setup/file_table.h"
#include "tests/support/c_program.h"
#include "tests/support/child_exec.h"
#include "tests/support/temp_dir.h"
#include "tests/support/x_server.h"

namespace fs = std::filesystem;

namespace {

const char *const treeFolders[] = {"hlp", "man",        "fonts",    "win",  "map",    "real64",
                                   "g95", "g95/real64", "examples", "perl", "python", "zel"};

// A user of the setup: home, menus and registry file in a folder of the test's.
class SetupUser {
  public:
    std::string home() const { return dir_.file("home"); }
    std::string registry() const { return dir_.file("config/kavlor/registry"); }
    std::string data() const { return dir_.file("data"); }
    std::string file(const std::string &name) const { return dir_.file(name); }
    SetupUser() { fs::create_directories(home()); }

    std::vector<std::string> env() const {
        return {"HOME=" + home(), "XDG_DATA_HOME=" + data(),
                "XDG_CONFIG_HOME=" + dir_.file("config"), "KAVLOR_REGISTRY=" + registry()};
    }

  private:
    TempDir dir_;
};

struct SetupRun {
    pid_t pid = -1;
    std::string errFile;
};

// Starts kavlor-setup in the medium folder; it is killed after watchdog seconds
// (scaled as every wait of the tests).
SetupRun startSetup(const std::string &medium, const SetupUser &user,
                    const std::vector<std::string> &moreEnv = {}, unsigned watchdog = 120) {
    SetupRun run;
    run.errFile = user.file("stderr");
    std::vector<std::string> env = user.env();
    env.insert(env.begin(), "KAVLOR");
    env.insert(env.end(), moreEnv.begin(), moreEnv.end());
    const ChildExec setup("./kavlor-setup", {}, env);
    const unsigned seconds = scaledSeconds(watchdog);
    std::fflush(nullptr);
    run.pid = fork();
    if (run.pid == 0) {
        if (chdir(medium.c_str()) != 0) _exit(126);
        const int err = open(run.errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(err, 2);
        alarm(seconds);
        setup.exec();
    }
    return run;
}

int waitSetup(const SetupRun &run) {
    int status = 0;
    waitpid(run.pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

ProgramRun runSetupHeadless(const std::string &medium, const SetupUser &user,
                            const std::vector<std::string> &moreEnv = {}) {
    const SetupRun run = startSetup(medium, user, moreEnv);
    ProgramRun result;
    result.status = waitSetup(run);
    result.err = readFile(run.errFile);
    return result;
}

// A medium of links to the build's medium, which a test may then spoil.
std::string mediumCopy(const std::string &folder) {
    fs::create_directories(folder);
    for (const auto &entry : fs::directory_iterator(KAVLOR_SETUP_MEDIUM))
        fs::create_symlink(entry.path(), folder + "/" + entry.path().filename().string());
    return folder;
}

bool packed(const InstFile &row) {
    return row.source[std::strlen(row.source) - 1] == '_';
}

// What a file of the medium becomes: msexpand's output for a packed file
// (kept, as msexpand takes its time).
std::string expected(const std::string &medium, const InstFile &row) {
    const std::string source = medium + "/" + row.source;
    if (!packed(row)) return readFile(source);
    static std::map<std::string, std::string> expanded;
    if (const auto found = expanded.find(source); found != expanded.end()) return found->second;
    const ProgramRun run = runShell("msexpand < '" + source + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    return expanded[source] = run.out;
}

std::string registryValue(const SetupUser &user, const char *name, DWORD &size) {
    setenv("KAVLOR_REGISTRY", user.registry().c_str(), 1);
    HKEY key = 0;
    std::string value;
    size = 0;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kavlor", 0, KEY_QUERY_VALUE, &key) ==
        ERROR_SUCCESS) {
        BYTE bytes[256];
        DWORD type = 0;
        size = sizeof bytes;
        if (RegQueryValueExA(key, name, nullptr, &type, bytes, &size) == ERROR_SUCCESS)
            value = reinterpret_cast<char *>(bytes);
        RegCloseKey(key);
    }
    unsetenv("KAVLOR_REGISTRY");
    return value;
}

std::string interpreterEnv() {
    return KAVLOR_SETUP_INTERPRETER_ENV;
}

// The installed copy in use, with KAVLOR unset: the library finds its folder
// through the registry file.
void expectUsable(const std::string &target, const SetupUser &user) {
    TempDir work;
    const std::string source = work.file("prog.c");
    writeFile(source, R"(#include <kavlor.h>
int main(void) {
    metafl("PNG");
    setfil("plot.png");
    kavini();
    height(52);
    bmpfnt("COMPLEX");
    messag("H", 1000, 1000);
    grafmp(-180.f, 180.f, -180.f, 90.f, -90.f, 90.f, -90.f, 30.f);
    world();
    endgrf();
    kavfin();
    return 0;
}
)");
    const ProgramRun compiled = runShell(
        "cc -std=c11 " + testCFlags() + " -I'" + target + "' -o '" + work.file("prog") + "' '" +
        source + "' -L'" + target + "' -lkavlor -Wl,-rpath,'" + target + "' -lm 2>&1");
    ASSERT_EQ(compiled.status, 0) << compiled.out;
    const std::string registry = "KAVLOR_REGISTRY='" + user.registry() + "'";
    const ProgramRun run =
        runShell("cd '" + work.path() + "' && unset KAVLOR && " + registry + " ./prog");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.out.find("<<<< Warning"), std::string::npos) << run.out;
    EXPECT_TRUE(fileExists(work.file("plot.png")));
    // Without the registry's folder the same program misses fonts and maps:
    // the check above sees the installation.
    const ProgramRun lost = runShell("cd '" + work.path() + "' && unset KAVLOR && " +
                                     "KAVLOR_REGISTRY='" + work.file("none") + "' ./prog");
    EXPECT_NE(lost.out.find("<<<< Warning"), std::string::npos) << lost.out;

    const ProgramRun python =
        runShell("unset KAVLOR; " + interpreterEnv() + " " + registry + " PYTHONPATH='" + target +
                 "/python' python3 -c 'import kavlor; print(kavlor.getver())'");
    EXPECT_EQ(python.status, 0) << python.err;
    EXPECT_EQ(python.out.rfind("9.1", 0), 0u) << python.out;
    const ProgramRun perl = runShell("unset KAVLOR; " + interpreterEnv() + " " + registry +
                                     " perl -I'" + target + "/perl' -MKavlor -e 1");
    EXPECT_EQ(perl.status, 0) << perl.err;
    // The module loaded is the installed one.
    const ProgramRun which = runShell(interpreterEnv() + " perl -I'" + target +
                                      "/perl' -MKavlor -e 'print $INC{\"Kavlor.pm\"}'");
    EXPECT_EQ(which.out, target + "/perl/Kavlor.pm");
}

// The first window that an xdotool search finds on the screen, waiting for it
// up to timeoutMs; empty when none was shown.
std::string waitForWindow(const std::string &search, int timeoutMs = 20000) {
    const unsigned long window = shownWindow(search, timeoutMs);
    return window != 0 ? std::to_string(window) : "";
}

// A message box (its text in the _KAVLOR_TEXT property) whose text holds part.
unsigned long waitForBox(const std::string &part, int timeoutMs = 20000) {
    unsigned long found = 0;
    waitUntil(
        [&] {
            // Only a box on the screen takes the keys that answer it.
            const ProgramRun run = runShell("xdotool search --onlyvisible --name 'Setup$'");
            std::size_t at = 0;
            while (run.status == 0 && at < run.out.size()) {
                const std::size_t next = run.out.find('\n', at);
                const unsigned long window = std::stoul(run.out.substr(at, next - at));
                if (windowProperty(window, "_KAVLOR_TEXT").find(part) != std::string::npos) {
                    found = window;
                    return true;
                }
                at = next == std::string::npos ? run.out.size() : next + 1;
            }
            return false;
        },
        std::chrono::milliseconds(timeoutMs));
    return found;
}

// Waits until the window's name (an edit field's is its text) is text.
bool waitForName(const std::string &window, const std::string &text) {
    return waitUntil(
        [&] { return runShell("xdotool getwindowname " + window).out == text + "\n"; });
}

// Every folder, every file, the registry values and the menu entries.
void expectInstalled(const std::string &target, const SetupUser &user) {
    for (const char *folder : treeFolders)
        EXPECT_TRUE(fs::is_directory(target + "/" + folder)) << folder;
    for (int i = 0; i < instfileCount; ++i) {
        const InstFile &row = instfiles[i];
        const std::string installed = target + "/" + row.destination;
        ASSERT_TRUE(fileExists(installed)) << installed;
        const std::string bytes = readFile(installed);
        EXPECT_EQ(bytes.size(), std::size_t(std::atol(row.size))) << installed;
        EXPECT_TRUE(bytes == expected(KAVLOR_SETUP_MEDIUM, row)) << installed;
    }
    DWORD size = 0;
    EXPECT_EQ(registryValue(user, "Path", size), target);
    EXPECT_EQ(size, target.size() + 1);
    EXPECT_EQ(registryValue(user, "Version", size), "9.1");
    EXPECT_EQ(size, 4u);

    std::vector<std::string> entries;
    for (const auto &entry : fs::directory_iterator(user.data() + "/applications"))
        entries.push_back(entry.path().string());
    for (const auto &entry : fs::directory_iterator(user.data() + "/desktop-directories"))
        entries.push_back(entry.path().string());
    EXPECT_EQ(entries.size(), 3u);
    for (const std::string &entry : entries) {
        const ProgramRun valid = runShell("desktop-file-validate '" + entry + "'");
        EXPECT_EQ(valid.status, 0) << entry << ": " << valid.out;
    }
    const std::string group = readFile(target + "/kavlor");
    EXPECT_NE(group.find("Name=KAVGCC"), std::string::npos) << group;
}

TEST(SetupInstall, HeadlessFromAScript) {
    SetupUser user;
    const ProgramRun run = runSetupHeadless(KAVLOR_SETUP_MEDIUM, user);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string target = user.home() + "/kavlor";
    // The boxes are logged, each with its caption, and take their defaults.
    EXPECT_EQ(run.err.rfind("[KAVLOR Setup]\nThis is the setup program of the graphics soft-\n", 0),
              0u)
        << run.err;
    EXPECT_NE(run.err.find("[KAVLOR Setup]\nThe installation of KAVLOR is ready.\n \nSet the "
                           "environment variable KAVLOR to\n" +
                           target + "\n \nand include " + target + "/win\n in your path.\n"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find("[Setup]"), std::string::npos) << run.err;
    expectInstalled(target, user);
    expectUsable(target, user);

    // Again over the installation: the folders are there, the files replaced.
    const ProgramRun again = runSetupHeadless(KAVLOR_SETUP_MEDIUM, user);
    EXPECT_EQ(again.status, 0) << again.err;
    expectInstalled(target, user);
}

TEST(SetupInstall, UnderXvfbDrivenByXdotool) {
    XvfbServer server("1024x768x24", 180);
    ASSERT_TRUE(server.running());
    SetupUser user;
    const std::string target = user.file("chosen");
    const SetupRun run = startSetup(KAVLOR_SETUP_MEDIUM, user);

    // The introduction: OK by Return.
    const unsigned long box = waitForBox("This is the setup program");
    ASSERT_NE(box, 0u);
    pressKeys(box, "Return");

    // The folder window: the folder typed into the edit field (where Return
    // does not accept), then OK.
    ASSERT_FALSE(waitForWindow("--name '^Installation directory:$'").empty());
    const std::string edit = waitForWindow("--classname '^edit$'");
    ASSERT_FALSE(edit.empty());
    xdotool("mousemove --window " + edit + " 5 5 click 1");
    pressKeys(std::stoul(edit), "End");
    const std::string offered = user.home() + "/kavlor";
    xdotool("key --delay 5 --repeat " + std::to_string(offered.size()) + " BackSpace");
    xdotool("type --delay 5 '" + target + "'");
    xdotool("key Return");
    // The window took the Return and stayed: a key after it still reaches the field.
    xdotool("type x");
    EXPECT_TRUE(waitForName(edit, target + "x"));
    xdotool("key BackSpace");
    EXPECT_TRUE(waitForName(edit, target));
    EXPECT_FALSE(fs::exists(target));
    xdotool("mousemove --window " + waitForWindow("--name '^OK$'") + " 5 5 click 1");

    // The copy runs by itself; the final box names the folder.
    const unsigned long last = waitForBox("The installation of KAVLOR is ready.", 60000);
    ASSERT_NE(last, 0u);
    EXPECT_NE(windowProperty(last, "_KAVLOR_TEXT").find(target + "/win"), std::string::npos);
    pressKeys(last, "Return");
    EXPECT_EQ(waitSetup(run), 0) << readFile(run.errFile);
    expectInstalled(target, user);
    expectUsable(target, user);
}

TEST(SetupInstall, CancelMakesNothing) {
    XvfbServer server("1024x768x24", 120);
    ASSERT_TRUE(server.running());
    {
        // Escape answers the introduction with Cancel.
        SetupUser user;
        const SetupRun run = startSetup(KAVLOR_SETUP_MEDIUM, user);
        const unsigned long box = waitForBox("This is the setup program");
        ASSERT_NE(box, 0u);
        pressKeys(box, "Escape");
        EXPECT_EQ(waitSetup(run), 0);
        EXPECT_FALSE(fs::exists(user.home() + "/kavlor"));
        EXPECT_FALSE(fs::exists(user.registry()));
    }
    {
        // Cancel in the folder window.
        SetupUser user;
        const SetupRun run = startSetup(KAVLOR_SETUP_MEDIUM, user);
        const unsigned long box = waitForBox("This is the setup program");
        ASSERT_NE(box, 0u);
        pressKeys(box, "Return");
        const std::string cancel = waitForWindow("--name '^Cancel$'");
        ASSERT_FALSE(cancel.empty());
        xdotool("mousemove --window " + cancel + " 5 5 click 1");
        EXPECT_EQ(waitSetup(run), 0);
        EXPECT_FALSE(fs::exists(user.home() + "/kavlor"));
        EXPECT_FALSE(fs::exists(user.registry()));
    }
}

// Where a child window lies in its parent, as the server has it.
RECT childRect(const std::string &window) {
    const std::string info = runShell("xwininfo -id " + window).out;
    auto number = [&](const std::string &label) {
        const std::size_t at = info.find(label);
        return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + label.size());
    };
    const int x = number("Relative upper-left X:"), y = number("Relative upper-left Y:");
    return RECT{x, y, x + number("Width:"), y + number("Height:")};
}

TEST(SetupInstall, TheFolderWindowsLayoutAndItsCloseBox) {
    XvfbServer server("1024x768x24", 120);
    ASSERT_TRUE(server.running());
    SetupUser user;
    const SetupRun run = startSetup(KAVLOR_SETUP_MEDIUM, user);
    const unsigned long box = waitForBox("This is the setup program");
    ASSERT_NE(box, 0u);
    pressKeys(box, "Return");
    const std::string label = waitForWindow("--name '^Installation directory:$'");
    ASSERT_FALSE(label.empty());

    // Every control in units of the font: the label at (3 cw, 2 lh) tells them.
    const RECT text = childRect(label);
    const int cw = text.left / 3, lh = text.top / 2;
    ASSERT_GT(cw, 0);
    EXPECT_EQ(text.right - text.left, int(1.5 * (23 * cw)));
    EXPECT_EQ(text.bottom - text.top, int(1.5 * lh));
    const RECT edit = childRect(waitForWindow("--classname '^edit$'"));
    EXPECT_EQ(edit.left, 3 * cw);
    EXPECT_EQ(edit.top, 4 * lh);
    EXPECT_EQ(edit.right - edit.left, 300 - 6 * cw);
    const RECT ok = childRect(waitForWindow("--name '^OK$'"));
    EXPECT_EQ(ok.left, 10 * cw);
    EXPECT_EQ(ok.top, 7 * lh);
    EXPECT_EQ(ok.right - ok.left, 10 * cw);
    EXPECT_EQ(ok.bottom - ok.top, (7 * lh) / 4);
    const RECT cancel = childRect(waitForWindow("--name '^Cancel$'"));
    EXPECT_EQ(cancel.left, 300 - 20 * cw);
    EXPECT_EQ(cancel.top, 7 * lh);

    // The close box is neither OK nor Cancel: the field is not read, and a
    // setup without a folder stops before it makes anything.
    closeWindow(std::stoul(waitForWindow("--name '^KAVLOR Setup$'")));
    const unsigned long noFolder = waitForBox("No installation directory was given.");
    ASSERT_NE(noFolder, 0u);
    pressKeys(noFolder, "Return");
    EXPECT_EQ(waitSetup(run), 1);
    EXPECT_TRUE(fs::is_empty(user.home()));
    EXPECT_FALSE(fs::exists(user.registry()));
}

// The colours of a window as the server shows it.
std::size_t coloursOf(unsigned long window) {
    const RgbImage image = windowPixels(window);
    std::set<std::vector<unsigned char>> colours;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            colours.insert(std::vector<unsigned char>(image.at(x, y), image.at(x, y) + 3));
    return colours.size();
}

TEST(SetupInstall, TheCopyWindowShowsItsProgress) {
    XvfbServer server("1024x768x24", 120);
    ASSERT_TRUE(server.running());
    SetupUser user;
    // The copy waits at the Perl module's file, a pipe the test fills later.
    const std::string medium = mediumCopy(user.file("medium"));
    int row = 0;
    while (row < instfileCount && std::string(instfiles[row].destination) != "perl/Kavlor.pm")
        ++row;
    ASSERT_LT(row, instfileCount - 1);
    const std::string pipe = medium + "/" + instfiles[row].source;
    fs::remove(pipe);
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    long long total = 0, running = 0;
    for (int i = 0; i < instfileCount; ++i)
        total += std::atol(instfiles[i].size);
    for (int i = 0; i <= row; ++i)
        running += std::atol(instfiles[i].size);
    const int percent = int((100.0 / double(total)) * double(running));

    const SetupRun run = startSetup(medium, user);
    const unsigned long box = waitForBox("This is the setup program");
    ASSERT_NE(box, 0u);
    pressKeys(box, "Return");
    const std::string folderLabel = waitForWindow("--name '^Installation directory:$'");
    ASSERT_FALSE(folderLabel.empty());
    pressKeys(std::stoul(folderLabel), "Return");

    // Fields, percentage and labels named by their texts, and drawn.
    const std::string source =
        waitForWindow("--name '^" + std::string(instfiles[row].source) + "$'");
    EXPECT_FALSE(source.empty());
    EXPECT_FALSE(waitForWindow("--name '^" + user.home() + "/kavlor/perl/Kavlor.pm$'").empty());
    const std::string shown = waitForWindow("--name '^" + std::to_string(percent) + "$'");
    EXPECT_FALSE(shown.empty()) << percent;
    for (const char *label : {"Copy", "From:", "To:"}) {
        const std::string window = waitForWindow("--name '^" + std::string(label) + "$'");
        ASSERT_FALSE(window.empty()) << label;
        // The server shows the label's text once the program has painted it.
        EXPECT_TRUE(waitUntil([&] { return coloursOf(std::stoul(window)) >= 2; }))
            << label << " is not drawn";
    }
    writeFile(pipe, readFile(std::string(KAVLOR_SETUP_MEDIUM) + "/" + instfiles[row].source));

    const unsigned long ready = waitForBox("The installation of KAVLOR is ready.", 60000);
    ASSERT_NE(ready, 0u);
    pressKeys(ready, "Return");
    EXPECT_EQ(waitSetup(run), 0) << readFile(run.errFile);
}

// Overwrites a run in the middle of a packed file's data with references of
// the longest kind (a control byte of eight references, each 18 bytes): the
// data then expands to its header's length long before it ends, as data gone
// wrong mostly does.
void spoilCompressedData(const std::string &path) {
    std::string bytes = readFile(path);
    ASSERT_GT(bytes.size(), 300u) << path;
    const std::string reference("\0\x0F", 2); // 18 bytes from the ring's start
    std::string group(1, '\0');               // a control byte: eight references
    for (int i = 0; i < 8; ++i)
        group += reference;
    std::string references;
    for (int i = 0; i < 6; ++i)
        references += group;
    bytes.replace(bytes.size() / 2, references.size(), references);
    fs::remove(path); // a link into the build's medium
    writeFile(path, bytes);
}

// What a failed installation leaves: no registry values that would point the
// library at it, no menu entries, and no word that it is ready.
void expectNotRecorded(const ProgramRun &run, const SetupUser &user) {
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_FALSE(fs::exists(user.registry()));
    EXPECT_FALSE(fs::exists(user.data() + "/applications"));
    EXPECT_FALSE(fs::exists(user.data() + "/desktop-directories"));
    EXPECT_EQ(run.err.find("is ready"), std::string::npos) << run.err;
}

TEST(SetupFaults, EveryFaultIsShownAndNothingIsRecorded) {
    SetupUser user;
    const std::string medium = mediumCopy(user.file("medium"));
    const std::string target = user.home() + "/kavlor";
    // One row of each kind of fault: a source missing, a plain source cut
    // short, a compressed source cut short, a compressed source whose data
    // does not expand as its header says, a destination on a full disk.
    const InstFile *missing = nullptr, *shortPlain = nullptr, *shortPacked = nullptr,
                   *corrupt = nullptr, *fullDisk = nullptr;
    for (int i = 0; i < instfileCount; ++i) {
        const InstFile &row = instfiles[i];
        const std::string destination = row.destination;
        if (destination.rfind("zel/", 0) == 0)
            (missing == nullptr ? missing : shortPlain) = &row;
        else if (destination.rfind("fonts/", 0) == 0 && packed(row))
            shortPacked = &row;
        else if (destination.rfind("examples/", 0) == 0 && packed(row))
            corrupt = &row;
        else if (destination.rfind("map/", 0) == 0)
            fullDisk = &row;
    }
    ASSERT_TRUE(missing && shortPlain && shortPacked && corrupt && fullDisk);
    fs::remove(medium + "/" + missing->source);
    for (const InstFile *row : {shortPlain, shortPacked}) {
        const std::string path = medium + "/" + row->source;
        const std::string bytes = readFile(path);
        fs::remove(path);
        writeFile(path, bytes.substr(0, bytes.size() - 100));
    }
    spoilCompressedData(medium + "/" + corrupt->source);
    fs::create_directories(target + "/map");
    fs::create_symlink("/dev/full", target + "/" + fullDisk->destination);

    const ProgramRun run = runSetupHeadless(medium, user);
    const std::string messages[] = {
        "[Setup]\nCannot open file " + std::string(missing->source) + "\n",
        "[Setup]\nCannot copy file " + std::string(shortPlain->source) + "\n",
        "[Setup]\nCannot copy file " + std::string(shortPacked->source) + "\n",
        "[Setup]\nCannot copy file " + std::string(corrupt->source) + "\n",
        "[Setup]\nCannot write file " + target + "/" + fullDisk->destination + "\n"};
    for (const std::string &message : messages)
        EXPECT_NE(run.err.find(message), std::string::npos) << message << "\n" << run.err;
    // No half file is left, every other file is there; nothing is recorded.
    const InstFile *faulty[] = {missing, shortPlain, shortPacked, corrupt, fullDisk};
    for (const InstFile *row : faulty)
        EXPECT_FALSE(fs::exists(fs::symlink_status(target + "/" + row->destination)))
            << row->destination;
    for (int i = 0; i < instfileCount; ++i) {
        const InstFile &row = instfiles[i];
        if (std::find(std::begin(faulty), std::end(faulty), &row) != std::end(faulty)) continue;
        EXPECT_TRUE(readFile(target + "/" + row.destination) == expected(medium, row))
            << row.destination;
    }
    expectNotRecorded(run, user);
}

TEST(SetupFaults, ACorruptCompressedFileAloneFailsTheInstallation) {
    SetupUser user;
    const std::string medium = mediumCopy(user.file("medium"));
    const InstFile *font = nullptr;
    for (int i = 0; i < instfileCount && font == nullptr; ++i)
        if (std::string(instfiles[i].destination).rfind("fonts/", 0) == 0 && packed(instfiles[i]))
            font = &instfiles[i];
    ASSERT_NE(font, nullptr);
    spoilCompressedData(medium + "/" + font->source);

    const ProgramRun run = runSetupHeadless(medium, user);
    EXPECT_NE(run.err.find("[Setup]\nCannot copy file " + std::string(font->source) + "\n"),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(fs::exists(user.home() + "/kavlor/" + font->destination));
    expectNotRecorded(run, user);
}

TEST(SetupFaults, AFolderThatCannotBeMadeStopsTheSetup) {
    SetupUser user;
    // The offered folder lies in a home that does not exist.
    const std::string home = user.file("no-home");
    const ProgramRun run = runSetupHeadless(KAVLOR_SETUP_MEDIUM, user, {"HOME=" + home});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("[Setup]\nCannot create directory " + home + "/kavlor\n"),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(fs::exists(home));
    EXPECT_FALSE(fs::exists(user.registry()));
    EXPECT_EQ(run.err.find("is ready"), std::string::npos);
}

TEST(SetupFaults, WithoutAProgramManagerTheSetupGoesOn) {
    SetupUser user;
    const ProgramRun run = runSetupHeadless(KAVLOR_SETUP_MEDIUM, user, {"KAVLOR_PROGMAN=off"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("[Zorp Setup]\nThe program manager does not answer"), std::string::npos)
        << run.err;
    DWORD size = 0;
    EXPECT_EQ(registryValue(user, "Path", size), user.home() + "/kavlor");
    EXPECT_NE(run.err.find("The installation of KAVLOR is ready."), std::string::npos);
    EXPECT_FALSE(fs::exists(user.data() + "/applications"));
}

} // namespace
