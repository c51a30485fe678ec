#pragma once

#include "CachedDataset.h"
#include "Connection.h"

#include <string>

namespace rmnra {

// The work-area data module: the connection "Interfac" to the workstation's database and
// its dataset Periodo. The connection is re-pointed by workstation identification.
class DM2 {
    Connection connection_; // declared first: Periodo refers to it

public:
    explicit DM2(const std::string& libraryPath);
    DM2(const DM2&) = delete;
    DM2& operator=(const DM2&) = delete;

    Connection& connection() { return connection_; }
    fb::Attachment& attachment() { return connection_.attachment(); }
    // Closes the connection (and Periodo) and points it at another database.
    void setDatabase(const std::string& database);

    CachedDataset Periodo;
};

} // namespace rmnra
