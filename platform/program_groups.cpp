// The program manager's commands carried out as desktop menu files.
#include "platform/program_groups.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string folderOf(const char *variable, const char *belowHome) {
    if (const char *value = std::getenv(variable); value != nullptr && *value != '\0') return value;
    const char *home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + belowHome;
}

std::string dataHome() {
    return folderOf("XDG_DATA_HOME", "/.local/share");
}
std::string configHome() {
    return folderOf("XDG_CONFIG_HOME", "/.config");
}

bool makeFolders(const std::string &path) {
    for (std::size_t at = 1; at <= path.size(); ++at) {
        if (at < path.size() && path[at] != '/') continue;
        const std::string part = path.substr(0, at);
        struct stat info;
        if (::mkdir(part.c_str(), 0777) != 0 &&
            (::stat(part.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)))
            return false;
    }
    return true;
}

bool writeFile(const std::string &path, const std::string &text) {
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0 && !makeFolders(path.substr(0, slash)))
        return false;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return !out.fail();
}

std::string slashes(std::string path) {
    for (char &c : path)
        if (c == '\\') c = '/';
    return path;
}

std::string trim(const std::string &text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The group's name as a part of file names: lower-case letters, digits, '-'.
std::string groupId(const std::string &name) {
    std::string id;
    for (unsigned char c : name)
        id += std::isalnum(c) ? char(std::tolower(c)) : '-';
    return id;
}

std::string directoryFile(const std::string &group) {
    return dataHome() + "/desktop-directories/kavlor-" + groupId(group) + ".directory";
}
std::string menuFile(const std::string &group) {
    return configHome() + "/menus/applications-merged/kavlor-" + groupId(group) + ".menu";
}
std::string itemFile(const std::string &group, int n) {
    return dataHome() + "/applications/kavlor-" + groupId(group) + "-" + std::to_string(n) +
           ".desktop";
}
std::string category(const std::string &group) {
    return "X-Kavlor-" + groupId(group);
}

bool exists(const std::string &path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

// A value of a desktop entry's string type.
std::string entryString(const std::string &text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

// One argument of an Exec line: quoted, with the characters that the quotes
// do not protect escaped, then written as a string value.
std::string execArgument(const std::string &argument) {
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    return entryString(quoted + "\"");
}

std::string xmlText(const std::string &text) {
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

// The icon that stands for an icon of the old program manager's own file.
const char *iconName(int index) {
    return index == 40 ? "text-x-generic" : "application-x-executable";
}

bool createGroup(const std::vector<std::string> &args, ProgramGroupsState &state) {
    if (args.empty() || args[0].empty()) return false;
    const std::string &group = args[0];
    state.currentGroup = group;
    state.groupFile = args.size() > 1 ? slashes(args[1]) : "";
    if (exists(directoryFile(group))) return true;
    bool ok = writeFile(directoryFile(group),
                        "[Desktop Entry]\nType=Directory\nName=" + entryString(group) +
                            "\nX-Kavlor-Group-File=" + entryString(state.groupFile) + "\n");
    ok = writeFile(menuFile(group),
                   "<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
                   " \"http://www.freedesktop.org/standards/menu-spec/1.0/menu.dtd\">\n"
                   "<Menu>\n  <Name>Applications</Name>\n  <Menu>\n    <Name>" +
                       xmlText(group) + "</Name>\n    <Directory>kavlor-" + groupId(group) +
                       ".directory</Directory>\n    <Include><Category>" + category(group) +
                       "</Category></Include>\n  </Menu>\n</Menu>\n") &&
         ok;
    if (!state.groupFile.empty())
        ok = writeFile(state.groupFile, "[Group]\nName=" + group + "\n") && ok;
    return ok;
}

// The group file that CreateGroup recorded in the group's directory entry.
std::string recordedGroupFile(const std::string &group) {
    std::ifstream in(directoryFile(group));
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("X-Kavlor-Group-File=", 0) == 0) return line.substr(20);
    return "";
}

bool deleteGroup(const std::vector<std::string> &args, ProgramGroupsState &state) {
    if (args.empty() || args[0].empty()) return false;
    const std::string &group = args[0];
    const std::string groupFile = recordedGroupFile(group);
    if (!groupFile.empty()) ::unlink(groupFile.c_str());
    for (int n = 1; exists(itemFile(group, n)); ++n)
        ::unlink(itemFile(group, n).c_str());
    ::unlink(menuFile(group).c_str());
    ::unlink(directoryFile(group).c_str());
    if (groupId(state.currentGroup) == groupId(group)) state = ProgramGroupsState{};
    return true;
}

bool addItem(const std::vector<std::string> &args, const ProgramGroupsState &state) {
    if (state.currentGroup.empty() || args.size() < 2 || trim(args[0]).empty()) return false;
    const std::string commandLine = trim(args[0]);
    const std::size_t gap = commandLine.find("  ");
    const std::string program = slashes(trim(commandLine.substr(0, gap)));
    const std::string argument =
        gap == std::string::npos ? "" : slashes(trim(commandLine.substr(gap)));
    const int index = args.size() > 3 ? std::atoi(args[3].c_str()) : 0;
    int n = 1;
    while (exists(itemFile(state.currentGroup, n)))
        ++n;
    std::string exec = "sh " + execArgument(program);
    // Appended piece by piece: GCC 12 at -O3 takes `" " + string` for an overlapping copy.
    if (!argument.empty()) exec.append(" ").append(execArgument(argument));
    const std::string path = itemFile(state.currentGroup, n);
    bool ok =
        writeFile(path, "[Desktop Entry]\nType=Application\nName=" + entryString(args[1]) +
                            "\nExec=" + exec + "\nIcon=" + iconName(index) +
                            "\nTerminal=false\nCategories=" + category(state.currentGroup) + ";\n");
    if (ok && !state.groupFile.empty()) {
        std::ofstream list(state.groupFile, std::ios::app);
        list << "Item=" << path << "\n";
        list.close();
        ok = !list.fail();
    }
    return ok;
}

} // namespace

bool runProgramManagerCommands(const std::string &block, ProgramGroupsState &state) {
    bool ok = true;
    std::size_t at = 0;
    while ((at = block.find('[', at)) != std::string::npos) {
        const std::size_t open = block.find('(', at);
        const std::size_t close = block.find(")]", at);
        if (open == std::string::npos || close == std::string::npos || open > close) {
            ok = false;
            break;
        }
        const std::string name = trim(block.substr(at + 1, open - at - 1));
        std::vector<std::string> args;
        std::string arg;
        bool quoted = false;
        for (char c : block.substr(open + 1, close - open - 1)) {
            if (c == '"')
                quoted = !quoted;
            else if (c == ',' && !quoted) {
                args.push_back(trim(arg));
                arg.clear();
            } else
                arg += c;
        }
        args.push_back(quoted ? arg : trim(arg));
        at = close + 2;
        if (name == "CreateGroup")
            ok = createGroup(args, state) && ok;
        else if (name == "DeleteGroup")
            ok = deleteGroup(args, state) && ok;
        else if (name == "AddItem")
            ok = addItem(args, state) && ok;
        else if (name != "ShowGroup")
            ok = false;
    }
    return ok;
}
