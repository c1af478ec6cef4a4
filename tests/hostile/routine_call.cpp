#include "tests/hostile/routine_call.h"

#include <cstdio>

#include "tests/hostile/case_report.h"

namespace {

// The contexts a routine that the table gives none is tried in, in order.
constexpr Context kProbeOrder[] = {Context::plot,   Context::beforePlot, Context::axes2d,
                                   Context::axes3d, Context::colourAxes, Context::mapAxes};

} // namespace

ChildEnd callInChild(const Routine &r, int param, int value, Context context,
                     const HarmlessCall *own, const std::string &outputFile) {
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
        outputFile);
}

Context harmlessContext(const Routine &r, const HarmlessCall *own, const std::string &outputFile,
                        int &children) {
    if (own != nullptr && own->contextGiven) return own->context;
    const std::string refused = std::string(" Incorrect level in ") + r.name + "!";
    for (const Context context : kProbeOrder) {
        ++children;
        const ChildEnd end = callInChild(r, -1, 0, context, nullptr, outputFile);
        if (end.output.find(refused) == std::string::npos) return context;
    }
    return Context::plot;
}
