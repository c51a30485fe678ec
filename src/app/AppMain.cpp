#include "AppMain.h"

#include "AppWiring.h"
#include "errors/Application.h"
#include "errors/CrashHandler.h"
#include "errors/ErrorReporter.h"
#include "errors/TerminationSignals.h"
#include "window/FormRelatAdministrativo.h"

namespace rmnra::ui {

int runWindow(int argc, char** argv) {
    blockTerminationSignals(); // before any thread starts
    Application app(argc, argv);
    installCrashHandler(logFolder());
    app.setApplicationName(QStringLiteral("RMNRA"));

    AppWiring wiring;
    FormRelatAdministrativo window({});
    if (!window.formCreate())
        return 0; // ORVANTIS.INI is missing: the window is never shown
    // RM, DM and DM2 come after the window, in this order; they need the settings it read.
    try {
        wiring.createModules();
        window.setServices(wiring.services(&window));
    } catch (...) {
        reportUnexpectedError(std::current_exception(), "Inicializa\xE7\xE3o", &window);
    }
    handleTerminationSignals([&window] { window.requestEnd(); });
    window.show();
    return app.exec();
}

} // namespace rmnra::ui
