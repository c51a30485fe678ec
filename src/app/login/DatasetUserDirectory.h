#pragma once

#include "LoginUser.h"

namespace rmnra {

class DM;

// The users of the suite through DM's cached dataset Usuarios.
class DatasetUserDirectory : public UserDirectory {
public:
    explicit DatasetUserDirectory(DM& dm) : dm_(dm) {}
    std::optional<StoredUser> findUser(const std::string& encodedName) override;

private:
    DM& dm_;
};

} // namespace rmnra
