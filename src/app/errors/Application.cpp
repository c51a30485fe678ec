#include "Application.h"

#include "CrashHandler.h"
#include "ErrorReporter.h"

namespace rmnra::ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportUnexpectedError(std::current_exception(), runningCommand(), activeWindow());
        return false;
    }
}

} // namespace rmnra::ui
