#include "CrashHandler.h"

#include "ThreadStack.h"

#include <QDir>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

char g_dumpPath[4096];
CrashHandler::EmergencyFlush g_flush = nullptr;
// The kernel id of the first crashing thread; lock-free, so usable in the handler.
std::atomic<long> g_crashingThread{0};
const int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

void writeText(int fd, const char *text)
{
    ssize_t ignored = ::write(fd, text, std::strlen(text));
    (void)ignored;
}

void writeNumber(int fd, unsigned long long value, int base)
{
    char buffer[32];
    int pos = int(sizeof(buffer));
    buffer[--pos] = '\0';
    do {
        const int digit = int(value % base);
        buffer[--pos] = char(digit < 10 ? '0' + digit : 'a' + digit - 10);
        value /= base;
    } while (value && pos > 0);
    writeText(fd, buffer + pos);
}

const char *signalName(int sig)
{
    switch (sig) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGFPE:
        return "SIGFPE";
    case SIGILL:
        return "SIGILL";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "signal";
    }
}

void onFatalSignal(int sig, siginfo_t *info, void *)
{
    const long self = ::syscall(SYS_gettid);
    long first = 0;
    if (!g_crashingThread.compare_exchange_strong(first, self) && first != self) {
        // Another thread is writing the dump and will end the process: wait
        // for that rather than killing it half-way or writing a second dump.
        for (;;)
            ::pause();
    }
    if (first == 0) {
        const int fd = ::open(g_dumpPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd >= 0) {
            writeText(fd, "Fatal error: ");
            writeText(fd, signalName(sig));
            writeText(fd, " (");
            writeNumber(fd, static_cast<unsigned long long>(sig), 10);
            writeText(fd, ")\nAddress: 0x");
            writeNumber(fd, reinterpret_cast<unsigned long long>(info ? info->si_addr : nullptr), 16);
            writeText(fd, "\nProcess: ");
            writeNumber(fd, static_cast<unsigned long long>(::getpid()), 10);
            writeText(fd, "\nTime: ");
            writeNumber(fd, static_cast<unsigned long long>(::time(nullptr)), 10);
            writeText(fd, "\nBacktrace:\n");
            void *frames[64];
            const int count = backtrace(frames, 64);
            backtrace_symbols_fd(frames, count, fd);
            ::close(fd);
        }
        if (g_flush)
            g_flush();
    }
    struct sigaction action;
    std::memset(&action, 0, sizeof(action));
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(sig, &action, nullptr);
    raise(sig);
}

} // namespace

namespace CrashHandler {

void install(const QString &dumpDir, EmergencyFlush flush)
{
    QDir().mkpath(dumpDir);
    const QByteArray path = QDir(dumpDir).filePath(QStringLiteral("CMS.dmp")).toLocal8Bit();
    std::strncpy(g_dumpPath, path.constData(), sizeof(g_dumpPath) - 1);
    g_flush = flush;

    // backtrace() loads libgcc on first use, which is not safe inside a handler.
    void *warm[1];
    backtrace(warm, 1);

    // A stack overflow leaves no stack to run the handler on: give it its own.
    // Worker threads install theirs when they start.
    ThreadStack::install();

    struct sigaction action;
    std::memset(&action, 0, sizeof(action));
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_RESETHAND | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int sig : kSignals)
        sigaction(sig, &action, nullptr);
}

QString dumpFilePath()
{
    return QString::fromLocal8Bit(g_dumpPath);
}

} // namespace CrashHandler
