#include "tests/hostile/harmless_calls.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "kavlor.h"

namespace {

constexpr struct {
    const char *name;
    Context context;
} kContexts[] = {
    {"plot", Context::plot},         {"axes2d", Context::axes2d},   {"axes3d", Context::axes3d},
    {"colour", Context::colourAxes}, {"map", Context::mapAxes},     {"polar", Context::polarAxes},
    {"before", Context::beforePlot}, {"after", Context::afterPlot}, {"alone", Context::alone},
};

// The files the plot file goes to; the steps that draw a plot of their own
// come back to it.
void plotFile() {
    metafl("PS");
    setfil("sweep.ps");
    filmod("DELE");
}

// Files for the routines that read one: a text metafile (incfil), a TIFF
// file of this library (wtiff) and a BitmapFile (wimage).
void writeFiles() {
    metafl("GKSL");
    setfil("sweep.met");
    filmod("DELE");
    kavini();
    line(100, 100, 900, 700);
    kavfin();
    metafl("PNG");
    setfil("sweep.png");
    winsiz(40, 30);
    kavini();
    rtiff("sweep.tif");
    rimage("sweep.bmf");
    reset("WINS");
    kavfin();
    plotFile();
}

// A dialog of one widget of each kind; their ids: the main widget 1, a label
// 2, a check box 3, a list 4, a radio box 5 (buttons 5..7), a scale 9, a text
// field 11, a file field 12, a container 13, a pop-up menu 14, a drop-down
// list 15, a scrolled text 16 and a draw widget 17.
void openDialog() {
    const int ip = wgini("VERT");
    wglab(ip, "Label");
    wgbut(ip, "Button", 0);
    wglis(ip, "A|B|C", 1);
    wgbox(ip, "A|B|C", 1);
    wgscl(ip, "Scale", 0, 10, 5, 1);
    wgtxt(ip, "Text");
    wgfil(ip, "File", "sweep.txt", "*.txt");
    wgbas(ip, "VERT");
    wgpop(ip, "Menu");
    wgdlis(ip, "A|B|C", 1);
    wgstxt(ip, 3, 10);
    wgdraw(ip);
}

// The legend buffer of the legend step: one entry of 20 characters.
char legendBuffer[20 + 1];

const SceneStep kSteps[] = {
    {"png", [] { metafl("PNG"); }, nullptr, nullptr},
    {"pdf", [] { metafl("PDF"); }, nullptr, nullptr},
    {"wmf", [] { metafl("WMF"); }, nullptr, nullptr},
    {"screen", [] { metafl("CONS"); }, nullptr, nullptr},
    {"window2", nullptr, [] { opnwin(2); }, nullptr},
    {"pdfbuffer",
     [] {
         metafl("PDF");
         pdfmod("ON", "BUFF");
     },
     nullptr, nullptr},
    {"files", writeFiles, nullptr, nullptr},
    {"threads", [] { thrini(2); }, nullptr, nullptr},
    {"basdat", nullptr, [] { basdat(1, 1, 2000); }, nullptr},
    {"legend", nullptr,
     [] {
         legini(legendBuffer, 1, 20);
         leglin(legendBuffer, "Entry", 1);
     },
     nullptr},
    {"curve", nullptr,
     [] {
         const float x[2] = {1, 9}, y[2] = {1, 9};
         curve(x, y, 2);
     },
     nullptr},
    {"image", nullptr, [] { imgini(); }, nullptr},
    {"zbuffer", nullptr, [] { zbfini(); }, nullptr},
    {"plane", nullptr, [] { grfini(-1, -1, -1, 1, -1, -1, 1, 1, -1); }, nullptr},
    {"dialog", openDialog, nullptr, [] { wgfin(); }},
    {"dialog-open", openDialog, nullptr, nullptr},
};

const SceneStep *stepNamed(const std::string &name) {
    for (const SceneStep &step : kSteps)
        if (name == step.name) return &step;
    return nullptr;
}

// The words of a line; a word in double quotes may hold blanks or be empty
// (param="two words", param="").
std::vector<std::string> wordsOf(const std::string &line) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, any = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (any) words.push_back(word);
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    if (any) words.push_back(word);
    return words;
}

} // namespace

const char *contextName(Context context) {
    for (const auto &c : kContexts)
        if (c.context == context) return c.name;
    return "?";
}

bool readHarmlessCalls(const char *path, HarmlessCalls &calls) {
    std::ifstream file(path);
    if (!file) {
        std::fprintf(stderr, "%s: cannot be read\n", path);
        return false;
    }
    bool ok = true;
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        const std::vector<std::string> words = wordsOf(line.substr(0, line.find('#')));
        if (words.empty()) continue;
        HarmlessCall &call = calls[words[0]];
        for (std::size_t i = 1; i < words.size(); ++i) {
            const std::string &w = words[i];
            if (const std::size_t eq = w.find('='); eq != std::string::npos) {
                call.values[w.substr(0, eq)] = w.substr(eq + 1);
                continue;
            }
            bool known = false;
            for (const auto &c : kContexts)
                if (w == c.name) {
                    call.context = c.context;
                    call.contextGiven = known = true;
                }
            if (const SceneStep *step = stepNamed(w)) {
                call.steps.push_back(step);
                known = true;
            }
            if (!known) {
                std::fprintf(stderr, "%s:%d: no context or step \"%s\"\n", path, number, w.c_str());
                ok = false;
            }
        }
    }
    return ok;
}

void enterContext(Context context, const HarmlessCall *call) {
    const std::vector<const SceneStep *> none;
    const std::vector<const SceneStep *> &steps = call != nullptr ? call->steps : none;
    if (context != Context::alone) plotFile();
    for (const SceneStep *step : steps)
        if (step->beforePlot != nullptr) step->beforePlot();
    if (context == Context::beforePlot || context == Context::alone) return;
    kavini();
    switch (context) {
    case Context::axes2d: graf(0, 10, 0, 2, 0, 10, 0, 2); break;
    case Context::axes3d: graf3d(0, 10, 0, 2, 0, 10, 0, 2, 0, 10, 0, 2); break;
    case Context::colourAxes: graf3(0, 10, 0, 2, 0, 10, 0, 2, 0, 10, 0, 2); break;
    case Context::mapAxes: grafmp(-180, 180, -180, 90, -90, 90, -90, 30); break;
    case Context::polarAxes: polar(10, 0, 2, 0, 30); break;
    case Context::afterPlot: kavfin(); break;
    default: break;
    }
    for (const SceneStep *step : steps)
        if (step->inContext != nullptr) step->inContext();
}

void leaveContext(Context context, const HarmlessCall *call) {
    if (context == Context::alone || context == Context::afterPlot) return;
    if (context == Context::beforePlot && getlev() == 0) kavini();
    if (call != nullptr)
        for (const SceneStep *step : call->steps)
            if (step->beforeEnd != nullptr) step->beforeEnd();
    if (getlev() > 0) kavfin();
}
