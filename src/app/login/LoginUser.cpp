#include "LoginUser.h"

#include "common/Text.h"
#include "security/CredentialEncoding.h"

#include <filesystem>

namespace rmnra {

LoginUser::LoginUser(UserDirectory& users, UserInterface& ui, std::string logFolder)
    : users_(users), ui_(ui), logFolder_(std::move(logFolder)) {}

std::string LoginUser::loginName(const std::string& nameText) {
    return cutTo(upperAscii(nameText), kNameCapacity);
}

bool LoginUser::grantsProgram(const std::string& access, char initial) {
    const std::string granted = cutTo(access, kAccessCapacity);
    if (granted.size() < kAccessPosition)
        return false;
    // The suite stores the user's initial shifted up by 15 (8-bit codes, wrapping).
    const auto code = static_cast<unsigned char>(granted[kAccessPosition - 1]);
    return static_cast<unsigned char>(code - 15) == static_cast<unsigned char>(initial);
}

LoginOutcome LoginUser::checkCredentials(const std::string& nameText, const std::string& password) {
    std::error_code ignored; // an existing folder, or one that cannot be made, is no error
    std::filesystem::create_directory(logFolder_, ignored);

    if (nameText.empty()) {
        ui_.showMessage("N\xE3o foi informado o Nome do Usu\xE1rio.");
        return LoginOutcome::EmptyName;
    }
    const std::string name = loginName(nameText);
    const char initial = name[0];
    const std::string encodedName =
        cutTo(EncodeCredential(upperAscii(nameText)), kEncodedNameCapacity);
    const std::string refused = "Usu\xE1rio " + nameText + " n\xE3o autorizado";

    const std::optional<StoredUser> user = users_.findUser(encodedName);
    if (!user || user->usuario != encodedName) {
        ui_.showMessage(refused);
        return LoginOutcome::UnknownUser;
    }
    const std::string stored = cutTo(user->senha, kPasswordCapacity);
    if (EncodeCredential(upperAscii(password)) != stored) {
        ui_.showMessage("Senha incorreta. Tente novamente.");
        return LoginOutcome::WrongPassword;
    }
    if (!grantsProgram(user->acesso, initial)) {
        ui_.showMessage(refused);
        return LoginOutcome::NotGranted;
    }
    return LoginOutcome::Granted;
}

std::optional<std::string> LoginUser::identifyWorkArea(const std::string& nameText, RunValues& run,
                                                       WorkAreaIdentifier& identifier) {
    run.setCurrentUserName(loginName(nameText));
    const WorkArea area = identifier.identify(ui_);
    if (area.databaseName.empty()) {
        // The identification has put CurrentUserName back into the name field.
        ui_.showMessage("N\xE3o foi identificada uma \xE1rea de trabalho para o usu\xE1ro " +
                        upperAscii(run.currentUserName()));
        return std::nullopt;
    }
    return area.caption;
}

} // namespace rmnra
