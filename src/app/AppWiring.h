#pragma once

#include "window/WindowServices.h"

#include <memory>

class QWidget;

namespace rmnra {
class Session;
class ReportModule;
class DatasetUserDirectory;
class SessionWorkArea;
class DadosGerStore;
} // namespace rmnra

namespace rmnra::ui {

// Connects the window to the layers below: the report module, the data modules and the
// commands. Owns them for the whole run.
class AppWiring {
public:
    AppWiring();
    ~AppWiring();

    // The report module RM, then DM and DM2 (the session), in this order. Needs the settings.
    void createModules();
    // The services for the window; window is the parent of the report module's dialogs.
    WindowServices services(QWidget* window);

private:
    std::unique_ptr<ReportModule> rm_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<DatasetUserDirectory> users_;
    std::unique_ptr<SessionWorkArea> workArea_;
    std::unique_ptr<DadosGerStore> registration_;
};

} // namespace rmnra::ui
