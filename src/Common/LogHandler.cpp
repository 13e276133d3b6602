#include "LogHandler.h"

#include "CommonHelper.h"
#include "Platform.h"
#include "ThreadStack.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<LogHandler *> g_instance{nullptr};

const char kCannotCreate[] = "the log folder cannot be created";

struct InstanceHolder
{
    LogHandler handler;
    InstanceHolder() { g_instance.store(&handler); }
    ~InstanceHolder() { g_instance.store(nullptr); }
};

void writeToStderr(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace

LogHandler::LogHandler(QObject *parent)
    : QThread(parent)
{
}

LogHandler::~LogHandler()
{
    stop();
    const int fd = m_emergencyFd.exchange(-1);
    if (fd >= 0)
        ::close(fd);
}

LogHandler *LogHandler::instance()
{
    static InstanceHolder holder;
    (void)holder;
    return g_instance.load();
}

QString LogHandler::levelText(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return QStringLiteral("Debug");
    case QtWarningMsg:
        return QStringLiteral("Warn ");
    case QtCriticalMsg:
        return QStringLiteral("Error");
    case QtFatalMsg:
        return QStringLiteral("Fatal");
    case QtInfoMsg:
        return QStringLiteral("Info ");
    }
    return QString();
}

QString LogHandler::functionName(const char *function)
{
    const QString f = function ? QString::fromUtf8(function) : QString();
    const int p = f.indexOf(QLatin1Char('('));
    const int blank = f.lastIndexOf(QLatin1Char(' '), p);
    return f.mid(blank + 1, p - blank - 1);
}

QString LogHandler::formatLine(QtMsgType type, const QMessageLogContext &context, const QString &msg,
                               const QDateTime &time, quintptr threadId)
{
    return QStringLiteral("%1 %2 [thread-%3] %4:%5 - %6 \n")
        .arg(levelText(type), time.toString(QStringLiteral("hh:mm:ss.zzz")), QString::number(threadId, 16),
             functionName(context.function), QString::number(context.line), msg);
}

void LogHandler::messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    const QString line = formatLine(type, context, msg, QDateTime::currentDateTime(),
                                    reinterpret_cast<quintptr>(QThread::currentThreadId()));
    LogHandler *handler = instance();
    if (!handler) {
        // Process exit: the writer is gone, stderr is all that is left.
        writeToStderr(line);
        return;
    }
    handler->enqueue(line);
    if (type == QtFatalMsg) {
        // Qt aborts as soon as the handler returns: write everything now.
        writeToStderr(line);
        handler->flushNow();
    }
}

void LogHandler::enqueue(const QString &line)
{
    QMutexLocker lock(&m_queueMutex);
    // A fatal line is the one that tells why the process ended: always kept.
    if (m_queue.size() >= MaxQueuedLines && !line.startsWith(QLatin1String("Fatal"))) {
        ++m_queueDropped;
        return;
    }
    m_queue.append(line);
}

QString LogHandler::repeatedLine(const QString &line, qint64 count)
{
    // The count goes where the message ends, before the line's closing blank.
    QString text = line;
    int end = text.size();
    while (end > 0 && (text.at(end - 1) == QLatin1Char('\n') || text.at(end - 1) == QLatin1Char(' ')))
        --end;
    text.insert(end, QStringLiteral(" (repeated %1 times)").arg(count));
    return text;
}

namespace {

// The line without its time of day: what tells two lines apart.
QString collapseKey(const QString &line)
{
    // "Level hh:mm:ss.zzz [thread-..." as the handler formats it.
    if (line.size() > 18 && line.at(5) == QLatin1Char(' ') && line.at(8) == QLatin1Char(':')
        && line.at(14) == QLatin1Char('.') && line.at(18) == QLatin1Char(' '))
        return line.left(5) + line.mid(18);
    return line;
}

// Room kept at the end of a day's bound for the line that says it is full.
constexpr qint64 kBoundNoticeBytes = 256;

QString noticeLine(const QDateTime &now, const QString &text)
{
    return QStringLiteral("Warn  %1 [thread-%2] LogHandler - %3 \n")
        .arg(now.toString(QStringLiteral("hh:mm:ss.zzz")),
             QString::number(reinterpret_cast<quintptr>(QThread::currentThreadId()), 16), text);
}

} // namespace

void LogHandler::put(QByteArray &out, const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    const qint64 bound = m_maxDayBytes.load();
    if (m_dayBytes + out.size() + bytes.size() + kBoundNoticeBytes > bound
        && !line.startsWith(QLatin1String("Fatal"))) {
        ++m_dayDropped;
        if (!m_boundSaid) {
            m_boundSaid = true;
            const QByteArray notice =
                noticeLine(m_clock ? m_clock() : QDateTime::currentDateTime(),
                           QStringLiteral("Today's log has reached its bound of %1 bytes: the rest of today's "
                                          "lines are dropped")
                               .arg(bound))
                    .toUtf8()
                    .left(int(kBoundNoticeBytes));
            out += notice;
        }
        return;
    }
    out += bytes;
}

QDate LogHandler::today() const
{
    return m_clock ? m_clock().date() : QDate::currentDate();
}

void LogHandler::createLogFile()
{
    QMutexLocker fileLock(&m_fileMutex);
    const QDate previousDay = m_currentDay;
    m_currentDay = today();
    resolveLogDir();
    const QString dir = m_logDirOverride;
    m_logDir = QDir(dir);
    m_dirRefused = prepareLogDir(dir);
    if (m_dirRefused == QLatin1String(kCannotCreate))
        qDebug("create log dir fail.");
    const QString name =
        m_logDir.absoluteFilePath(m_currentDay.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".txt"));
    // A crash after midnight belongs in the new day's file too.
    if (m_dirRefused.isEmpty()) {
        if (m_emergencyFd.load() >= 0) {
            openEmergencyFile(name);
        } else {
            const int fd = openDayFile(name);
            if (fd >= 0)
                ::close(fd);
        }
    }
    // The day's bound counts what an earlier run of the day wrote too.
    if (m_dayDropped > 0) {
        m_lastDayDropped = m_dayDropped;
        m_lastDay = previousDay;
    }
    m_dayDropped = 0;
    const qint64 existing = QFileInfo(name).size();
    m_dayBytes = existing;
    m_boundSaid = existing + kBoundNoticeBytes >= m_maxDayBytes.load();
    if (m_file) {
        if (m_file->isOpen()) {
            m_file->flush();
            m_file->close();
        }
        m_file.reset();
    }
    m_file = std::make_unique<QFile>(name);
}

void LogHandler::removeOldLogs()
{
    QMutexLocker fileLock(&m_fileMutex);
    const int days = m_logClearDays.load();
    if (days < 0)
        return; // retention not known (no settings row): no purge
    m_purgePending = false;
    if (!m_dirRefused.isEmpty())
        return; // nothing is removed through a link or in what is no folder of the log
    static const QRegularExpression dayName(QStringLiteral("^[0-9]{8}$"));
    const QDate now = today();
    const QFileInfoList entries = m_logDir.entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (!entry.isFile())
            continue;
        const QString base = entry.fileName().section(QLatin1Char('.'), 0, 0);
        if (!dayName.match(base).hasMatch())
            continue;
        const QDate day = QDate::fromString(base, QStringLiteral("yyyyMMdd"));
        if (!day.isValid() || day.addDays(days) < now)
            QFile::remove(entry.absoluteFilePath());
    }
}

void LogHandler::waitForWork(unsigned long ms)
{
    QMutexLocker lock(&m_waitMutex);
    if (!m_stop.load())
        m_waitCondition.wait(&m_waitMutex, ms);
}

void LogHandler::stop()
{
    {
        QMutexLocker lock(&m_queueMutex);
        m_stop.store(true);
    }
    {
        // Under the wait mutex, so the wake cannot fall between check and wait.
        QMutexLocker lock(&m_waitMutex);
        m_waitCondition.wakeAll();
    }
    if (QThread::currentThread() == this)
        return;
    wait();
    // Lines the writer did not take (stopped before its first pass, or logged
    // after it ended) are written here, so nothing queued is lost.
    if (m_ran.load() && queuedLineCount() > 0)
        flushNow();
}

void LogHandler::resolveLogDir()
{
    // Decided once, early: a later roll-over or flush may run during process exit.
    QMutexLocker fileLock(&m_fileMutex);
    if (m_logDirOverride.isEmpty())
        m_logDirOverride = CommonHelper::appWritableDir() + QStringLiteral("/log");
}

void LogHandler::run()
{
    ThreadStack::install();
    m_ran.store(true);
    resolveLogDir();
    if (m_stop.load())
        return;
    for (;;) {
        waitForWork(static_cast<unsigned long>(qMax(0, m_intervalMs.load())));
        pass();
        if (m_stop.load())
            return;
    }
}

void LogHandler::pass()
{
    QMutexLocker fileLock(&m_fileMutex);
    if (today() != m_currentDay) {
        createLogFile();
        m_purgePending = true;
    }
    if (m_purgePending)
        removeOldLogs();
    drain(m_stop.load());
}

void LogHandler::flushNow()
{
    QMutexLocker fileLock(&m_fileMutex);
    if (!m_file || today() != m_currentDay)
        createLogFile();
    drain(true);
}

void LogHandler::drain(bool closing)
{
    QMutexLocker fileLock(&m_fileMutex);
    if (!m_monotonic.isValid())
        m_monotonic.start();
    const qint64 now = m_monotonic.elapsed();
    bool summariesDue = false;
    for (auto it = m_repeats.cbegin(); it != m_repeats.cend() && !summariesDue; ++it)
        summariesDue = it->count > 0 && (closing || now - it->since >= CollapseWindowMs);
    {
        QMutexLocker lock(&m_queueMutex);
        if ((m_queue.isEmpty() && !summariesDue && m_queueDropped.load() == 0 && m_lastDayDropped == 0) || !m_file)
            return;
    }
    if (!m_dirRefused.isEmpty())
        m_dirRefused = prepareLogDir(m_logDir.absolutePath()); // it may have been mended meanwhile
    const int fd = m_dirRefused.isEmpty() ? openDayFile(m_file->fileName()) : -1;
    if (fd < 0) {
        sayUnwritable(!m_dirRefused.isEmpty() ? m_dirRefused : Platform::writeFailureText(errno));
        return; // the lines stay queued (bounded) for the next pass
    }
    QStringList lines;
    {
        QMutexLocker lock(&m_queueMutex);
        lines.swap(m_queue);
    }
    const QDateTime wallNow = m_clock ? m_clock() : QDateTime::currentDateTime();
    QByteArray out;
    // Lines whose minute is over are followed no more; the counts of their
    // repeats come before anything of this pass.
    bool due = false;
    for (auto it = m_repeats.cbegin(); it != m_repeats.cend() && !due; ++it)
        due = it->count > 0 && now - it->since >= CollapseWindowMs;
    if (due)
        putCounts(out);
    for (auto it = m_repeats.begin(); it != m_repeats.end();) {
        if (now - it->since >= CollapseWindowMs)
            it = m_repeats.erase(it);
        else
            ++it;
    }
    if (m_lastDayDropped > 0) {
        put(out, noticeLine(wallNow, QStringLiteral("%1 lines of %2 were dropped over the day's bound")
                                         .arg(m_lastDayDropped)
                                         .arg(m_lastDay.toString(QStringLiteral("yyyyMMdd")))));
        m_lastDayDropped = 0;
    }
    if (const qint64 dropped = m_queueDropped.exchange(0))
        put(out, noticeLine(wallNow, QStringLiteral("%1 lines were dropped: more than %2 waited for the log")
                                         .arg(dropped)
                                         .arg(MaxQueuedLines)));
    for (const QString &line : qAsConst(lines)) {
        const QString key = collapseKey(line);
        const auto seen = m_repeats.find(key);
        if (seen != m_repeats.end()) {
            if (seen->count++ == 0)
                m_counted.append(key);
            seen->last = line;
            seen->order = ++m_repeatOrder;
            continue;
        }
        // A line written after repeats is later than them: their counts come
        // first, so the times in the file never go back.
        putCounts(out);
        if (m_repeats.size() < MaxCollapsedLines)
            m_repeats.insert(key, Repeat{0, QString(), now, 0});
        put(out, line);
    }
    if (closing) {
        putCounts(out);
        m_repeats.clear();
    }
    qint64 written = 0;
    int failure = 0;
    while (written < out.size()) {
        const ssize_t n = ::write(fd, out.constData() + written, size_t(out.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            failure = n < 0 ? errno : ENOSPC;
            break;
        }
        written += n;
    }
    if (::close(fd) != 0 && failure == 0 && !out.isEmpty())
        failure = errno;
    m_dayBytes += written;
    if (failure != 0)
        sayUnwritable(Platform::writeFailureText(failure));
    else if (!out.isEmpty())
        m_unwritableSaid = false; // only bytes that reached the file end an outage
}

void LogHandler::putCounts(QByteArray &out)
{
    if (m_counted.isEmpty())
        return;
    // In the order of their last occurrences, each stamped with its time.
    QVector<Repeat *> due;
    due.reserve(m_counted.size());
    for (const QString &key : qAsConst(m_counted)) {
        const auto it = m_repeats.find(key);
        if (it != m_repeats.end() && it->count > 0)
            due.append(&*it);
    }
    m_counted.clear();
    std::sort(due.begin(), due.end(), [](const Repeat *a, const Repeat *b) { return a->order < b->order; });
    for (Repeat *r : qAsConst(due)) {
        // Seen twice: the line again says it as well as a count would.
        put(out, r->count == 1 ? r->last : repeatedLine(r->last, r->count));
        r->count = 0;
        r->last.clear();
    }
}

void LogHandler::sayUnwritable(const QString &reason)
{
    if (m_unwritableSaid)
        return;
    m_unwritableSaid = true;
    const QString path = m_file ? m_file->fileName() : m_logDir.absolutePath();
    // Nowhere else to say it: the log's own file is what failed.
    writeToStderr(QStringLiteral("log: %1 cannot be written (%2); log lines are not saved\n").arg(path, reason));
    emit logUnwritable(path, reason);
}

QString LogHandler::prepareLogDir(const QString &dir)
{
    const QFileInfo info(dir);
    if (info.isSymLink())
        return QStringLiteral("the log folder is a link");
    if (info.exists())
        return info.isDir() ? QString() : QStringLiteral("the log folder is not a folder");
    // Only what is made here is made user-only: the lines carry device passwords.
    if (!Platform::makePrivateDir(dir))
        return QLatin1String(kCannotCreate);
    return QString();
}

int LogHandler::openDayFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd >= 0) {
        ::fchmod(fd, 0600); // whatever the umask
        return fd;
    }
    if (errno != EEXIST)
        return -1;
    fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW);
    struct stat st;
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        errno = EISDIR;
        return -1;
    }
    return fd;
}

void LogHandler::setMaxDayBytes(qint64 bytes)
{
    m_maxDayBytes.store(bytes);
}

void LogHandler::setLogClearDays(int days)
{
    m_logClearDays.store(days);
}

int LogHandler::logClearDays() const
{
    return m_logClearDays.load();
}

void LogHandler::setLogDir(const QString &dir)
{
    QMutexLocker fileLock(&m_fileMutex);
    m_logDirOverride = dir;
}

QString LogHandler::logDirPath() const
{
    QMutexLocker fileLock(&m_fileMutex);
    return m_logDir.absolutePath();
}

void LogHandler::setIntervalMs(int ms)
{
    m_intervalMs.store(ms);
}

void LogHandler::setClock(std::function<QDateTime()> clock)
{
    QMutexLocker fileLock(&m_fileMutex);
    m_clock = std::move(clock);
}

QString LogHandler::currentLogFilePath() const
{
    QMutexLocker fileLock(&m_fileMutex);
    return m_file ? m_file->fileName() : QString();
}

int LogHandler::queuedLineCount() const
{
    QMutexLocker lock(&m_queueMutex);
    return m_queue.size();
}

bool LogHandler::prepareEmergencyFlush()
{
    QString path;
    {
        QMutexLocker fileLock(&m_fileMutex);
        resolveLogDir();
        QDir dir(m_logDirOverride);
        if (!prepareLogDir(dir.absolutePath()).isEmpty())
            return false;
        path = dir.absoluteFilePath(today().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".txt"));
    }
    return openEmergencyFile(path);
}

bool LogHandler::openEmergencyFile(const QString &path)
{
    const int fd = openDayFile(path);
    if (fd < 0)
        return false;
    const int old = m_emergencyFd.exchange(fd);
    if (old >= 0)
        ::close(old);
    return true;
}

void LogHandler::emergencyFlush() noexcept
{
    const int fd = m_emergencyFd.load();
    if (fd < 0)
        return;
    // The crashing thread may hold the lock itself, or another thread may be in
    // the middle of changing the queue: then the queue is left alone.
    if (!m_queueMutex.tryLock())
        return;
    char buffer[4096];
    size_t used = 0;
    auto flush = [&] {
        size_t done = 0;
        while (done < used) {
            const ssize_t n = ::write(fd, buffer + done, used - done);
            if (n <= 0)
                break;
            done += size_t(n);
        }
        used = 0;
    };
    auto put = [&](const char *bytes, size_t n) {
        if (used + n > sizeof(buffer))
            flush();
        for (size_t i = 0; i < n; ++i)
            buffer[used++] = bytes[i];
    };
    const QStringList &queue = m_queue;
    for (auto line = queue.constBegin(); line != queue.constEnd(); ++line) {
        const QChar *p = line->constData();
        const QChar *end = p + line->size();
        while (p < end) {
            uint code = p->unicode();
            ++p;
            if (QChar::isHighSurrogate(code) && p < end && p->isLowSurrogate()) {
                code = QChar::surrogateToUcs4(ushort(code), p->unicode());
                ++p;
            } else if (QChar::isSurrogate(code)) {
                code = 0xFFFD; // a lone half of a pair stays valid UTF-8
            }
            char out[4];
            size_t n;
            if (code < 0x80) {
                out[0] = char(code);
                n = 1;
            } else if (code < 0x800) {
                out[0] = char(0xC0 | (code >> 6));
                out[1] = char(0x80 | (code & 0x3F));
                n = 2;
            } else if (code < 0x10000) {
                out[0] = char(0xE0 | (code >> 12));
                out[1] = char(0x80 | ((code >> 6) & 0x3F));
                out[2] = char(0x80 | (code & 0x3F));
                n = 3;
            } else {
                out[0] = char(0xF0 | (code >> 18));
                out[1] = char(0x80 | ((code >> 12) & 0x3F));
                out[2] = char(0x80 | ((code >> 6) & 0x3F));
                out[3] = char(0x80 | (code & 0x3F));
                n = 4;
            }
            put(out, n);
        }
    }
    flush();
    m_queueMutex.unlock();
}
