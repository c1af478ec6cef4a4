// Java applet source: a class whose paint method replays the plot with the
// drawing calls of java.awt.Graphics.
#include <cstring>

#include "devices/text_formats.h"
#include "kernel/c_format.h"
#include "kernel/date_time.h"
#include "kernel/driver.h"
#include "kernel/output_file.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"
#include "kernel/version.h"

namespace {

void emit(GlobalRecord &rec, const char *text) {
    writeOutput(rec, text);
}

// The class name: the file name after its folder, up to its first dot.
void className(const char *fileName, char (&name)[257]) {
    const char *base = fileName;
    for (const char *p = fileName; *p != '\0'; ++p)
        if (*p == ':' || *p == '\\' || *p == '/') base = p + 1;
    int n = 0;
    while (base[n] != '\0' && base[n] != '.')
        ++n;
    qqcopy(name, base, n);
}

} // namespace

void javaHeader(GlobalRecord &rec) {
    char name[257];
    className(rec.out.cfilnam, name);
    char line[400];
    emit(rec, "// KAVLOR Java Metafile\n");
    formatC(line, sizeof line, "// Creator: KAVLOR %4.1f\n", double(kLibraryVersion));
    emit(rec, line);
    formatC(line, sizeof line, "// Date   : %s, %s\n", dddate(), ddtime());
    emit(rec, line);
    formatC(line, sizeof line, "// Size   : %d %d\n", rec.win.nwinsiz[0], rec.win.nwinsiz[1]);
    emit(rec, line);
    emit(rec, "\n");
    emit(rec, "import java.applet.*;\n");
    emit(rec, "import java.awt.*;\n\n");
    formatC(line, sizeof line, "public class %s extends Applet {\n", name);
    emit(rec, line);
    emit(rec, "public void paint(Graphics g) {\n");
}

void javaPen(GlobalRecord &rec, int x, int y, int op) {
    if (op == kPenDraw) {
        char line[96];
        formatC(line, sizeof line, "  g.drawLine (%d,%d,%d,%d);\n", rec.out.nlastpx[0],
                rec.out.nlastpx[1], x, y);
        emit(rec, line);
    }
    rec.out.nlastpx[0] = x;
    rec.out.nlastpx[1] = y;
}

void javaColour(GlobalRecord &rec, int r, int g, int b) {
    char line[64];
    formatC(line, sizeof line, "  g.setColor (new Color (%d,%d,%d));\n", r, g, b);
    emit(rec, line);
}

void javaFillRect(GlobalRecord &rec, int x, int y, int width, int height) {
    char line[96];
    formatC(line, sizeof line, "  g.fillRect (%d,%d,%d,%d);\n", x, y, width, height);
    emit(rec, line);
}

void javaClear(GlobalRecord &rec) {
    char line[64];
    formatC(line, sizeof line, "  g.clearRect (0,0,%d,%d);\n", rec.win.nwinsiz[0],
            rec.win.nwinsiz[1]);
    emit(rec, line);
}

void javaTrailer(GlobalRecord &rec) {
    emit(rec, "  }\n}\n");
}
