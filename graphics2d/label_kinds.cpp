// Label kinds and their derived words.
#include "graphics2d/label_kinds.h"

#include "kernel/record.h"

void setLabelKind(GlobalRecord &rec, int axis, LabelKind kind) {
    AxisOptionState &a = rec.axes;
    LogLabelForm form = LogLabelForm::values;
    LabelClass cls = LabelClass::numbers;
    int exponent = 0;
    switch (kind) {
    case LabelKind::exp: exponent = 1; break;
    case LabelKind::log: form = LogLabelForm::powers; break;
    case LabelKind::clog:
        form = LogLabelForm::powers;
        exponent = 1;
        break;
    case LabelKind::elog: form = LogLabelForm::exponents; break;
    case LabelKind::map:
    case LabelKind::dmap:
    case LabelKind::lmap: cls = LabelClass::degrees; break;
    case LabelKind::time:
    case LabelKind::hour:
    case LabelKind::seco: cls = LabelClass::times; break;
    case LabelKind::date: cls = LabelClass::dates; break;
    default: break;
    }
    a.ilabels[axis] = int(kind);
    a.ilabcls[axis] = int(form);
    a.ilabexp[axis] = exponent;
    a.ilabkin[axis] = int(cls);
}
