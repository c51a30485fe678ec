#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rmnra {

// The report's lines (Windows-1252, lines ended by CR LF or a bare LF); nullopt when the
// file does not exist. A file that exists but cannot be read throws std::runtime_error.
std::optional<std::vector<std::string>> readInconsistencyReport(const std::string& path);

} // namespace rmnra
