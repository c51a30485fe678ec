#include "CrashHandler.h"

#include "ErrorReport.h"

#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace rmnra {
namespace {

// Everything the handler needs is prepared beforehand: it may only call async-signal-safe
// functions (open, write, backtrace_symbols_fd once backtrace has been loaded).
char folder[4096];
char logPath[4352];
char command[128];
alignas(16) char alternateStack[64 * 1024];
constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

void put(int fd, const char* text) {
    if (write(fd, text, std::strlen(text)) < 0)
        return;
}

const char* signalName(int sig) {
    switch (sig) {
    case SIGSEGV:
        return "SIGSEGV (acesso inv\xC3\xA1lido \xC3\xA0 mem\xC3\xB3ria)";
    case SIGBUS:
        return "SIGBUS (erro de barramento)";
    case SIGFPE:
        return "SIGFPE (erro aritm\xC3\xA9tico)";
    case SIGILL:
        return "SIGILL (instru\xC3\xA7\xC3\xA3o ilegal)";
    case SIGABRT:
        return "SIGABRT (programa abortado)";
    default:
        return "desconhecido";
    }
}

void onCrash(int sig) {
    mkdir(folder, 0755); // made only when there is something to write
    const int fd = open(logPath, O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd >= 0) {
        put(fd, "==== Falha fatal ====\nPrograma: RMNRA vers\xC3\xA3o " RMNRA_VERSION "\n");
        put(fd, "Sinal: ");
        put(fd, signalName(sig));
        put(fd, "\nComando: ");
        put(fd, command[0] ? command : "(nenhum)");
        put(fd, "\nPilha de chamadas:\n");
        void* frames[64];
        const int count = backtrace(frames, 64);
        backtrace_symbols_fd(frames, count, fd);
        put(fd, "\n");
        close(fd);
    }
    signal(sig, SIG_DFL);
    raise(sig);
}

// The day's file, prepared outside the handler (at start and at every command).
void refreshLogPath() {
    if (!folder[0])
        return;
    const std::string path =
        (std::filesystem::path(folder) / errorLogFileName(std::time(nullptr))).string();
    std::strncpy(logPath, path.c_str(), sizeof logPath - 1);
}

} // namespace

void installCrashHandler(const std::string& logFolder) {
    std::strncpy(folder, logFolder.c_str(), sizeof folder - 1);
    refreshLogPath();
    // Loads the unwinder now: the first call may allocate, which a handler must not do.
    void* warm[1];
    backtrace(warm, 1);

    stack_t stack{};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof alternateStack;
    sigaltstack(&stack, nullptr); // a stack overflow still gets its report
    struct sigaction action {};
    action.sa_handler = onCrash;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_ONSTACK | SA_RESETHAND;
    for (int sig : kSignals)
        sigaction(sig, &action, nullptr);
}

void setRunningCommand(const char* name) {
    refreshLogPath();
    std::strncpy(command, name ? name : "", sizeof command - 1);
    command[sizeof command - 1] = '\0';
}

const char* runningCommand() {
    return command;
}

} // namespace rmnra
