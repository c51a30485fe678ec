// Error reports go to the "LOG" folder and to the error box, where anyone at the pharmacy may
// read them: they must never hold a typed password nor what USUARIOS stores.
#include "WindowHarness.h"
#include "errors/ErrorReport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>

namespace rmnra::test {
namespace {

constexpr const char* kName = "MARIA";
constexpr const char* kTypedPassword = "zq7kwx";
constexpr const char* kPassword = "ZQ7KWX"; // as stored: upper-cased before encoding

// The real directory, failing after it has read the user's row (a connection lost in the
// middle of a login): the typed password and the stored row are all in memory when the
// error is reported.
class FailingDirectory : public UserDirectory {
public:
    explicit FailingDirectory(UserDirectory& inner) : inner_(inner) {}
    std::optional<StoredUser> findUser(const std::string& encodedName) override {
        std::optional<StoredUser> user = inner_.findUser(encodedName);
        if (fail)
            throw std::runtime_error("Erro de rede: a conex\xE3o com o servidor foi perdida.");
        return user;
    }
    bool fail = true;

private:
    UserDirectory& inner_;
};

class SecretsTest : public WindowTest {
protected:
    SecretsTest() : failing(users) {}

    void SetUp() override {
        addUser(kName, kPassword);
        addWorkArea(kName, "01", "12345678000195");
        for (const auto& row : rows("select USUARIO, SENHA, ACESSO from USUARIOS"))
            for (const auto& value : row)
                stored.push_back(value.textOr());
        ASSERT_EQ(stored.size(), 3u);

        ui::WindowServices s;
        s.runValues = &session.runValues;
        s.users = &failing;
        s.workArea = &workArea;
        s.registration = &store;
        s.correctCapsules = [](UserInterface&) {
            const std::string secret = kPassword;
            throw std::logic_error("Falha ao acertar as quantidades (" +
                                   std::to_string(secret.size()) + ")");
        };
        window = std::make_unique<ui::FormRelatAdministrativo>(s);
        window->resize(800, 600);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->formActivate();
    }

    // Every file of the LOG folder, and every error box shown, as one text.
    std::string everythingReported() const {
        std::string text;
        for (const auto& entry :
             std::filesystem::recursive_directory_iterator(db.suiteFolder() + "LOG")) {
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream content;
            content << in.rdbuf();
            text += content.str();
        }
        for (const auto& box : sink.errors)
            text += (box.message + "\n" + box.details).toStdString();
        return text;
    }

    void expectNoSecretIn(const std::string& reported) const {
        std::vector<std::string> secrets = {kTypedPassword, kPassword, EncodeCredential(kPassword)};
        secrets.insert(secrets.end(), stored.begin(), stored.end());
        for (const std::string& secret : secrets) {
            ASSERT_GE(secret.size(), 6u); // long enough not to appear by chance
            EXPECT_EQ(reported.find(secret), std::string::npos) << "\"" << secret << "\" in:\n"
                                                                << reported;
        }
    }

    FailingDirectory failing;
    std::vector<std::string> stored; // USUARIO, SENHA and ACESSO as the table holds them
};

TEST_F(SecretsTest, ReportsOfAnErrorDuringAndAfterTheLoginHoldNoPasswordNorUserRow) {
    // During: the login fails after the user's row was read.
    typeLogin(kName, kTypedPassword);
    ASSERT_EQ(sink.errors.size(), 1u);
    EXPECT_TRUE(sink.errors[0].details.contains("Comando: LoginUser"));
    const std::string duringLogin = everythingReported();
    // The report is in the log file as well as in the box.
    const auto first = duringLogin.find("Comando: LoginUser");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(duringLogin.find("Comando: LoginUser", first + 1), std::string::npos) << duringLogin;
    expectNoSecretIn(duringLogin);

    // After: the next attempt succeeds, then a command fails.
    failing.fail = false;
    typeLogin(kName, kTypedPassword);
    ASSERT_FALSE(login().isVisible()) << sink.messages.join("|").toStdString();
    window->AcertarInconsistncias1Click();
    ASSERT_EQ(sink.errors.size(), 2u);
    const std::string reported = everythingReported();
    EXPECT_NE(reported.find("Falha ao acertar as quantidades"), std::string::npos);
    expectNoSecretIn(reported);
}

} // namespace
} // namespace rmnra::test
