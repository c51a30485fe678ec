#pragma once

#include "LoginUser.h"

namespace rmnra {

class Session;

// Workstation identification on the session's data modules.
class SessionWorkArea : public WorkAreaIdentifier {
public:
    explicit SessionWorkArea(Session& session) : session_(session) {}
    WorkArea identify(UserInterface& ui) override;

private:
    Session& session_;
};

} // namespace rmnra
