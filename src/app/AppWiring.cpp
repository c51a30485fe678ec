#include "AppWiring.h"

namespace rmnra::ui {

AppWiring::AppWiring() = default;
AppWiring::~AppWiring() = default;

void AppWiring::createModules() {}

WindowServices AppWiring::services() {
    WindowServices s;
    s.runValues = &runValues_;
    return s;
}

} // namespace rmnra::ui
