#pragma once
// The last line of defence between Qt's event loop and the core: every user event that reaches a
// handler runs through here, so that an exception the handler did not trap never unwinds through
// Qt. The handlers trap their own errors; this only keeps the program alive.

#include <functional>

namespace EventGuard {
/// Runs `event`; an escaping exception is logged with `what` and dropped.
void run(const char* what, const std::function<void()>& event);
} // namespace EventGuard
