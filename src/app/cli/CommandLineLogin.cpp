#include "CommandLineLogin.h"

#include "common/Cp1252.h"
#include "data/Session.h"
#include "errors/ErrorReporter.h"
#include "login/DatasetUserDirectory.h"
#include "login/LoginUser.h"
#include "login/SessionWorkArea.h"

#include <cstdlib>
#include <iostream>

namespace rmnra::cli {

std::optional<std::string> readPassword() {
    std::string utf8;
    if (const char* env = std::getenv("RMNRA_PASSWORD")) {
        utf8 = env;
    } else {
        std::getline(std::cin, utf8);
        if (!utf8.empty() && utf8.back() == '\r')
            utf8.pop_back();
    }
    return utf8ToCp1252(utf8);
}

CommandLineLogin loginFromCommandLine(const std::vector<std::string>& args, Session& session,
                                      UserInterface& ui) {
    CommandLineLogin result;
    std::optional<std::string> user;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--user" && i + 1 < args.size())
            user = args[++i];
        else if (args[i].rfind("--user=", 0) == 0)
            user = args[i].substr(7);
        else
            result.otherArgs.push_back(args[i]);
    }
    if (!user) {
        ui.showMessage("Informe o usu\xE1rio com --user NOME.");
        return result;
    }
    const std::optional<std::string> name = utf8ToCp1252(*user);
    const std::optional<std::string> password = readPassword();
    if (!name || !password) {
        ui.showMessage("O nome ou a senha cont\xE9m caracteres que o sistema n\xE3o aceita.");
        return result;
    }
    // As leaving the name field does in the window.
    const std::string nameText = LoginUser::loginName(*name);

    DatasetUserDirectory users(session.dm);
    LoginUser login(users, ui, ui::logFolder());
    if (login.checkCredentials(nameText, *password) != LoginOutcome::Granted)
        return result;
    SessionWorkArea workArea(session);
    const auto caption = login.identifyWorkArea(nameText, session.runValues, workArea);
    if (!caption)
        return result;
    result.ok = true;
    result.caption = *caption;
    return result;
}

} // namespace rmnra::cli
