// The book subcommands run as a user runs them: the program copied beside its own
// ORVANTIS.INI, a demo suite, the password from RMNRA_PASSWORD.
#include "support/TempDir.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace rmnra {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
};

std::string fileText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class CommandLineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new test::TempDir;
        fs::create_directories(dir_->path() / "bin");
        program_ = (dir_->path() / "bin" / "rmnra").string();
        fs::copy_file(fs::path(RMNRA_TEST_BINARY_DIR) / "bin" / "rmnra", program_);
        dir_->write("bin/ORVANTIS.INI", "IP DO SERVIDOR CENTRAL.........................: \r\n");
        suite_ = dir_->folder() + "suite/";
        ASSERT_EQ(run("create-suite " + suite_ + " --demo").status, 0);
        fs::create_directories(suite_ + "RPT");
        fs::copy_file(fs::path(RMNRA_TEST_SOURCE_DIR) / "src/reports/rptRMNRA.xml",
                      suite_ + "RPT/rptRMNRA.xml", fs::copy_options::overwrite_existing);
    }
    static void TearDownTestSuite() { delete dir_; }

    void SetUp() override {
        setenv("ORVANTIS_HOME", suite_.c_str(), 1);
        setenv("RMNRA_PASSWORD", "1234", 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }

    static Outcome run(const std::string& args) {
        Outcome r;
        FILE* p = popen((program_ + " " + args + " 2>/dev/null").c_str(), "r");
        std::array<char, 4096> buf;
        size_t n;
        while ((n = fread(buf.data(), 1, buf.size(), p)) > 0)
            r.out.append(buf.data(), n);
        int status = pclose(p);
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return r;
    }

    static test::TempDir* dir_;
    static std::string program_;
    static std::string suite_;
};

test::TempDir* CommandLineTest::dir_ = nullptr;
std::string CommandLineTest::program_;
std::string CommandLineTest::suite_;

TEST_F(CommandLineTest, PrepareWritesTheBookAndPrintsTheInconsistencies) {
    const std::string pdf = dir_->folder() + "book.pdf";
    const std::string html = dir_->folder() + "book.html";
    Outcome r = run("prepare --user DEMO --pdf " + pdf + " --html " + html);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(fileText(pdf).substr(0, 5), "%PDF-");
    EXPECT_FALSE(fileText(html).empty());
    // stdout holds the report's lines, as saved (there in Windows-1252 with CR LF).
    std::string saved = fileText(suite_ + "DM.RMNRA.TXT");
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(r.out.rfind("RELAT\xC3\x93RIO DE ERROS DE CONSIST\xC3\x8ANCIA\n", 0), 0u) << r.out;
    size_t savedLines = 0, printedLines = 0;
    for (char c : saved)
        savedLines += c == '\n';
    for (char c : r.out)
        printedLines += c == '\n';
    EXPECT_EQ(printedLines, savedLines);

    Outcome book = run("book --user DEMO --detail --html " + dir_->folder() + "detail.html");
    EXPECT_EQ(book.status, 0);
    EXPECT_TRUE(fs::exists(dir_->folder() + "detail.html"));
}

TEST_F(CommandLineTest, RefusalsAndWrongArgumentsEndWithTheirStatus) {
    EXPECT_EQ(run("prepare").status, 2);
    EXPECT_EQ(run("prepare --user DEMO --bogus").status, 2);
    EXPECT_EQ(run("correct --user DEMO --pdf x.pdf").status, 2);
    setenv("RMNRA_PASSWORD", "9999", 1);
    EXPECT_EQ(run("correct --user DEMO").status, 1);
}

TEST_F(CommandLineTest, CorrectionAndFormatterRun) {
    EXPECT_EQ(run("correct --user DEMO").status, 0);
    EXPECT_EQ(run("format-dcb --user DEMO").status, 0);
}

} // namespace
} // namespace rmnra
