#include "cli/CommandLineLogin.h"

#include "AppTestSupport.h"
#include "data/Session.h"
#include "errors/ErrorReporter.h"
#include "security/CredentialEncoding.h"
#include "settings/AppSettings.h"
#include "support/FirebirdFixture.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace rmnra::test {
namespace {

class CommandLineLoginTest : public FirebirdTest {
protected:
    CommandLineLoginTest()
        : home_(setenv("ORVANTIS_HOME", db.suiteFolder().c_str(), 1)),
          session(settings, fb::kClientLibraryName) {
        ui::setLogFolder(db.suiteFolder() + "LOG/");
        auto tr = db.main().startTransaction();
        tr.execute(
            "insert into USUARIOS (USUARIO, SENHA, ACESSO) values (?, ?, ?)",
            {EncodeCredential("MARIA"), EncodeCredential("SEG"), std::string(13, 'N') + "\\"});
        tr.execute("insert into ESTACOES (USUARIO, ESTACAO, DATBASNAM, CNPJ) values (?,?,?,?)",
                   {"MARIA", "01", "interfac01", "12345678000195"});
        tr.commit();
    }
    ~CommandLineLoginTest() override {
        unsetenv("RMNRA_PASSWORD");
        unsetenv("ORVANTIS_HOME");
        ui::setLogFolder("");
    }

    int home_;
    AppSettings settings;
    Session session;
    RecordingUserInterface ui;
};

TEST_F(CommandLineLoginTest, SameLoginAsTheWindow) {
    setenv("RMNRA_PASSWORD", "seg", 1);
    const auto ok = cli::loginFromCommandLine({"--user", "maria", "extra"}, session, ui);
    EXPECT_TRUE(ok.ok);
    EXPECT_EQ(ok.caption,
              "  RMNRA  -  Usu\xE1rio: \"MARIA\"   Esta\xE7\xE3o: 01  Loja: 12.345.678/0001-95");
    EXPECT_EQ(ok.otherArgs, std::vector<std::string>{"extra"});
    EXPECT_EQ(session.runValues.currentCnpj(), "12345678000195");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CommandLineLoginTest, RefusalsAreMessages) {
    setenv("RMNRA_PASSWORD", "errada", 1);
    EXPECT_FALSE(cli::loginFromCommandLine({"--user", "MARIA"}, session, ui).ok);
    EXPECT_FALSE(cli::loginFromCommandLine({}, session, ui).ok);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0], "Senha incorreta. Tente novamente.");
    EXPECT_EQ(ui.messages[1], "Informe o usu\xE1rio com --user NOME.");
}

} // namespace
} // namespace rmnra::test
