#pragma once

#include <functional>

class QWidget;

namespace rmnra::ui {

// Runs the window's commands one at a time. A command started while another runs (a
// second click while the first processes pending events) is ignored. An error that leaves
// a command is reported with the command's name and the window keeps running.
class CommandRunner {
public:
    explicit CommandRunner(QWidget* window) : window_(window) {}

    // false when refused because another command is running, or when it failed.
    bool run(const char* name, const std::function<void()>& command);
    bool busy() const { return busy_; }

    // Runs after every command, once the runner is free again.
    std::function<void()> afterEach;

private:
    QWidget* window_;
    bool busy_ = false;
};

} // namespace rmnra::ui
