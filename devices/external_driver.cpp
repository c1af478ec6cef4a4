// symfil: runs the package's driver program on the finished plot file, or
// deletes the file. The program is started with its arguments as a vector
// (no command interpreter), so a file name with blanks or shell characters
// arrives as one argument and runs nothing else.
#include "devices/external_driver.h"

#include <cerrno>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "kavlor.h"
#include "kernel/devices.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

extern char **environ;

namespace {

// Colour-table names by table kind.
constexpr const char *kTableNames[] = {"smal", "rain", "spec", "grey", "rrai",
                                       "rspe", "rgre", "vga",  "temp"};

// The first four characters of a keyword, upper-cased, without trailing blanks.
std::string keyword(const char *text) {
    std::string key;
    for (int i = 0; i < 4 && text != nullptr && text[i] != '\0'; ++i)
        key += upperAscii(text[i]);
    while (!key.empty() && key.back() == ' ')
        key.pop_back();
    return key;
}

void run(const std::vector<std::string> &args) {
    std::vector<char *> argv;
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    std::fflush(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return;
    int status = 0;
    waitpid(pid, &status, 0); // the driver's result is not examined
}

} // namespace

std::string symfilCommand(const GlobalRecord &rec, const char *target, const char *option,
                          std::vector<std::string> &args) {
    const DeviceFacts &device = deviceFacts(rec.out.finishedDevice);
    args.clear();
    if (device.driverProgram.empty()) return "";
    const int kind = rec.colour.ivltid;
    const char *table =
        kind >= 0 && kind < int(std::size(kTableNames)) ? kTableNames[kind] : "rain";
    args = {std::string(device.driverProgram), rec.out.finishedFile, target, option, table};
    if (rec.page.iscrmod == 2) args.emplace_back("REVERS");
    if (device.driverProgram == "kavdrv") {
        args.emplace_back("-Q");
        if (rec.win.ix11mod == 0) args.emplace_back("-BS");
        if (rec.win.ix11mod == 1) args.emplace_back("-NB");
    }
    std::string text;
    for (const std::string &arg : args)
        text += (text.empty() ? "" : " ") + arg;
    if (rec.colour.ivltfil == 1) {
        args.push_back(std::string("V=") + rec.colour.cvltfil);
        text += " \"" + args.back() + "\"";
    }
    return text;
}

extern "C" void symfil(const char *device, const char *option) {
    GlobalRecord *rec = jqqlev(0, 0, "symfil");
    if (rec == nullptr) return;
    const OutputState &out = rec->out;
    // Before a plot has ended, the device is the one chosen for the next.
    const int code = rec->core.iplotst == 0 ? rec->core.idevice : out.finishedDevice;
    if (!deviceFacts(code).driverFile) {
        warnin(Warning::noMetafile);
        return;
    }
    // Only the file the last plot wrote and closed is handed on or deleted.
    if (rec->core.iplotst == 0 || (rec->core.iplotst == 1 && out.finishedFile[0] == '\0')) {
        warnin(Warning::callAfterKavfin);
        return;
    }
    if (rec->core.iplotst == -1) {
        warnin(Warning::metafileDeleted);
        return;
    }
    std::string opt = keyword(option);
    if (opt == "NODE") opt = "KEEP";
    if (opt != "KEEP" && opt != "DELE") {
        warnc1(Warning::incorrectParameter, option != nullptr ? option : "");
        opt = "KEEP";
    }
    const bool deleteFile = opt == "DELE";
    std::string target = keyword(device);
    if (target == "NONE") {
        if (deleteFile) {
            // unlink, unlike remove, takes no folder that stands there now.
            if (unlink(out.finishedFile) != 0 && errno != ENOENT) warnin(Warning::fileError);
            rec->core.iplotst = -1;
        }
        return;
    }
    if (target == "KYOC") target = "KYO1";
    std::vector<std::string> args;
    if (symfilCommand(*rec, target.c_str(), opt.c_str(), args).empty()) {
        warnin(Warning::incompatibleDevice); // no driver program for this file format
        return;
    }
    run(args);
    if (deleteFile) rec->core.iplotst = -1;
}
