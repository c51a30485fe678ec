#include "Session.h"

#include "common/SuiteFolder.h"
#include "fb/Client.h"

namespace rmnra {

Session::Session(const AppSettings& s) : Session(s, fb::clientLibraryPath(suiteFolder())) {}

Session::Session(const AppSettings& s, const std::string& libraryPath)
    : settings(s), dm(s, runValues, libraryPath), dm2(libraryPath) {}

} // namespace rmnra
