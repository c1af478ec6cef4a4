// WidgetState: the record's link to the dialog widgets.
#pragma once
#include <memory>

struct WidgetContext;

// Frees the context with its widgets (widgets/context.cpp); a context whose
// dialog loop is still running is left alone.
struct WidgetContextDeleter {
    void operator()(WidgetContext *context) const;
};

struct WidgetState {
    // pwidget: the widget context; null until the first widget routine runs.
    std::unique_ptr<WidgetContext, WidgetContextDeleter> pwidget;
};
