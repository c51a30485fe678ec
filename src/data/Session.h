#pragma once

#include "DM.h"
#include "DM2.h"
#include "common/RunValues.h"

#include <string>

namespace rmnra {

struct AppSettings;

// The run-wide context every command receives: the settings read at start, the run-wide
// values, and the two data modules (DM before DM2, as at start-up).
class Session {
public:
    // libraryPath: the database client library; by default the one CaminhoGDS.txt names.
    explicit Session(const AppSettings& settings);
    Session(const AppSettings& settings, const std::string& libraryPath);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const AppSettings& settings;
    RunValues runValues;
    DM dm;
    DM2 dm2;
};

} // namespace rmnra
