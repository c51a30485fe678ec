#pragma once

namespace rmnra {

inline constexpr int kMaxThrowFrames = 64;
// The stack of the last throw on this thread.
extern thread_local void* throwFrames[kMaxThrowFrames];
extern thread_local int throwFrameCount;

} // namespace rmnra
