// The DCB formatter when the server goes away part-way: one error, not one message per row,
// and every description as it was.

#include "book/RecordingUi.h"
#include "data/DatabaseNames.h"
#include "data/Schema.h"
#include "data/Session.h"
#include "data/fb/Client.h"
#include "data/fb/Error.h"
#include "data/fb/Transaction.h"
#include "settings/AppSettings.h"
#include "support/FirebirdServer.h"
#include "tools/FormatDcbDescriptions.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace rmnra {
namespace {

class StoppingUi : public test::RecordingUi {
public:
    test::FirebirdServer* server = nullptr;
    void processPendingEvents() override {
        RecordingUi::processPendingEvents();
        if (server && pendingEventCalls == 3)
            server->stop();
    }
};

std::vector<std::string> descriptions(fb::Attachment& db) {
    auto tx = db.startTransaction();
    std::vector<std::string> out;
    for (const auto& r : tx.query("select DCB, DESCRICAO from DCB order by DCB"))
        out.push_back(r[0].textOr() + "=" + r[1].textOr());
    tx.commit();
    return out;
}

TEST(FaultFormatDcb, ALostServerStopsTheRunWithOneErrorAndChangesNothing) {
    test::FirebirdServer server("rmnra-fault-4D");
    setenv("ISC_USER", "SYSDBA", 1);
    setenv("ISC_PASSWORD", server.password().c_str(), 1);
    setenv("ORVANTIS_HOME", server.dataFolder().c_str(), 1);
    setenv("ORVANTIS_SERVER_HOME", server.dataFolder().c_str(), 1);
    AppSettings settings;
    settings.CentralServerIp = server.host();
    std::filesystem::create_directories(server.dataFolder() + "dados");
    createMainDatabase(fb::Client::load(fb::kClientLibraryName), mainDatabaseName(settings), false)
        .detach();
    Session session(settings, fb::kClientLibraryName);
    {
        auto tx = session.dm.attachment().startTransaction();
        for (int i = 0; i < 40; ++i)
            tx.execute("insert into DCB (DCB, DESCRICAO) values (?, ?)",
                       {"D" + std::to_string(100 + i), "SUBSTANCIA " + std::to_string(i)});
        tx.commit();
    }
    const auto before = descriptions(session.dm.attachment());

    StoppingUi ui;
    ui.server = &server;
    EXPECT_THROW(FormatarDescrioDCB1Click(session.dm.attachment(), ui), fb::Error);
    EXPECT_LE(ui.messages.size(), 1u) << "one message per row left";
    EXPECT_LT(ui.pendingEventCalls, 40);

    server.start();
    EXPECT_EQ(descriptions(session.dm.attachment()), before);
    ui.server = nullptr;
    ui.messages.clear();
    FormatarDescrioDCB1Click(session.dm.attachment(), ui);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Procedimento conclu\xED"
                                                    "do com sucesso!!!"});
    const auto after = descriptions(session.dm.attachment());
    ASSERT_EQ(after.size(), 40u);
    EXPECT_EQ(after[0], "D100=Substancia 0");

    for (auto v : {"ISC_USER", "ISC_PASSWORD", "ORVANTIS_HOME", "ORVANTIS_SERVER_HOME"})
        unsetenv(v);
}

} // namespace
} // namespace rmnra
