// `rmnra login` as an administrator runs it: the program copied beside its own
// ORVANTIS.INI, a demo suite, the password from RMNRA_PASSWORD or standard input.
#include "support/TempDir.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace rmnra {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out; // stdout and stderr, in order
};

class LoginCommandTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new test::TempDir;
        fs::create_directories(dir_->path() / "bin");
        program_ = (dir_->path() / "bin" / "rmnra").string();
        fs::copy_file(fs::path(RMNRA_TEST_BINARY_DIR) / "bin" / "rmnra", program_);
        dir_->write("bin/ORVANTIS.INI", "IP DO SERVIDOR CENTRAL.........................: \r\n");
        suite_ = dir_->folder() + "suite/";
        ASSERT_EQ(run("", "create-suite " + suite_ + " --demo").status, 0);
    }
    static void TearDownTestSuite() { delete dir_; }

    void SetUp() override {
        setenv("ORVANTIS_HOME", suite_.c_str(), 1);
        unsetenv("RMNRA_PASSWORD");
    }
    void TearDown() override { unsetenv("ORVANTIS_HOME"); }

    static Outcome run(const std::string& input, const std::string& args) {
        Outcome r;
        const std::string command = "printf '" + input + "' | " + program_ + " " + args + " 2>&1";
        FILE* p = popen(command.c_str(), "r");
        std::array<char, 4096> buf;
        size_t n;
        while ((n = fread(buf.data(), 1, buf.size(), p)) > 0)
            r.out.append(buf.data(), n);
        const int status = pclose(p);
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return r;
    }

    static test::TempDir* dir_;
    static std::string program_;
    static std::string suite_;
};

test::TempDir* LoginCommandTest::dir_ = nullptr;
std::string LoginCommandTest::program_;
std::string LoginCommandTest::suite_;

TEST_F(LoginCommandTest, PrintsTheWorkAreaWithThePasswordFromStandardInput) {
    const Outcome r = run("1234\\r\\n", "login --user demo");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, "  RMNRA  -  Usuário: \"DEMO\"   Estação: 01  Loja: 11.222.333/0001-81\n");
    EXPECT_TRUE(fs::is_directory(dir_->path() / "bin" / "LOG"));
}

TEST_F(LoginCommandTest, RefusalsAreMessagesOnStderrWithStatus1) {
    setenv("RMNRA_PASSWORD", "errada", 1);
    Outcome r = run("", "login --user DEMO");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Senha incorreta. Tente novamente.\n");

    r = run("", "login --user NINGUEM");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Usuário NINGUEM não autorizado\n");

    r = run("", "login --user DEMO extra");
    EXPECT_EQ(r.status, 2);
}

} // namespace
} // namespace rmnra
