#pragma once

namespace rmnra::ui {

// Registers the window's pictures; a static library's resources are not registered by
// themselves. Safe to call more than once.
void initResources();

} // namespace rmnra::ui
