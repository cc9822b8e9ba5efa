#pragma once
// Where a line of the project file lives in the running program: the window of its form, the
// control of its name, or the design-state value of its name.

#include <string>

#include "project/layout.h"

namespace pelzaro {

class App;
class Window;
class Control;
struct Module1;

// The window, created (with its creation step) when it does not exist yet.
Window& windowOf(App& app, FormId form);
// The control a line reads or sets; null only when the window lacks a control of that name.
Control* controlOf(App& app, const LineSpec& entry);
// The single-precision design-state value of a line; null for an unknown name.
float* singleOf(Module1& state, const std::string& name);

}  // namespace pelzaro
