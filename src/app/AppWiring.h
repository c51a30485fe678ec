#pragma once

#include "window/WindowServices.h"

#include <memory>

namespace rmnra::ui {

// Connects the window to the layers below: the run-wide values, the data modules, the
// report module and the commands. Owns whatever they need for the whole run.
class AppWiring {
public:
    AppWiring();
    ~AppWiring();

    // The report module, then DM, then DM2.
    void createModules();
    WindowServices services();

private:
    RunValues runValues_;
};

} // namespace rmnra::ui
