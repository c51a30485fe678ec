// Faults the window meets: a database that cannot be reached at the login, and another
// program changing the registration row while the panel is open.

#include "WindowHarness.h"
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
            line.push_back(v.isNull() ? "<null>" : v.textOr());
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

} // namespace
} // namespace rmnra::test
