#pragma once

#include "common/RunValues.h"
#include "common/UserInterface.h"
#include "login/LoginUser.h"
#include "registration/RegistrationStore.h"
#include "window/WindowUserInterface.h"

#include <functional>

namespace rmnra::ui {

// What the window needs from the layers below. Each command is a function over the window's
// user interface; an empty one shows that the command is not available in this build.
struct WindowServices {
    RunValues* runValues = nullptr;
    UserDirectory* users = nullptr;
    WorkAreaIdentifier* workArea = nullptr;
    RegistrationStore* registration = nullptr;
    ReportRunner reportRunner;
    std::function<void()> closeReportProject;

    std::function<void()> assignColumnLists;   // first activation
    std::function<void()> activatePdfRenderer; // first activation
    std::function<void()> closeBookTable;      // closing the window; errors are ignored

    std::function<void(UserInterface&)> prepareBook;      // "Preparar Livro"
    std::function<void(UserInterface&)> showOfficialBook; // "RMNRA"
    std::function<void(UserInterface&)> showDetail;       // "Detalhamento"
    std::function<void(UserInterface&)> correctCapsules;  // "Acertar Qde. Caps. Prescrita"
    std::function<void(UserInterface&)> formatDcb;        // "Formatar Descrição do DCB"
    std::function<void()> configurePrinter;               // "Configurar Impressora"
};

} // namespace rmnra::ui
