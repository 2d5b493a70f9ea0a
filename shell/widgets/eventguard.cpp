// Runs a user event's handler so that no exception it did not trap unwinds through Qt's event loop.
#include "shell/widgets/eventguard.h"

#include "core/system/runtimeerror.h"

#include <QtGlobal>
#include <exception>

namespace EventGuard {

void run(const char* what, const std::function<void()>& event)
{
    try {
        event();
    } catch (const RunTimeError& error) {
        qWarning("%s: run-time error %d escaped its handler: %s", what, int(error.Number()), error.what());
    } catch (const std::exception& error) {
        qWarning("%s: exception escaped its handler: %s", what, error.what());
    } catch (...) {
        qWarning("%s: unknown exception escaped its handler", what);
    }
}

} // namespace EventGuard
