// Faults the window meets: a database that cannot be reached at the login, and another
// program changing the registration row while the panel is open.

#include "WindowHarness.h"
#include "book/PrepareBook.h"
#include "book/SuiteData.h"
#include "data/DatabaseNames.h"
#include "support/FirebirdServer.h"
#include "window/ProgressPanel.h"
#include "window/RegistrationPanel.h"

#include <QComboBox>
#include <QPushButton>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace rmnra::test {
namespace {

const std::string kCnpj = "12345678000195";

// A loopback port nobody listens on: bound, read and closed again.
int closedLoopbackPort() {
    int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(s);
    return ntohs(a.sin_port);
}

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

TEST_F(WindowTest, AnUnreachableDatabaseAtTheLoginIsReportedAndThePanelStays) {
    addUser("MARIA", "SEG");
    const std::string unreachable =
        "127.0.0.1/" + std::to_string(closedLoopbackPort()) + ":/orvantis/dados/orvantis.bd";
    session.dm.connection().setDatabase(unreachable);

    for (int attempt = 1; attempt <= 2; ++attempt) {
        typeLogin("MARIA", "SEG");
        ASSERT_EQ(sink.errors.size(), size_t(attempt));
        const QString message = sink.errors.back().message;
        EXPECT_TRUE(message.startsWith(QString::fromUtf8(
            "Não foi possível conectar ao banco de dados \"" + unreachable + "\".")))
            << message.toStdString();
        EXPECT_TRUE(login().isVisible());
        EXPECT_TRUE(window->isVisible());
    }
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join("|").toStdString();

    // Once the database is reachable the same window logs in.
    session.dm.connection().setDatabase(db.mainPath());
    addWorkArea("MARIA", "01", kCnpj);
    typeLogin("MARIA", "SEG");
    EXPECT_EQ(sink.errors.size(), 2u);
    EXPECT_FALSE(login().isVisible());
    EXPECT_EQ(session.runValues.currentCnpj(), kCnpj);
}

class RegistrationFaultTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        login().hide();
        session.runValues.setCurrentCnpj(kCnpj);
        sql("insert into DADOSGER (CGC, FIRMA, SECRETARIA_SAUDE, MES, EXERCICIO) "
            "values (?, ?, ?, ?, ?)",
            {kCnpj, "FARMACIA CENTRAL", "SES", "JANEIRO", "2025"});
        sql("insert into DADOSGER (CGC, FIRMA, MES, EXERCICIO) values (?, ?, ?, ?)",
            {"99888777000166", "OUTRA FARMACIA", "MAIO", "2024"});
    }
    std::vector<std::vector<std::string>> registrations() {
        return asText(rows("select CGC, FIRMA, SECRETARIA_SAUDE, MES, EXERCICIO, CRF_Q from "
                           "DADOSGER order by CGC"));
    }
    ui::RegistrationPanel& panel() { return *window->painelConfigLivro(); }
    QLineEdit* field(const char* column) { return panel().field(column); }
};

TEST_F(RegistrationFaultTest, ARowChangedByAnotherProgramIsNotOverwritten) {
    window->actConfCadExecute();
    ASSERT_TRUE(panel().isVisible());

    // Another program of the suite changes the row while the user types.
    fb::Attachment other = db.attachMainAgain();
    {
        auto tr = other.startTransaction();
        tr.execute("update DADOSGER set FIRMA = ?, MES = ? where CGC = ?",
                   {"FARMACIA RENOMEADA", "FEVEREIRO", kCnpj});
        tr.commit();
    }
    const auto afterOther = registrations();

    field("SECRETARIA_SAUDE")->setFocus();
    field("SECRETARIA_SAUDE")->selectAll();
    QTest::keyClicks(field("SECRETARIA_SAUDE"), "SES-SP");
    panel().monthList()->setCurrentText("MARCO");
    QTest::mouseClick(panel().exitButton(), Qt::LeftButton);

    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].startsWith("Os dados cadastrais não foram gravados:"))
        << sink.messages[0].toStdString();
    EXPECT_TRUE(sink.messages[0].contains("alterado ou exclu")) << sink.messages[0].toStdString();
    EXPECT_TRUE(panel().isVisible());
    EXPECT_EQ(field("SECRETARIA_SAUDE")->text(), "SES-SP");
    EXPECT_EQ(field("FIRMA")->text(), "FARMACIA CENTRAL");
    EXPECT_EQ(panel().monthList()->currentText(), "MARCO");
    EXPECT_EQ(registrations(), afterOther);

    // Leaving again is refused again: the panel never writes over what it did not read.
    QTest::mouseClick(panel().exitButton(), Qt::LeftButton);
    EXPECT_EQ(sink.messages.size(), 2);
    EXPECT_EQ(registrations(), afterOther);

    // Discarding and opening again shows the other program's row.
    QTest::keyClick(field("FIRMA"), Qt::Key_Escape);
    EXPECT_FALSE(panel().isVisible());
    window->actConfCadExecute();
    EXPECT_EQ(field("FIRMA")->text(), "FARMACIA RENOMEADA");
    EXPECT_EQ(panel().monthList()->currentText(), "FEVEREIRO");
    EXPECT_TRUE(sink.errors.empty());
}

// Passes everything on to the window's interface, and stops the server at the third
// repaint the walk asks for.
class StoppingUi : public UserInterface {
public:
    StoppingUi(UserInterface& inner, FirebirdServer* server) : inner_(inner), server_(server) {}
    void showMessage(const std::string& t) override { inner_.showMessage(t); }
    void progressSetBounds(int l, int t, int w, int h) override {
        inner_.progressSetBounds(l, t, w, h);
    }
    void progressMove(int l, int t) override { inner_.progressMove(l, t); }
    void progressShow() override { inner_.progressShow(); }
    void progressHide() override { inner_.progressHide(); }
    void progressSetMaximum(int m) override { inner_.progressSetMaximum(m); }
    void progressSetPosition(int p) override { inner_.progressSetPosition(p); }
    void progressSetLabel(const std::string& t) override { inner_.progressSetLabel(t); }
    void progressRepaint() override { inner_.progressRepaint(); }
    void showInconsistencies(const std::vector<std::string>& l) override {
        inner_.showInconsistencies(l);
    }
    void runReport(const std::string& n, const ReportData& d) override { inner_.runReport(n, d); }
    void processPendingEvents() override {
        inner_.processPendingEvents();
        if (server_ && ++calls_ == 3)
            server_->stop();
    }

private:
    UserInterface& inner_;
    FirebirdServer* server_;
    int calls_ = 0;
};

// The window over a server of its own, which the test stops and starts again.
class ServerWindowTest : public ::testing::Test {
protected:
    ServerWindowTest() : server("rmnra-fault-8W") {
        setenv("ISC_USER", "SYSDBA", 1);
        setenv("ISC_PASSWORD", server.password().c_str(), 1);
        setenv("ORVANTIS_HOME", server.dataFolder().c_str(), 1);
        setenv("ORVANTIS_SERVER_HOME", server.dataFolder().c_str(), 1);
        settings.CentralServerIp = server.host();
        std::filesystem::create_directories(server.dataFolder() + "dados");
        createMainDatabase(fb::Client::load(fb::kClientLibraryName), mainDatabaseName(settings),
                           false)
            .detach();
        ui::setLogFolder(server.dataFolder() + "LOG/");
    }
    ~ServerWindowTest() override {
        window.reset();
        ui::setLogFolder("");
        for (auto v : {"ISC_USER", "ISC_PASSWORD", "ORVANTIS_HOME", "ORVANTIS_SERVER_HOME"})
            unsetenv(v);
    }
    void SetUp() override {
        session.emplace(settings, fb::kClientLibraryName);
        dadosGer.emplace(session->dm);
        SuiteData s(session->dm.attachment());
        s.registration(kCnpj, "MAR\xC7O", "2024");
        s.catalogue("DIAZ", "S", "A", "D01");
        for (int n = 1; n <= 5; ++n) {
            s.order("01", n, {2024, 3, n}, "Pedido", "DR A", "CRM1");
            s.formula("01", n, 1, "CAPSULA", 30, nullptr, "N1", Date{2024, 3, n});
            s.component("01", n, 1, "DIAZEPAM", "DIAZ", 5.0, "mg");
        }
        s.bookRow(kCnpj, "OLD");
        s.commit();

        ui::WindowServices services;
        services.runValues = &session->runValues;
        services.registration = &*dadosGer;
        services.reportRunner = [this](const std::string& name, const ReportData&) {
            reports.push_back(name);
        };
        services.prepareBook = [this](UserInterface& ui) {
            StoppingUi stopping(ui, stopDuringPreparation ? &server : nullptr);
            BookContext ctx{session->dm.attachment(), kCnpj, "", stopping};
            Prepara_Rmnra(ctx, {2024, 3, 1}, {2024, 3, 31});
        };
        window = std::make_unique<ui::FormRelatAdministrativo>(services);
        window->resize(800, 600);
        window->show();
        window->painelLogin()->hide();
        session->runValues.setCurrentCnpj(kCnpj);
    }
    std::vector<std::vector<std::string>> table(const std::string& sql) {
        return asText(session->dm.connection().query(sql));
    }

    FirebirdServer server;
    AppSettings settings;
    std::optional<Session> session;
    std::optional<DadosGerStore> dadosGer;
    RecordingSink sink;
    std::vector<std::string> reports;
    bool stopDuringPreparation = true;
    std::unique_ptr<ui::FormRelatAdministrativo> window;
};

TEST_F(ServerWindowTest, AServerLostMidCommandIsReportedAndTheWindowGoesOnOnceItIsBack) {
    const char* book = "select CNPJ, DCB, QDE_PRESCRICAO from RMNRB2 order by NPEDIDO";
    const char* formulas = "select NPEDIDO, QDE_CAPS_PRESCRITA from PEDIFORM order by 1";
    const auto bookBefore = table(book);
    const auto formulasBefore = table(formulas);

    window->actPrepararLivroExecute();
    ASSERT_EQ(sink.errors.size(), 1u);
    EXPECT_FALSE(sink.errors[0].message.isEmpty());
    EXPECT_TRUE(reports.empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->painelTermometro()->isVisible());

    server.start();
    EXPECT_EQ(table(book), bookBefore);
    EXPECT_EQ(table(formulas), formulasBefore);

    stopDuringPreparation = false;
    window->actPrepararLivroExecute();
    EXPECT_EQ(reports, std::vector<std::string>{"rptOficial"});
    EXPECT_EQ(table(book), (std::vector<std::vector<std::string>>(5, {kCnpj, "D01", "30 CAP"})));
    EXPECT_EQ(table(formulas),
              (std::vector<std::vector<std::string>>{
                  {"1", "30"}, {"2", "30"}, {"3", "30"}, {"4", "30"}, {"5", "30"}}));
}

} // namespace
} // namespace rmnra::test
