#pragma once

#include "CachedDataset.h"
#include "Connection.h"

#include <string>

namespace rmnra {

struct AppSettings;
class RunValues;

// The main data module: the connection "ORVANTIS" to the suite's main database and the cached
// datasets the program uses on it.
class DM {
    // Declared first: the datasets below refer to it.
    Connection connection_;
    const RunValues& runValues_;

public:
    // Points the connection at the main database named by CentralServerIp; it opens with its
    // first use. libraryPath: the client library (fb::clientLibraryPath of the suite folder).
    DM(const AppSettings& settings, const RunValues& runValues, const std::string& libraryPath);
    DM(const DM&) = delete;
    DM& operator=(const DM&) = delete;

    Connection& connection() { return connection_; }
    // The open attachment, for set-based reads and one-transaction writes.
    fb::Attachment& attachment() { return connection_.attachment(); }
    // Direct statements, outside any cache.
    void inTransaction(const std::function<void(fb::Transaction&)>& work) {
        connection_.inTransaction(work);
    }
    unsigned execute(const std::string& sql, const std::vector<fb::Value>& params = {}) {
        return connection_.execute(sql, params);
    }

    CachedDataset DadosGer;
    CachedDataset DCB;
    CachedDataset RMNRB2;
    CachedDataset Usuarios;
    CachedDataset Estacoes;

private:
    void RMNRB2AfterInsert(CachedDataset& ds);
};

} // namespace rmnra
