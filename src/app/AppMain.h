#pragma once

namespace rmnra::ui {

// The desktop program: the window, then the report module and the data modules, then the
// message loop. Returns the process's exit code.
int runWindow(int argc, char** argv);

} // namespace rmnra::ui
