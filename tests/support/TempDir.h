#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace rmnra::test {

// A private folder per test, removed at the end.
class TempDir {
public:
    TempDir() {
        std::string base = std::filesystem::temp_directory_path() / "rmnra-test-XXXXXX";
        if (!mkdtemp(base.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = base;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder with a trailing separator, as the program keeps folders.
    std::string folder() const { return path_.string() + "/"; }

    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }

private:
    std::filesystem::path path_;
};

} // namespace rmnra::test
