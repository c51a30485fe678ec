#pragma once

#include "TempDir.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <stdexcept>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace rmnra::test {

// A Firebird server of its own for client/server tests: a private Firebird root in a temporary
// folder (its own configuration, lock folder and a new security database whose SYSDBA has the
// given password), listening on a free loopback port. Nothing of the machine's own Firebird
// set-up is used or changed. The server is stopped by its process id when the object goes.
class FirebirdServer {
public:
    static constexpr const char* kServerProgram = "/usr/sbin/firebird";
    static constexpr const char* kIsql = "/usr/bin/isql-fb";
    static constexpr const char* kFirebirdRoot = "/usr/lib/x86_64-linux-gnu/firebird/3.0";

    explicit FirebirdServer(std::string sysdbaPassword) : password_(std::move(sysdbaPassword)) {
        for (const char* program : {kServerProgram, kIsql})
            if (!std::filesystem::exists(program))
                throw std::runtime_error(std::string(program) +
                                         " is missing (scripts/install-deps)");
        port_ = freeLoopbackPort();
        makeRoot();
        start();
    }
    ~FirebirdServer() { stop(); }
    FirebirdServer(const FirebirdServer&) = delete;
    FirebirdServer& operator=(const FirebirdServer&) = delete;

    // "127.0.0.1/PORT", as CentralServerIp names a server with its port.
    std::string host() const { return "127.0.0.1/" + std::to_string(port_); }
    int port() const { return port_; }
    const std::string& password() const { return password_; }
    // A folder for the server's databases, ending in '/'.
    std::string dataFolder() const { return dir_.folder() + "data/"; }

    // Starts the server again after stop(), on the same port and databases.
    void start() {
        if (pid_ > 0)
            return;
        pid_ = spawn({kServerProgram, "-p", std::to_string(port_)}, root() + "server.log");
        waitUntilListening();
    }

    // Stops the server (SIGTERM, then SIGKILL after three seconds: a server still busy with a
    // refused login may not end at once); bounded in time.
    void stop() {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGTERM);
        if (!waitFor(pid_, std::chrono::seconds(3))) {
            ::kill(pid_, SIGKILL);
            waitFor(pid_, std::chrono::seconds(5));
        }
        pid_ = -1;
    }

private:
    std::string root() const { return dir_.folder() + "root/"; }

    static int freeLoopbackPort() {
        int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (s < 0 || ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
            ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
            if (s >= 0)
                ::close(s);
            throw std::runtime_error("no free loopback port");
        }
        ::close(s);
        return ntohs(a.sin_port);
    }

    void makeRoot() {
        namespace fs = std::filesystem;
        fs::create_directories(root() + "lock");
        fs::create_directories(dataFolder());
        for (const char* f : {"plugins", "firebird.msg"})
            fs::create_symlink(std::string(kFirebirdRoot) + "/" + f, root() + f);
        // The character set module is copied: linked from outside the root, it is not taken,
        // and the work-area connection's WIN1252 would be unknown to the server.
        fs::create_directories(root() + "intl");
        for (const char* f : {"libfbintl.so", "fbintl.conf"})
            fs::copy_file(std::string(kFirebirdRoot) + "/intl/" + f, root() + "intl/" + f);
        const std::string security = root() + "security3.fdb";
        std::ofstream(root() + "firebird.conf")
            << "SecurityDatabase = " << security << "\nRemoteBindAddress = 127.0.0.1\n"
            << "RemoteServicePort = " << port_ << "\n";
        std::ofstream(root() + "databases.conf")
            << "security.db = " << security << "\n{\n  RemoteAccess = false\n}\n";
        std::ofstream(root() + "plugins.conf") << "";
        std::ofstream(root() + "security.sql")
            << "create database '" << security << "';\n"
            << "create or alter user SYSDBA password '" << password_ << "';\ncommit;\n";
        pid_t isql = spawn({kIsql, "-q", "-user", "SYSDBA", "-i", root() + "security.sql"},
                           root() + "security.log");
        int status = 0;
        if (!waitFor(isql, std::chrono::seconds(30), &status) || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0)
            throw std::runtime_error("could not create the private security database; see " +
                                     root() + "security.log");
    }

    // Runs a program with the private root in its environment, output into a log file.
    pid_t spawn(const std::vector<std::string>& args, const std::string& log) const {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e)
            if (std::strncmp(*e, "FIREBIRD", 8) != 0 && std::strncmp(*e, "ISC_", 4) != 0)
                env.emplace_back(*e);
        env.push_back("FIREBIRD=" + root());
        env.push_back("FIREBIRD_LOCK=" + root() + "lock");
        std::vector<char*> argv, envp;
        for (auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        for (auto& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        pid_t pid = ::fork();
        if (pid < 0)
            throw std::runtime_error("fork failed");
        if (pid == 0) {
            // Only async-signal-safe calls between fork and exec.
            int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (out >= 0) {
                ::dup2(out, 1);
                ::dup2(out, 2);
            }
            ::execve(argv[0], argv.data(), envp.data());
            ::_exit(127);
        }
        return pid;
    }

    static bool waitFor(pid_t pid, std::chrono::milliseconds limit, int* status = nullptr) {
        auto end = std::chrono::steady_clock::now() + limit;
        int st = 0;
        while (std::chrono::steady_clock::now() < end) {
            pid_t r = ::waitpid(pid, &st, WNOHANG);
            if (r == pid || r < 0) {
                if (status)
                    *status = st;
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

    void waitUntilListening() {
        auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < end) {
            int st = 0;
            if (::waitpid(pid_, &st, WNOHANG) == pid_) {
                pid_ = -1;
                throw std::runtime_error("the Firebird server ended at start; see " + root() +
                                         "server.log");
            }
            int s = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in a{};
            a.sin_family = AF_INET;
            a.sin_port = htons(uint16_t(port_));
            a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
            ::close(s);
            if (ok)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        stop();
        throw std::runtime_error("the Firebird server did not listen on port " +
                                 std::to_string(port_));
    }

    TempDir dir_;
    std::string password_;
    int port_ = 0;
    pid_t pid_ = -1;
};

} // namespace rmnra::test
