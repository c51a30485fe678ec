// ORVANTIS.INI bytes through the settings reader: it must store or refuse, never crash.
#include "settings/SettingsReader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

std::string folder;

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "settings fuzzer: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char dir[] = "/tmp/rmnra-fuzz-settings-XXXXXX";
    check(mkdtemp(dir) != nullptr, "no temporary folder");
    folder = std::string(dir) + "/";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = folder + rmnra::kSettingsFileName;
    FILE* f = std::fopen(path.c_str(), "wb");
    check(f != nullptr, "cannot write the settings file");
    check(std::fwrite(data, 1, size, f) == size && std::fclose(f) == 0,
          "cannot write the settings file");

    rmnra::AppSettings settings;
    try {
        rmnra::readSettingsFile(settings, folder);
    } catch (const rmnra::SettingsConversionError&) {
        // A refused integer is the reader's own answer.
    }
    check(settings.ProgramFolder == folder, "program folder not kept");
    // Every value is a place of the line, cut to its width and trimmed.
    for (std::size_t i = 0; i < rmnra::kSettingsKeys.size(); ++i) {
        const std::string& v = settings.values[i];
        const int width = rmnra::kSettingsKeys[i].width;
        if (width > 0)
            check(v.size() <= static_cast<std::size_t>(width), "value wider than its place");
        check(v.size() <= 60, "value longer than the line's value columns");
        // Trimmed before the cut: only a value cut to its width may end in a space.
        check(v.empty() || v.front() != ' ', "value not trimmed");
        if (width <= 0 || v.size() < static_cast<std::size_t>(width))
            check(v.empty() || v.back() != ' ', "value not trimmed");
    }

    // The integer reader on the same bytes, with a decimal round trip.
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (auto n = rmnra::parseSettingsInteger(text)) {
        auto again = rmnra::parseSettingsInteger(std::to_string(*n));
        check(again && *again == *n, "integer does not read back");
    }
    return 0;
}
