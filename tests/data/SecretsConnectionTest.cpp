// A refused or failed connection is shown to the user and written to the error log: its
// message must not carry the password that was sent.
#include "data/DatabaseNames.h"
#include "data/Schema.h"
#include "data/Session.h"
#include "data/fb/Client.h"
#include "data/fb/Error.h"
#include "settings/AppSettings.h"
#include "support/FirebirdServer.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace rmnra {
namespace {

constexpr const char* kServerPassword = "Srv7Kq2x";
constexpr const char* kWrongPassword = "Wr9Zp4Hd";

TEST(SecretsConnection, ConnectionErrorsDoNotCarryThePassword) {
    test::FirebirdServer server(kServerPassword);
    setenv("ISC_USER", "SYSDBA", 1);
    setenv("ISC_PASSWORD", kServerPassword, 1);
    setenv("ORVANTIS_HOME", server.dataFolder().c_str(), 1);
    setenv("ORVANTIS_SERVER_HOME", server.dataFolder().c_str(), 1);
    AppSettings settings;
    settings.CentralServerIp = server.host();
    fb::Client& client = fb::Client::load(fb::kClientLibraryName);
    std::filesystem::create_directories(server.dataFolder() + "dados");
    createMainDatabase(client, mainDatabaseName(settings)).detach();

    auto messageOfOpening = [&] {
        try {
            Session session(settings, fb::kClientLibraryName);
            session.dm.DCB.open();
        } catch (const fb::Error& e) {
            return std::string(e.what());
        }
        ADD_FAILURE() << "the connection did not fail";
        return std::string();
    };
    // Refused: a wrong password.
    setenv("ISC_PASSWORD", kWrongPassword, 1);
    const std::string refused = messageOfOpening();
    // Failed: the server is gone, the right password sent.
    setenv("ISC_PASSWORD", kServerPassword, 1);
    server.stop();
    const std::string unreachable = messageOfOpening();

    for (const std::string& message : {refused, unreachable}) {
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(message.find(kWrongPassword), std::string::npos) << message;
        EXPECT_EQ(message.find(kServerPassword), std::string::npos) << message;
    }
    for (auto v : {"ISC_USER", "ISC_PASSWORD", "ORVANTIS_HOME", "ORVANTIS_SERVER_HOME"})
        unsetenv(v);
}

} // namespace
} // namespace rmnra
