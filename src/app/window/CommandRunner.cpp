#include "CommandRunner.h"

#include "errors/CrashHandler.h"
#include "errors/ErrorReporter.h"

namespace rmnra::ui {

bool CommandRunner::run(const char* name, const std::function<void()>& command) {
    if (busy_)
        return false;
    busy_ = true;
    setRunningCommand(name);
    bool ok = true;
    try {
        command();
    } catch (...) {
        ok = false;
        busy_ = false;
        reportUnexpectedError(std::current_exception(), name, window_);
    }
    busy_ = false;
    setRunningCommand("");
    if (afterEach)
        afterEach();
    return ok;
}

} // namespace rmnra::ui
