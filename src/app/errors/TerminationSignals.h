#pragma once

#include <functional>

namespace rmnra::ui {

// SIGTERM, SIGINT and SIGHUP (a logout, a shutdown, Ctrl+C) end the program as "Sair" does,
// from the event loop. The signals are blocked in every thread and taken by one thread of
// our own with sigwait: the database engine would otherwise catch them itself, keep the
// program running and later hang in its shutdown.

// Must run first, before any thread exists, so that every thread inherits the blocked set.
void blockTerminationSignals();
// Starts the thread that waits for the signals; onTerminate runs in the event loop.
void handleTerminationSignals(std::function<void()> onTerminate);

} // namespace rmnra::ui
