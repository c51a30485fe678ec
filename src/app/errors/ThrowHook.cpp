// Every throw passes here first, so the error report can show where the error arose and
// not only where it was caught. Kept apart from the standard headers, which declare the
// runtime's throw function with other parameter types.
#include "ThrowHook.h"

#include <cstdlib>
#include <dlfcn.h>
#include <execinfo.h>

extern "C" void __cxa_throw(void* thrown, void* type, void (*destroy)(void*)) {
    using Throw = void (*)(void*, void*, void (*)(void*));
    static const Throw realThrow = reinterpret_cast<Throw>(dlsym(RTLD_NEXT, "__cxa_throw"));
    rmnra::throwFrameCount = backtrace(rmnra::throwFrames, rmnra::kMaxThrowFrames);
    realThrow(thrown, type, destroy);
    std::abort(); // never reached: the real throw does not return
}
