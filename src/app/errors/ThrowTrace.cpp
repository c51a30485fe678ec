#include "ThrowTrace.h"

#include "ThrowHook.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <dlfcn.h>
#include <execinfo.h>
#include <memory>
#include <typeinfo>

namespace rmnra {

namespace {

constexpr int kMaxFrames = kMaxThrowFrames;

std::string demangle(const char* name) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> out(abi::__cxa_demangle(name, nullptr, nullptr, &status),
                                               std::free);
    return status == 0 && out ? std::string(out.get()) : std::string(name);
}

std::string describeFrames(void* const* frames, int count, int skip) {
    std::string text;
    for (int i = skip; i < count; ++i) {
        Dl_info info{};
        std::string line = "  #" + std::to_string(i - skip) + " ";
        const bool known = dladdr(frames[i], &info) != 0;
        if (known && info.dli_sname) {
            line += demangle(info.dli_sname);
        } else {
            // A function without an exported name: its offset in the module, for addr2line.
            char address[48];
            const auto base = reinterpret_cast<uintptr_t>(known ? info.dli_fbase : nullptr);
            std::snprintf(address, sizeof address, "+0x%zx",
                          static_cast<size_t>(reinterpret_cast<uintptr_t>(frames[i]) - base));
            line += address;
        }
        if (known && info.dli_fname)
            line += std::string(" (") + info.dli_fname + ")";
        text += line + "\n";
    }
    return text;
}

} // namespace

std::string lastThrowTrace() {
    // Frame 0 is the recorder itself inside the throw.
    return throwFrameCount > 0 ? describeFrames(throwFrames, throwFrameCount, 1) : std::string();
}

std::string currentStackTrace() {
    void* frames[kMaxFrames];
    const int count = backtrace(frames, kMaxFrames);
    return describeFrames(frames, count, 1);
}

} // namespace rmnra
