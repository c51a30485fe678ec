// Every throw passes here first, so the error report can show where the error arose and
// not only where it was caught. Kept apart from the standard headers, which declare the
// runtime's throw function with other parameter types.
#include "ThrowHook.h"

#include <cstdlib>
#include <dlfcn.h>
#include <execinfo.h>

// Defined here, next to the hook that fills them: the report's use of them is what makes the
// linker take this object out of the library. A sanitizer runtime, linked first, defines
// __cxa_throw itself, so the hook alone would not be taken and traces would come out empty.
namespace rmnra {
thread_local void* throwFrames[kMaxThrowFrames];
thread_local int throwFrameCount = 0;
} // namespace rmnra

extern "C" void __cxa_throw(void* thrown, void* type, void (*destroy)(void*)) {
    using Throw = void (*)(void*, void*, void (*)(void*));
    static const Throw realThrow = reinterpret_cast<Throw>(dlsym(RTLD_NEXT, "__cxa_throw"));
    rmnra::throwFrameCount = backtrace(rmnra::throwFrames, rmnra::kMaxThrowFrames);
    realThrow(thrown, type, destroy);
    std::abort(); // never reached: the real throw does not return
}
