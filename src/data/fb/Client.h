#pragma once

#include <string>

namespace Firebird {
class IMaster;
class IUtil;
class IProvider;
} // namespace Firebird

namespace rmnra::fb {

// File name of the database client library.
inline constexpr const char* kClientLibraryName = "libfbclient.so.2";

// The client library to load: the folder named on the first line of CaminhoGDS.txt in the
// suite folder (read up to 100 characters; a separator added when missing) followed by the
// library's file name, or the bare file name (system search path) when the file is missing
// or its first line is empty.
std::string clientLibraryPath(const std::string& suiteFolder);

// A loaded client library. Loaded once per path and kept for the whole run: the library
// keeps threads and handlers of its own that do not survive being unloaded.
class Client {
public:
    // Throws fb::Error when the library cannot be loaded or lacks fb_get_master_interface.
    static Client& load(const std::string& libraryPath);

    Firebird::IMaster* master() const { return master_; }
    Firebird::IUtil* util() const { return util_; }
    Firebird::IProvider* dispatcher() const { return dispatcher_; }
    const std::string& path() const { return path_; }

    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

private:
    explicit Client(std::string path);

    std::string path_;
    Firebird::IMaster* master_ = nullptr;
    Firebird::IUtil* util_ = nullptr;
    Firebird::IProvider* dispatcher_ = nullptr;
};

} // namespace rmnra::fb
