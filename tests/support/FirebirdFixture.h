#pragma once

#include "TempDir.h"
#include "data/Schema.h"
#include "data/fb/Attachment.h"
#include "data/fb/Client.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace rmnra::test {

// Per test, in a private temporary folder laid out as a suite folder: a main database
// (dados/orvantis.bd, every table but PERIODO) and a work-area database
// (interfac01/orvantis.bd, PERIODO), both opened through the embedded engine.
class FirebirdDatabases {
public:
    FirebirdDatabases()
        : client_(fb::Client::load(fb::kClientLibraryName)),
          mainPath_(makeFolder("dados") + "orvantis.bd"),
          workAreaPath_(makeFolder("interfac01") + "orvantis.bd"),
          // Throw-away databases: no forced writes, so tests do not wait on the disk.
          main_(createMainDatabase(client_, mainPath_, false)),
          workArea_(createWorkAreaDatabase(client_, workAreaPath_, false)) {}

    fb::Client& client() const { return client_; }
    fb::Attachment& main() { return main_; }
    fb::Attachment& workArea() { return workArea_; }
    const std::string& mainPath() const { return mainPath_; }
    const std::string& workAreaPath() const { return workAreaPath_; }
    // The temporary suite folder, ending in '/'.
    std::string suiteFolder() const { return dir_.folder(); }
    const TempDir& dir() const { return dir_; }

    // A second, independent connection to the main database (another program of the suite).
    fb::Attachment attachMainAgain() const {
        return fb::Attachment::attach(client_,
                                      fb::ConnectionParams::forDatabase(mainPath_, "NONE"));
    }

private:
    std::string makeFolder(const std::string& name) {
        std::filesystem::create_directories(dir_.path() / name);
        return dir_.folder() + name + "/";
    }

    TempDir dir_;
    fb::Client& client_;
    std::string mainPath_;
    std::string workAreaPath_;
    fb::Attachment main_;
    fb::Attachment workArea_;
};

// A GoogleTest fixture holding one FirebirdDatabases per test as `db`.
class FirebirdTest : public ::testing::Test {
protected:
    FirebirdDatabases db;
};

} // namespace rmnra::test
