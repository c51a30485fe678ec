#include "InconsistencyReportFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace rmnra {

std::optional<std::vector<std::string>> readInconsistencyReport(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    if (!in || !(bytes << in.rdbuf()) || in.bad())
        throw std::runtime_error("N\xE3o foi poss\xEDvel ler o arquivo " + path + ": " +
                                 std::strerror(errno));
    std::vector<std::string> lines;
    std::string text = bytes.str();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace rmnra
