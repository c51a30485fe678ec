#include "login/LoginUser.h"

#include "AppTestSupport.h"
#include "security/CredentialEncoding.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <map>

namespace rmnra {
namespace {

class FakeUsers : public UserDirectory {
public:
    std::optional<StoredUser> findUser(const std::string& encodedName) override {
        lookups.push_back(encodedName);
        auto it = users.find(encodedName);
        if (it == users.end())
            return std::nullopt;
        return it->second;
    }
    void add(const std::string& name, const std::string& password, const std::string& access) {
        users[EncodeCredential(name)] = {EncodeCredential(name), EncodeCredential(password),
                                         access};
    }
    std::map<std::string, StoredUser> users;
    std::vector<std::string> lookups;
};

class FakeWorkArea : public WorkAreaIdentifier {
public:
    WorkArea identify(UserInterface&) override { return result; }
    WorkArea result;
};

// An access string granting the program to a user whose name starts with `initial`.
std::string accessFor(char initial, size_t length = 20) {
    std::string access(length, 'X');
    if (length >= 14)
        access[13] = static_cast<char>(static_cast<unsigned char>(initial) + 15);
    return access;
}

class LoginUserTest : public ::testing::Test {
protected:
    test::TempDir dir;
    FakeUsers users;
    test::RecordingUserInterface ui;
    LoginUser login{users, ui, dir.folder() + "LOG"};
};

TEST_F(LoginUserTest, RefusalsShowTheSuiteMessages) {
    users.add("MARIA", "SEG", accessFor('M'));
    users.add("JOSE", "X", accessFor('J', 13));
    struct Case {
        std::string name, password;
        LoginOutcome outcome;
        std::string message;
    };
    const Case cases[] = {
        {"", "SEG", LoginOutcome::EmptyName, "N\xE3o foi informado o Nome do Usu\xE1rio."},
        {"PEDRO", "SEG", LoginOutcome::UnknownUser, "Usu\xE1rio PEDRO n\xE3o autorizado"},
        // A trailing space is encoded with the name, which is then not found.
        {"MARIA ", "SEG", LoginOutcome::UnknownUser, "Usu\xE1rio MARIA  n\xE3o autorizado"},
        {"MARIA", "SEGX", LoginOutcome::WrongPassword, "Senha incorreta. Tente novamente."},
        // Seven characters can never match the six a stored password holds.
        {"MARIA", "SEGSEGS", LoginOutcome::WrongPassword, "Senha incorreta. Tente novamente."},
        // A 13-character access string does not reach the grant.
        {"JOSE", "X", LoginOutcome::NotGranted, "Usu\xE1rio JOSE n\xE3o autorizado"},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        EXPECT_EQ(login.checkCredentials(c.name, c.password), c.outcome) << c.name;
        ASSERT_EQ(ui.messages.size(), 1u) << c.name;
        EXPECT_EQ(ui.messages[0], c.message);
    }
}

TEST_F(LoginUserTest, PasswordIsUpperCasedAndEmptyMatchesEmpty) {
    users.add("MARIA", "SEG", accessFor('M'));
    users.add("ANA", "", accessFor('A'));
    EXPECT_EQ(login.checkCredentials("MARIA", "seg"), LoginOutcome::Granted);
    EXPECT_EQ(login.checkCredentials("ANA", ""), LoginOutcome::Granted);
    EXPECT_TRUE(ui.messages.empty());
    // The name is looked up encoded, upper-cased.
    EXPECT_EQ(users.lookups.back(), EncodeCredential("ANA"));
}

TEST_F(LoginUserTest, LogFolderIsCreatedAtEveryAttempt) {
    login.checkCredentials("", "");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "LOG"));
    login.checkCredentials("", ""); // an existing folder is no error
}

TEST(LoginGrant, FourteenthCharacterIsTheInitialShiftedBy15) {
    struct Case {
        std::string access;
        char initial;
        bool granted;
    };
    const Case cases[] = {
        {std::string(13, 'X') + "\\", 'M', true}, // 'M' + 15 = '\'
        {std::string(13, 'X') + "\\" + "YYYYYY", 'M', true},
        {std::string(13, 'X') + "]", 'M', false},
        {std::string(13, 'X'), 'M', false},
        {"", 'M', false},
        // 8-bit codes wrap: 0xF5 + 15 = 0x04.
        {std::string(13, 'X') + "\x04", '\xF5', true},
        // Only the first 20 characters are kept, and the grant is within them.
        {std::string(13, 'X') + "P" + std::string(30, 'Z'), 'A', true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoginUser::grantsProgram(c.access, c.initial), c.granted) << c.access;
}

TEST_F(LoginUserTest, NoWorkAreaEndsWithTheLoginMessage) {
    RunValues run;
    FakeWorkArea area;
    EXPECT_FALSE(login.identifyWorkArea("maria", run, area).has_value());
    EXPECT_EQ(run.currentUserName(), "MARIA");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "N\xE3o foi identificada uma \xE1rea de trabalho para o usu\xE1ro MARIA");

    area.result = {"C:\\orvantis\\interfac01\\orvantis.bd", "  RMNRA  -  Usu\xE1rio: ..."};
    EXPECT_EQ(login.identifyWorkArea("MARIA", run, area), area.result.caption);
}

} // namespace
} // namespace rmnra
