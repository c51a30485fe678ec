#pragma once

#include <string>

namespace rmnra {

class Session;
class UserInterface;

// What identification hands back to the window.
struct WorkAreaIdentification {
    // DATBASNAM of the work area; empty when none was found (the login then fails).
    std::string databaseName;
    // The text for the login name field EditNome: CurrentUserName.
    std::string loginName;
    // The window caption; empty when no work area was found (the caption stays as it was).
    std::string caption;
};

// Finds the work area of CurrentUserName in ESTACOES, sets CurrentStation and CurrentCnpj,
// and points the work-area connection of DM2 at the workstation's database. Its two messages
// go through ui. Database errors are thrown (fb::Error) to the caller.
WorkAreaIdentification IdentifyWorkArea(Session& session, UserInterface& ui);

} // namespace rmnra
