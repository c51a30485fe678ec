#pragma once

#include <stdexcept>
#include <string>

namespace rmnra::fb {

// The one exception of the database layer: the ISC error code, the SQLSTATE and the whole
// formatted message of the server (or of the client library).
class Error : public std::runtime_error {
public:
    Error(const std::string& message, long iscCode = 0, std::string sqlState = {})
        : std::runtime_error(message), iscCode_(iscCode), sqlState_(std::move(sqlState)) {}

    long iscCode() const { return iscCode_; }
    const std::string& sqlState() const { return sqlState_; }

private:
    long iscCode_;
    std::string sqlState_;
};

} // namespace rmnra::fb
