#include "SettingsReader.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace rmnra {
namespace {

constexpr size_t kValueStart = 49; // column 50, 0-based
constexpr size_t kValueLength = 60; // columns 50 to 109
constexpr char kCtrlZ = 26;

const char* kServerKey = "IP DO SERVIDOR CENTRAL.........................:";
const char* kOrderingKey = "ORDENAR RMNRB2 POR DATA OU DCB, DATA, NUMNOTIF.:";

int findKey(const std::string& line) {
    if (line.size() < kSettingsKeyLength)
        return -1;
    for (size_t i = 0; i < kSettingsKeys.size(); ++i)
        if (std::memcmp(line.data(), kSettingsKeys[i].text, kSettingsKeyLength) == 0)
            return static_cast<int>(i);
    return -1;
}

void storeLine(AppSettings& s, const std::string& line) {
    int k = findKey(line);
    if (k < 0)
        return;
    std::string raw = line.size() > kValueStart ? line.substr(kValueStart, kValueLength) : "";
    std::string value = TrimSpaces(raw);
    const SettingsKey& key = kSettingsKeys[k];
    if (key.width == kInteger) {
        auto n = parseSettingsInteger(value);
        if (!n)
            throw SettingsConversionError("'" + value + "' is not a valid integer value");
        s.values[k] = value;
        s.ScreenBackgroundColor = *n;
        return;
    }
    if (key.width != kWhole && value.size() > static_cast<size_t>(key.width))
        value.resize(key.width);
    s.values[k] = value;
    if (std::strcmp(key.text, kServerKey) == 0)
        s.CentralServerIp = value;
    else if (std::strcmp(key.text, kOrderingKey) == 0)
        s.BookOrdering = value;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string AppSettings::value(const std::string& keyText) const {
    for (size_t i = 0; i < kSettingsKeys.size(); ++i)
        if (keyText == kSettingsKeys[i].text)
            return values[i];
    return {};
}

AppSettings& appSettings() {
    static AppSettings settings;
    return settings;
}

std::string TrimSpaces(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && s[b] == ' ')
        ++b;
    while (e > b && s[e - 1] == ' ')
        --e;
    return s.substr(b, e - b);
}

std::string ProgramFolder() {
    char buf[PATH_MAX + 1];
    ssize_t n = readlink("/proc/self/exe", buf, PATH_MAX);
    if (n <= 0)
        return "./";
    std::string path(buf, static_cast<size_t>(n));
    auto slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

std::optional<std::int32_t> parseSettingsInteger(const std::string& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= text.size())
        return std::nullopt;
    long long v = 0;
    for (; i < text.size(); ++i) {
        int d = hex ? hexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (d < 0)
            return std::nullopt;
        v = v * (hex ? 16 : 10) + d;
        if (v > 0xFFFFFFFFLL)
            return std::nullopt;
    }
    if (hex) {
        // Eight hexadecimal digits are a 32-bit pattern: $FF00000F names a system colour.
        auto bits = static_cast<std::uint32_t>(v);
        auto n = static_cast<std::int32_t>(bits);
        return negative ? static_cast<std::int32_t>(0u - bits) : n;
    }
    if (negative)
        v = -v;
    if (v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

void readSettingsFile(AppSettings& settings, const std::string& programFolder) {
    settings.ProgramFolder = programFolder;
    std::string path = programFolder + kSettingsFileName;
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 && errno == ENOENT)
        throw SettingsFileMissing(path);
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!f)
        throw SettingsReadError("Cannot open file \"" + path + "\". " + std::strerror(errno));
    std::string line;
    bool stop = false;
    char buf[4096];
    while (!stop) {
        size_t n = std::fread(buf, 1, sizeof buf, f.get());
        if (n == 0) {
            if (std::ferror(f.get()))
                throw SettingsReadError("Read error on file \"" + path + "\". " +
                                        std::strerror(errno));
            break;
        }
        for (size_t i = 0; i < n; ++i) {
            char c = buf[i];
            if (c == kCtrlZ) {
                stop = true;
                break;
            }
            if (c == '\n') {
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                storeLine(settings, line);
                line.clear();
            } else {
                line += c;
            }
        }
    }
    if (!line.empty()) {
        if (line.back() == '\r')
            line.pop_back();
        storeLine(settings, line);
    }
}

void ReadSettingsFile() { readSettingsFile(appSettings(), ProgramFolder()); }

} // namespace rmnra
