#include "AppTestSupport.h"
#include "errors/CrashHandler.h"
#include "errors/ErrorReport.h"
#include "errors/ErrorReporter.h"
#include "support/TempDir.h"
#include "window/CommandRunner.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>

namespace rmnra::test {

// Outside the anonymous namespace so that its name is exported to the stack trace.
[[noreturn]] void failDeepInside() {
    throw std::out_of_range("Posi\xE7\xE3o fora do livro");
}

namespace {

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ErrorReportingTest : public ::testing::Test {
protected:
    ErrorReportingTest() { ui::setLogFolder(dir.folder() + "LOG/"); }
    ~ErrorReportingTest() override { ui::setLogFolder(""); }
    std::string logText() const {
        return readAll(dir.path() / "LOG" / errorLogFileName(std::time(nullptr)));
    }

    TempDir dir;
    RecordingSink sink;
};

TEST_F(ErrorReportingTest, FailedCommandIsShownLoggedAndTheWindowGoesOn) {
    ui::CommandRunner runner(nullptr);
    EXPECT_FALSE(runner.run("actPrepararLivroExecute", [] { failDeepInside(); }));
    ASSERT_EQ(sink.errors.size(), 1u);
    EXPECT_EQ(sink.errors[0].message, "Posição fora do livro");
    const QString details = sink.errors[0].details;
    EXPECT_TRUE(details.contains("Comando: actPrepararLivroExecute"));
    EXPECT_TRUE(details.contains("Classe: std::out_of_range"));
    EXPECT_TRUE(details.contains("RMNRA versão " RMNRA_VERSION));
    // The stack is the one of the throw, not of the catch.
    EXPECT_TRUE(details.contains("failDeepInside")) << details.toStdString();

    const std::string log = logText();
    EXPECT_NE(log.find("Comando: actPrepararLivroExecute"), std::string::npos);
    EXPECT_NE(log.find("Posi\xC3\xA7\xC3\xA3o fora do livro"), std::string::npos); // UTF-8

    EXPECT_FALSE(runner.busy());
    bool ran = false;
    EXPECT_TRUE(runner.run("actConfCadExecute", [&] { ran = true; }));
    EXPECT_TRUE(ran);
}

TEST_F(ErrorReportingTest, CommandStartedWhileAnotherRunsIsIgnored) {
    ui::CommandRunner runner(nullptr);
    bool inner = false;
    EXPECT_TRUE(runner.run("actPrepararLivroExecute", [&] {
        EXPECT_FALSE(runner.run("actSairExecute", [&] { inner = true; }));
    }));
    EXPECT_FALSE(inner);
    EXPECT_TRUE(sink.errors.empty());
}

class ThrowingObject : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw 42;
        return QObject::event(e);
    }
};

TEST_F(ErrorReportingTest, ErrorLeavingAnEventHandlerIsCaughtAtTheLoop) {
    ThrowingObject target;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&target, &event));
    ASSERT_EQ(sink.errors.size(), 1u);
    EXPECT_TRUE(sink.errors[0].details.contains("Classe: int"));
}

TEST_F(ErrorReportingTest, CrashSignalWritesTheReportBeforeTheProcessEnds) {
    // The death test runs in a fresh process, which inherits the folder through the
    // environment.
    if (!std::getenv("RMNRA_TEST_CRASH_FOLDER"))
        setenv("RMNRA_TEST_CRASH_FOLDER", (dir.folder() + "LOG/").c_str(), 1);
    const std::string folder = std::getenv("RMNRA_TEST_CRASH_FOLDER");
    EXPECT_DEATH(
        {
            installCrashHandler(folder);
            setRunningCommand("FormatarDescrioDCB1Click");
            std::raise(SIGSEGV);
        },
        "");
    const std::string log =
        readAll(std::filesystem::path(folder) / errorLogFileName(std::time(nullptr)));
    unsetenv("RMNRA_TEST_CRASH_FOLDER");
    EXPECT_NE(log.find("SIGSEGV"), std::string::npos) << log;
    EXPECT_NE(log.find("Comando: FormatarDescrioDCB1Click"), std::string::npos);
    EXPECT_NE(log.find("RMNRA vers\xC3\xA3o " RMNRA_VERSION), std::string::npos);
}

TEST(ErrorReport, UnwritableLogFolderIsNoSecondError) {
    ErrorReport r = describeError(std::make_exception_ptr(std::runtime_error("x")), "");
    EXPECT_EQ(appendErrorLog("/proc/no-such-folder/LOG/", r), "");
    EXPECT_NE(formatErrorDetails(r).find("Comando: (nenhum)"), std::string::npos);
}

} // namespace
} // namespace rmnra::test
