#pragma once

#include "common/RunValues.h"
#include "common/UserInterface.h"

#include <optional>
#include <string>

namespace rmnra {

// The columns of a USUARIOS row that the login reads.
struct StoredUser {
    std::string usuario;
    std::string senha;
    std::string acesso;
};

// Looks a user up by the encoded name (a `?` parameter: a name with a quote is simply not
// found). The first row the server returns; nullopt when there is none.
class UserDirectory {
public:
    virtual ~UserDirectory() = default;
    virtual std::optional<StoredUser> findUser(const std::string& encodedName) = 0;
};

// The work area found for CurrentUserName: its database name (empty when none was found
// or its DATBASNAM is empty) and the window caption (empty when none was found).
struct WorkArea {
    std::string databaseName;
    std::string caption;
};

class WorkAreaIdentifier {
public:
    virtual ~WorkAreaIdentifier() = default;
    // Sets CurrentStation and CurrentCnpj, shows its own messages through ui, re-points the
    // work-area connection when found.
    virtual WorkArea identify(UserInterface& ui) = 0;
};

enum class LoginOutcome {
    EmptyName,     // focus: name field
    UnknownUser,   // focus: name field
    WrongPassword, // focus: password field
    NotGranted,    // focus: name field
    Granted,
};

// The login of one attempt, without any widget: the window and `rmnra login` both use it.
// Messages go to the user interface exactly as the suite words them.
class LoginUser {
public:
    static constexpr size_t kNameCapacity = 60;
    static constexpr size_t kEncodedNameCapacity = 60;
    static constexpr size_t kPasswordCapacity = 20;
    static constexpr size_t kAccessCapacity = 20;
    static constexpr size_t kAccessPosition = 14; // 1-based position of the grant

    LoginUser(UserDirectory& users, UserInterface& ui, std::string logFolder);

    // Checks name, password and access. nameText is the name field's text as shown (already
    // upper-cased by leaving the field).
    LoginOutcome checkCredentials(const std::string& nameText, const std::string& password);

    // The login name: the name field's text upper-cased (a-z only), cut to its capacity.
    static std::string loginName(const std::string& nameText);

    // After a granted login: CurrentUserName <- login name, then the work area. The caption
    // of the work area, or nullopt when none was identified (the message has been shown and
    // the program must end).
    std::optional<std::string> identifyWorkArea(const std::string& nameText, RunValues& run,
                                                WorkAreaIdentifier& identifier);

    // Whether an access string grants this program to a user of the given initial.
    static bool grantsProgram(const std::string& access, char initial);

private:
    UserDirectory& users_;
    UserInterface& ui_;
    std::string logFolder_;
};

} // namespace rmnra
