#pragma once

#include "Text.h"

#include <string>

namespace rmnra {

// The run-wide values every command reads. They are fixed-capacity texts: a longer value
// is cut when it is stored.
class RunValues {
public:
    static constexpr size_t kUserNameCapacity = 60;
    static constexpr size_t kCnpjCapacity = 14;
    static constexpr size_t kStationCapacity = 2;

    const std::string& currentUserName() const { return userName_; }
    const std::string& currentCnpj() const { return cnpj_; }
    const std::string& currentStation() const { return station_; }

    void setCurrentUserName(const std::string& v) { userName_ = cutTo(v, kUserNameCapacity); }
    void setCurrentCnpj(const std::string& v) { cnpj_ = cutTo(v, kCnpjCapacity); }
    void setCurrentStation(const std::string& v) { station_ = cutTo(v, kStationCapacity); }

private:
    std::string userName_;
    std::string cnpj_;
    std::string station_;
};

} // namespace rmnra
