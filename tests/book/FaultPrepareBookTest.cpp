// Faults around the book preparation, against real databases: a server that stops part-way,
// a row another program holds locked, a consistency report that cannot be written. Each
// test ends by reading the tables back row by row.

#include "MonthFixture.h"
#include "book/BookTable.h"
#include "book/InconsistencyReport.h"
#include "book/PrepareBook.h"
#include "data/DatabaseNames.h"
#include "data/Session.h"
#include "data/fb/Error.h"
#include "settings/AppSettings.h"
#include "support/FileSizeLimit.h"
#include "support/FirebirdServer.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <optional>
#include <thread>

namespace rmnra {
namespace {

using test::kCnpj;
using test::kOtherCnpj;
using test::query;

// Runs a hook from inside the walk, as a click would while the window processes events.
class HookedUi : public test::RecordingUi {
public:
    std::function<void()> onEvents;
    void processPendingEvents() override {
        RecordingUi::processPendingEvents();
        if (onEvents)
            onEvents();
    }
};

const char* const kBookSql =
    "select CNPJ, DCB, DESCRICAO, NUMERONOTIFICACAO, QDE_PRESCRICAO, ESTACAO, "
    "NPEDIDO, NFORMULA from RMNRB2 order by CNPJ, ESTACAO, NPEDIDO, DCB";
const char* const kFormulasSql = "select ESTACAO, NPEDIDO, NFORMULA, QDECAPSULAS, "
                                 "QDE_CAPS_PRESCRITA from PEDIFORM order by 1, 2, 3";

// Six orders of one capsule formula each, none with its prescribed quantity, and an old
// book row of this pharmacy and of another one.
void fillMonth(fb::Attachment& main) {
    test::SuiteData s(main);
    s.registration(kCnpj, "MAR\xC7O", "2024");
    s.catalogue("DIAZ", "S", "A", "D01");
    s.dcb("D01", "Diazepam");
    for (int n = 1; n <= 6; ++n) {
        s.order("01", n, {2024, 3, n}, "Pedido", "DR A", "CRM1");
        s.formula("01", n, 1, "CAPSULA", 30 + n, nullptr, "N" + std::to_string(n),
                  Date{2024, 3, n});
        s.component("01", n, 1, "DIAZEPAM", "DIAZ", 5.0, "mg");
    }
    s.bookRow(kCnpj, "OLD");
    s.bookRow(kOtherCnpj, "OTHER");
    s.commit();
}

// The rows a successful preparation of fillMonth leaves, row by row.
std::vector<fb::Row> preparedBook() {
    std::vector<fb::Row> rows;
    for (int n = 1; n <= 6; ++n) {
        const std::string caps = std::to_string(30 + n) + " CAP";
        rows.push_back({kCnpj, "D01", "Diazepam", "N" + std::to_string(n), caps, "01",
                        std::to_string(n), "1"});
    }
    rows.push_back({kOtherCnpj, "OTHER", "old row", nullptr, nullptr, nullptr, nullptr, nullptr});
    return rows;
}

std::vector<fb::Row> correctedFormulas() {
    std::vector<fb::Row> rows;
    for (int n = 1; n <= 6; ++n)
        rows.push_back({"01", n, 1, 30 + n, 30 + n});
    return rows;
}

// Values read back compare by their text, so a row can be written as literals.
std::vector<std::vector<std::string>> asText(const std::vector<fb::Row>& rows) {
    std::vector<std::vector<std::string>> out;
    for (const auto& r : rows) {
        std::vector<std::string> line;
        for (const auto& v : r)
            line.push_back(v.isNull()   ? "<null>"
                           : v.isText() ? v.text()
                                        : std::to_string(v.integerOr()));
        out.push_back(line);
    }
    return out;
}

class ServerStopTest : public ::testing::Test {
protected:
    ServerStopTest() : server("rmnra-fault-5T") {
        setenv("ISC_USER", "SYSDBA", 1);
        setenv("ISC_PASSWORD", server.password().c_str(), 1);
        setenv("ORVANTIS_HOME", server.dataFolder().c_str(), 1);
        setenv("ORVANTIS_SERVER_HOME", server.dataFolder().c_str(), 1);
        settings.CentralServerIp = server.host();
        std::filesystem::create_directories(server.dataFolder() + "dados");
        createMainDatabase(fb::Client::load(fb::kClientLibraryName), mainDatabaseName(settings),
                           false)
            .detach();
    }
    ~ServerStopTest() override {
        for (auto v : {"ISC_USER", "ISC_PASSWORD", "ORVANTIS_HOME", "ORVANTIS_SERVER_HOME"})
            unsetenv(v);
    }

    test::FirebirdServer server;
    AppSettings settings;
};

TEST_F(ServerStopTest, TheOldBookSurvivesAndTheSameSessionPreparesOnceTheServerIsBack) {
    Session session(settings, fb::kClientLibraryName);
    fillMonth(session.dm.attachment());
    const auto bookBefore = asText(query(session.dm.attachment(), kBookSql));
    const auto formulasBefore = asText(query(session.dm.attachment(), kFormulasSql));

    // A transaction another part of the program still holds when the connection is lost.
    std::optional<fb::Transaction> held(session.dm.attachment().startTransaction());
    held->query("select count(*) from DCB");

    HookedUi ui;
    ui.onEvents = [&] {
        if (ui.pendingEventCalls == 3)
            server.stop();
    };
    {
        BookContext ctx{session.dm.attachment(), kCnpj, "", ui};
        EXPECT_THROW(Prepara_Rmnra(ctx, {2024, 3, 1}, {2024, 3, 31}), fb::Error);
    }
    EXPECT_TRUE(ui.reports.empty());

    // While the server is away the session reports the connection error, and stays usable.
    EXPECT_THROW(session.dm.attachment(), fb::Error);

    ui.onEvents = nullptr;
    server.start();
    fb::Attachment& again = session.dm.attachment();
    EXPECT_THROW(held->commit(), fb::Error); // gone with the old connection, and says so
    held.reset();
    EXPECT_EQ(asText(query(again, kBookSql)), bookBefore);
    EXPECT_EQ(asText(query(again, kFormulasSql)), formulasBefore);

    BookContext ctx{again, kCnpj, "", ui};
    ASSERT_TRUE(Prepara_Rmnra(ctx, {2024, 3, 1}, {2024, 3, 31}));
    EXPECT_EQ(asText(query(again, kBookSql)), asText(preparedBook()));
    EXPECT_EQ(asText(query(again, kFormulasSql)), asText(correctedFormulas()));
    ASSERT_EQ(ui.reports.size(), 1u);
    EXPECT_EQ(ui.reports[0].name, "rptOficial");
}

class FaultPrepareBookTest : public test::FirebirdTest {
protected:
    void SetUp() override {
        RegionalSettings::setCurrent(RegionalSettings::brazilian());
        setenv("ORVANTIS_HOME", db.suiteFolder().c_str(), 1);
        fillMonth(db.main());
    }
    void TearDown() override { unsetenv("ORVANTIS_HOME"); }

    BookContext context() { return BookContext{db.main(), kCnpj, "", ui}; }

    HookedUi ui;
};

TEST_F(FaultPrepareBookTest, ALockedFormulaIsWaitedForAndWhatTheOtherProgramDecidedKept) {
    struct Case {
        bool commits;
        std::string prescribed; // order 3 afterwards
    };
    // Committed, the other program's quantity stands and the book prints it; rolled back,
    // the formula is corrected as any other.
    for (const Case& c : {Case{true, "90"}, Case{false, "33"}}) {
        test::execute(db.main(), "update PEDIFORM set QDE_CAPS_PRESCRITA = null");
        fb::Attachment other = db.attachMainAgain();
        auto otherTx = std::make_unique<fb::Transaction>(other.startTransaction());
        otherTx->execute("update PEDIFORM set QDE_CAPS_PRESCRITA = 90 where ESTACAO = '01' and "
                         "NPEDIDO = 3 and NFORMULA = 1");
        auto finisher = std::async(std::launch::async, [&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(1000));
            if (c.commits)
                otherTx->commit();
            else
                otherTx->rollback();
        });

        const auto started = std::chrono::steady_clock::now();
        BookContext ctx = context();
        ASSERT_TRUE(Prepara_Rmnra(ctx, {2024, 3, 1}, {2024, 3, 31}));
        const auto waited = std::chrono::steady_clock::now() - started;
        finisher.get();
        EXPECT_GE(waited, std::chrono::milliseconds(900)) << c.commits;

        auto book = preparedBook();
        book[2][4] = c.prescribed + " CAP";
        auto formulas = correctedFormulas();
        formulas[2][4] = std::stoi(c.prescribed);
        EXPECT_EQ(asText(query(db.main(), kBookSql)), asText(book)) << c.commits;
        EXPECT_EQ(asText(query(db.main(), kFormulasSql)), asText(formulas)) << c.commits;
    }
}

TEST_F(FaultPrepareBookTest, AnUnwritableReportFileNamesItsPathAfterTheBookIsStored) {
    // A report with problems: the notification of order 2 is missing.
    test::execute(db.main(), "update PEDIFORM set NUMERONOTIFICACAO = null where NPEDIDO = 2");
    // Root writes into read-only folders: a missing folder, and a file in the folder's place.
    const std::string blocked = db.suiteFolder() + "bloqueado";
    std::ofstream(blocked) << "x";
    for (const std::string& folder : {db.suiteFolder() + "nao-existe", blocked}) {
        setenv("ORVANTIS_HOME", folder.c_str(), 1);
        BookContext ctx = context();
        try {
            Prepara_Rmnra(ctx, {2024, 3, 1}, {2024, 3, 31});
            ADD_FAILURE() << "the report file was written in " << folder;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find("\"" + folder + "/DM.RMNRA.TXT\""),
                      std::string::npos)
                << e.what();
        }
    }
    auto book = preparedBook();
    book[1][3] = "";
    EXPECT_EQ(asText(query(db.main(), kBookSql)), asText(book));
    EXPECT_EQ(asText(query(db.main(), kFormulasSql)), asText(correctedFormulas()));
    EXPECT_TRUE(ui.inconsistencyPanels.empty());
}

TEST_F(FaultPrepareBookTest, AFullDiskKeepsTheEarlierReportWholeAndTheBookStored) {
    test::execute(db.main(), "update PEDIFORM set NUMERONOTIFICACAO = null");
    const std::string path = inconsistencyReportPath();
    const std::vector<std::string> earlier = {"RELAT\xD3RIO ANTERIOR", "01.9.1 linha antiga"};
    writeReportFile(path, earlier);

    // The disk fills once the book is stored, while the rows are checked: room for the
    // title lines of the report, not for its six problem lines.
    std::optional<test::FileSizeLimit> disk;
    ui.onEvents = [&] {
        if (!disk && ui.labels.back() == "Verificando Inconsist\xEAncia")
            disk.emplace(120);
    };
    BookContext ctx = context();
    try {
        Prepara_Rmnra(ctx, {2024, 3, 1}, {2024, 3, 31});
        ADD_FAILURE() << "a report that did not fit was taken as written";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("\"" + path + "\""), std::string::npos) << e.what();
    }
    ASSERT_TRUE(disk.has_value());
    disk.reset();
    EXPECT_EQ(readReportFile(path), earlier);
    for (const auto& entry : std::filesystem::directory_iterator(db.suiteFolder()))
        EXPECT_FALSE(entry.is_regular_file() && entry.path().filename() != "DM.RMNRA.TXT")
            << "left behind: " << entry.path();
    EXPECT_TRUE(ui.inconsistencyPanels.empty());

    auto book = preparedBook();
    for (int n = 0; n < 6; ++n)
        book[n][3] = "";
    EXPECT_EQ(asText(query(db.main(), kBookSql)), asText(book));
    EXPECT_EQ(asText(query(db.main(), kFormulasSql)), asText(correctedFormulas()));
}

} // namespace
} // namespace rmnra
