#pragma once

#include <QString>

// Handler for fatal signals (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT). It
// writes "CMS.dmp" into the given folder with the signal, the faulting address
// and a backtrace, lets the log writer flush what it still holds, then restores
// the default action and re-raises, so the process still dies as it would have.
// Everything the handler needs is prepared here, since a signal handler may use
// only async-signal-safe calls.
namespace CrashHandler {

// Called from the handler; must be async-signal-safe as far as it can be.
using EmergencyFlush = void (*)();

void install(const QString &dumpDir, EmergencyFlush flush = nullptr);
QString dumpFilePath();

} // namespace CrashHandler
