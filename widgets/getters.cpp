// The getters: what a widget holds, also after its dialog has ended.
#include <cstring>

#include "kavlor.h"
#include "kernel/text_utils.h"
#include "widgets/widget_routines.h"

namespace {

// The context of a getter with the id of one of the kinds; null after a message.
WidgetContext *getter(const char *routine, int id, std::initializer_list<WidgetKind> kinds) {
    WidgetContext *c = qqdglb(routine);
    return c != nullptr && qqdcini(*c) && qqdctyp(*c, id, kinds) ? c : nullptr;
}

// A text or file field's text, read from the control while its dialog is the
// one running.
void fieldText(const char *routine, int id, std::initializer_list<WidgetKind> kinds, char *out) {
    WidgetContext *c = getter(routine, id, kinds);
    if (c == nullptr || out == nullptr) return;
    WidgetEntry &e = c->entry(id - 1);
    if (!e.text) {
        out[0] = '\0';
        return;
    }
    if (c->state == 1 && e.level == c->depth && IsWindow(e.window))
        GetWindowTextA(e.window, e.text.get(), kTextSize);
    std::memcpy(out, e.text.get(), std::strlen(e.text.get()) + 1);
}

} // namespace

int gwgxid(int id) {
    WidgetContext *c = qqdglb("gwgxid");
    if (c == nullptr || !qqdcini(*c) || !qqdcid(*c, id)) return -1;
    return int(c->entry(id - 1).window);
}

int gwgatt(int id, const char *key) {
    WidgetContext *c = qqdglb("gwgatt");
    if (c == nullptr || !qqdcheck(*c) || !qqdcid(*c, id)) return -1;
    char k[5] = "";
    for (int i = 0; i < 4 && key != nullptr && key[i] != '\0'; ++i)
        k[i] = upperAscii(key[i]);
    if (std::strcmp(k, "STAT") != 0) {
        char shown[41] = "";
        qqcopy(shown, key != nullptr ? key : "");
        qqderr(*c, (std::string("Not allowed parameter ") + shown).c_str());
        return -1;
    }
    return c->entry(id - 1).state;
}

int gwgbut(int id) {
    WidgetContext *c = getter("gwgbut", id, {WidgetKind::Check});
    return c != nullptr ? c->entry(id - 1).value : -1;
}

int gwglis(int id) {
    WidgetContext *c = getter("gwglis", id, {WidgetKind::List, WidgetKind::DropDown});
    return c != nullptr ? c->entry(id - 1).value : -1;
}

int gwgbox(int id) {
    WidgetContext *c = getter("gwgbox", id, {WidgetKind::Radio});
    return c != nullptr ? c->entry(id - 1).value : -1;
}

float gwgscl(int id) {
    WidgetContext *c =
        getter("gwgscl", id, {WidgetKind::HorizontalScale, WidgetKind::VerticalScale});
    return c != nullptr ? c->entry(id - 1).number : -1.0f;
}

void gwgtxt(int id, char *text) {
    fieldText("gwgtxt", id, {WidgetKind::Text, WidgetKind::LabelledText}, text);
}

void gwgfil(int id, char *file) {
    fieldText("gwgfil", id, {WidgetKind::File}, file);
}
