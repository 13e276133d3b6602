// Linked into every program of a ThreadSanitizer build (KELVO_TSAN) only.
//
// Qt is not instrumented, so ThreadSanitizer does not see the ordering Qt
// makes inside its own code: a mutex handed over on its slow path, a wait
// condition that gives its mutex back, a thread waited for after it ended, a
// queued call or posted event taken up by another thread, a function handed
// to a thread pool. Each of those would
// show as a race between two pieces of our code that Qt does order. The
// functions below stand in front of Qt's (the program's own definition wins
// for the program's calls), call Qt's, and tell ThreadSanitizer the ordering
// they make. What cannot be told this way is in cmake/tsan.supp.

#include <QByteArray>
#include <QCoreApplication>
#include <QMetaType>
#include <QMutex>
#include <QReadWriteLock>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QVariant>
#include <QWaitCondition>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <mutex>
#include <utility>

extern "C" {
void __tsan_acquire(void *addr);
void __tsan_release(void *addr);
}

namespace {

template <typename F> F real(const char *symbol)
{
    void *p = dlsym(RTLD_NEXT, symbol);
    if (!p) {
        std::fprintf(stderr, "tsan_qt_sync: %s not found in Qt\n", symbol);
        std::abort();
    }
    return reinterpret_cast<F>(p);
}

// Queued calls and posted events all pass one point: whatever a thread did
// before it handed one over is ordered before every event taken up later.
// Coarser than Qt's own ordering (it may hide a race between unrelated events),
// never finer (it reports none that Qt's queues prevent).
char g_events;

bool onEvent(void **)
{
    __tsan_acquire(&g_events);
    return false;
}

[[maybe_unused]] const bool g_eventHook = QInternal::registerCallback(QInternal::EventNotifyCallback, onEvent);

// A queued signal's arguments (and those of a queued invokeMethod) are copied
// by Qt inside the call we stand in front of, after our release, and the
// event is posted right after the copy. Qt's library calls its own postEvent
// directly, never a definition of ours, so the post cannot be marked; a
// release once the call returns would come too late, as the receiving thread
// may already have taken the event up. What Qt does call of ours is the copy
// itself: the constructor a type of ours registered. So each such constructor
// is registered wrapped, and a copy made while this thread hands something
// over releases again once it is made. The event is posted after that, so
// whichever thread runs first, the receiving thread's acquire covers the
// copy. Copies made outside a hand-over (a QVariant made by our code) release
// nothing: the point grows no coarser than the hand-overs themselves.
thread_local int t_handingOver = 0;

struct HandOver
{
    HandOver()
    {
        __tsan_release(&g_events);
        ++t_handingOver;
    }
    ~HandOver() { --t_handingOver; }
    HandOver(const HandOver &) = delete;
    HandOver &operator=(const HandOver &) = delete;
};

// A constructor pointer carries no state, so each wrapped constructor is one
// of a fixed set of functions, told by its index which one it stands for.
constexpr std::size_t CopySlots = 512;
std::array<std::atomic<QMetaType::Constructor>, CopySlots> g_copies;

template <std::size_t I> void *orderedCopy(void *where, const void *copy)
{
    void *made = g_copies[I].load(std::memory_order_acquire)(where, copy);
    if (t_handingOver > 0)
        __tsan_release(&g_events);
    return made;
}

template <std::size_t... I> constexpr auto orderedCopies(std::index_sequence<I...>)
{
    return std::array<QMetaType::Constructor, sizeof...(I)>{{&orderedCopy<I>...}};
}

// The same type is registered again and again (every qRegisterMetaType call):
// it keeps its one wrapper.
QMetaType::Constructor ordered(QMetaType::Constructor constructor)
{
    static constexpr auto wrappers = orderedCopies(std::make_index_sequence<CopySlots>{});
    static std::mutex mutex;
    static std::size_t used = 0;
    const std::lock_guard<std::mutex> lock(mutex);
    for (std::size_t i = 0; i < used; ++i) {
        if (g_copies[i].load(std::memory_order_relaxed) == constructor)
            return wrappers[i];
    }
    if (used == CopySlots) {
        std::fprintf(stderr, "tsan_qt_sync: more than %zu types registered; raise CopySlots\n", CopySlots);
        std::abort();
    }
    g_copies[used].store(constructor, std::memory_order_release);
    return wrappers[used++];
}

} // namespace

// ---- mutexes -------------------------------------------------------------------

void QMutex::lock() QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto f = real<void (*)(QMutex *)>("_ZN6QMutex4lockEv");
    f(this);
    __tsan_acquire(this);
}

bool QMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto f = real<bool (*)(QMutex *, int)>("_ZN6QMutex7tryLockEi");
    const bool locked = f(this, timeout);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

void QMutex::unlock() noexcept
{
    static const auto f = real<void (*)(QMutex *)>("_ZN6QMutex6unlockEv");
    __tsan_release(this);
    f(this);
}

// The fast paths of QBasicMutex are inline atomics on its first member, which
// the sanitizer sees; the slow paths run inside Qt.
void QBasicMutex::lockInternal() QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto f = real<void (*)(QBasicMutex *)>("_ZN11QBasicMutex12lockInternalEv");
    f(this);
    __tsan_acquire(this);
}

bool QBasicMutex::lockInternal(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto f = real<bool (*)(QBasicMutex *, int)>("_ZN11QBasicMutex12lockInternalEi");
    const bool locked = f(this, timeout);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

void QBasicMutex::unlockInternal() noexcept
{
    static const auto f = real<void (*)(QBasicMutex *)>("_ZN11QBasicMutex14unlockInternalEv");
    __tsan_release(this);
    f(this);
}

void QReadWriteLock::lockForRead()
{
    static const auto f = real<void (*)(QReadWriteLock *)>("_ZN14QReadWriteLock11lockForReadEv");
    f(this);
    __tsan_acquire(this);
}

void QReadWriteLock::lockForWrite()
{
    static const auto f = real<void (*)(QReadWriteLock *)>("_ZN14QReadWriteLock12lockForWriteEv");
    f(this);
    __tsan_acquire(this);
}

bool QReadWriteLock::tryLockForRead()
{
    static const auto f = real<bool (*)(QReadWriteLock *)>("_ZN14QReadWriteLock14tryLockForReadEv");
    const bool locked = f(this);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

bool QReadWriteLock::tryLockForRead(int timeout)
{
    static const auto f = real<bool (*)(QReadWriteLock *, int)>("_ZN14QReadWriteLock14tryLockForReadEi");
    const bool locked = f(this, timeout);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

bool QReadWriteLock::tryLockForWrite()
{
    static const auto f = real<bool (*)(QReadWriteLock *)>("_ZN14QReadWriteLock15tryLockForWriteEv");
    const bool locked = f(this);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

bool QReadWriteLock::tryLockForWrite(int timeout)
{
    static const auto f = real<bool (*)(QReadWriteLock *, int)>("_ZN14QReadWriteLock15tryLockForWriteEi");
    const bool locked = f(this, timeout);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

void QReadWriteLock::unlock()
{
    static const auto f = real<void (*)(QReadWriteLock *)>("_ZN14QReadWriteLock6unlockEv");
    __tsan_release(this);
    f(this);
}

// ---- wait conditions and semaphores -----------------------------------------------

bool QWaitCondition::wait(QMutex *lockedMutex, QDeadlineTimer deadline)
{
    static const auto f =
        real<bool (*)(QWaitCondition *, QMutex *, QDeadlineTimer)>("_ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer");
    __tsan_release(lockedMutex);
    const bool woken = f(this, lockedMutex, deadline);
    __tsan_acquire(lockedMutex);
    __tsan_acquire(this);
    return woken;
}

bool QWaitCondition::wait(QMutex *lockedMutex, unsigned long time)
{
    static const auto f =
        real<bool (*)(QWaitCondition *, QMutex *, unsigned long)>("_ZN14QWaitCondition4waitEP6QMutexm");
    __tsan_release(lockedMutex);
    const bool woken = f(this, lockedMutex, time);
    __tsan_acquire(lockedMutex);
    __tsan_acquire(this);
    return woken;
}

bool QWaitCondition::wait(QReadWriteLock *lockedReadWriteLock, QDeadlineTimer deadline)
{
    static const auto f = real<bool (*)(QWaitCondition *, QReadWriteLock *, QDeadlineTimer)>(
        "_ZN14QWaitCondition4waitEP14QReadWriteLock14QDeadlineTimer");
    __tsan_release(lockedReadWriteLock);
    const bool woken = f(this, lockedReadWriteLock, deadline);
    __tsan_acquire(lockedReadWriteLock);
    __tsan_acquire(this);
    return woken;
}

bool QWaitCondition::wait(QReadWriteLock *lockedReadWriteLock, unsigned long time)
{
    static const auto f = real<bool (*)(QWaitCondition *, QReadWriteLock *, unsigned long)>(
        "_ZN14QWaitCondition4waitEP14QReadWriteLockm");
    __tsan_release(lockedReadWriteLock);
    const bool woken = f(this, lockedReadWriteLock, time);
    __tsan_acquire(lockedReadWriteLock);
    __tsan_acquire(this);
    return woken;
}

void QWaitCondition::wakeOne()
{
    static const auto f = real<void (*)(QWaitCondition *)>("_ZN14QWaitCondition7wakeOneEv");
    __tsan_release(this);
    f(this);
}

void QWaitCondition::wakeAll()
{
    static const auto f = real<void (*)(QWaitCondition *)>("_ZN14QWaitCondition7wakeAllEv");
    __tsan_release(this);
    f(this);
}

void QSemaphore::acquire(int n)
{
    static const auto f = real<void (*)(QSemaphore *, int)>("_ZN10QSemaphore7acquireEi");
    f(this, n);
    __tsan_acquire(this);
}

bool QSemaphore::tryAcquire(int n)
{
    static const auto f = real<bool (*)(QSemaphore *, int)>("_ZN10QSemaphore10tryAcquireEi");
    const bool got = f(this, n);
    if (got)
        __tsan_acquire(this);
    return got;
}

bool QSemaphore::tryAcquire(int n, int timeout)
{
    static const auto f = real<bool (*)(QSemaphore *, int, int)>("_ZN10QSemaphore10tryAcquireEii");
    const bool got = f(this, n, timeout);
    if (got)
        __tsan_acquire(this);
    return got;
}

void QSemaphore::release(int n)
{
    static const auto f = real<void (*)(QSemaphore *, int)>("_ZN10QSemaphore7releaseEi");
    __tsan_release(this);
    f(this, n);
}

// ---- threads ------------------------------------------------------------------

// Qt's threads are detached and waited for with Qt's own flag: what a thread
// did is ordered before the return of a wait (or a look at isFinished) that
// saw it end.
void QThread::start(Priority priority)
{
    static const auto f = real<void (*)(QThread *, Priority)>("_ZN7QThread5startENS_8PriorityE");
    if (!property("_kelvo_tsan").isValid()) {
        setProperty("_kelvo_tsan", true);
        connect(
            this, &QThread::finished, this, [this] { __tsan_release(this); }, Qt::DirectConnection);
    }
    f(this, priority);
}

bool QThread::wait(QDeadlineTimer deadline)
{
    static const auto f = real<bool (*)(QThread *, QDeadlineTimer)>("_ZN7QThread4waitE14QDeadlineTimer");
    const bool ended = f(this, deadline);
    if (ended)
        __tsan_acquire(this);
    return ended;
}

bool QThread::wait(unsigned long time)
{
    static const auto f = real<bool (*)(QThread *, unsigned long)>("_ZN7QThread4waitEm");
    const bool ended = f(this, time);
    if (ended)
        __tsan_acquire(this);
    return ended;
}

bool QThread::isFinished() const
{
    static const auto f = real<bool (*)(const QThread *)>("_ZNK7QThread10isFinishedEv");
    const bool ended = f(this);
    if (ended)
        __tsan_acquire(const_cast<QThread *>(this));
    return ended;
}

// ---- thread pools ---------------------------------------------------------------

namespace {
// What a thread did before it handed a function to a pool is ordered before
// the function runs (coarse like the events: one point for every pool). The
// function travels in a runnable of ours, whose run() is the first of our
// code the pool thread reaches.
char g_pool;

class OrderedRun : public QRunnable
{
public:
    explicit OrderedRun(std::function<void()> fn)
        : m_fn(std::move(fn))
    {
    }
    void run() override
    {
        __tsan_acquire(&g_pool);
        m_fn();
    }

private:
    std::function<void()> m_fn;
};

QRunnable *ordered(std::function<void()> fn)
{
    QRunnable *run = new OrderedRun(std::move(fn));
    __tsan_release(&g_pool);
    return run;
}
} // namespace

void QThreadPool::start(std::function<void()> functionToRun, int priority)
{
    if (!functionToRun)
        return;
    start(ordered(std::move(functionToRun)), priority);
}

bool QThreadPool::tryStart(std::function<void()> functionToRun)
{
    if (!functionToRun)
        return false;
    QRunnable *run = ordered(std::move(functionToRun));
    if (tryStart(run))
        return true;
    delete run;
    return false;
}

// ---- queued calls and posted events -------------------------------------------------

void QMetaObject::activate(QObject *sender, const QMetaObject *m, int localSignalIndex, void **argv)
{
    static const auto f =
        real<void (*)(QObject *, const QMetaObject *, int, void **)>("_ZN11QMetaObject8activateEP7QObjectPKS_iPPv");
    const HandOver handOver;
    f(sender, m, localSignalIndex, argv);
}

void QMetaObject::activate(QObject *sender, int signalOffset, int localSignalIndex, void **argv)
{
    static const auto f = real<void (*)(QObject *, int, int, void **)>("_ZN11QMetaObject8activateEP7QObjectiiPPv");
    const HandOver handOver;
    f(sender, signalOffset, localSignalIndex, argv);
}

void QMetaObject::activate(QObject *sender, int signal_index, void **argv)
{
    static const auto f = real<void (*)(QObject *, int, void **)>("_ZN11QMetaObject8activateEP7QObjectiPPv");
    const HandOver handOver;
    f(sender, signal_index, argv);
}

bool QMetaObject::invokeMethodImpl(QObject *object, QtPrivate::QSlotObjectBase *slot, Qt::ConnectionType type,
                                   void *ret)
{
    static const auto f = real<bool (*)(QObject *, QtPrivate::QSlotObjectBase *, Qt::ConnectionType, void *)>(
        "_ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv");
    __tsan_release(&g_events);
    return f(object, slot, type, ret);
}

bool QMetaObject::invokeMethod(QObject *obj, const char *member, Qt::ConnectionType type, QGenericReturnArgument ret,
                               QGenericArgument val0, QGenericArgument val1, QGenericArgument val2,
                               QGenericArgument val3, QGenericArgument val4, QGenericArgument val5,
                               QGenericArgument val6, QGenericArgument val7, QGenericArgument val8,
                               QGenericArgument val9)
{
    using Invoke = bool (*)(QObject *, const char *, Qt::ConnectionType, QGenericReturnArgument, QGenericArgument,
                            QGenericArgument, QGenericArgument, QGenericArgument, QGenericArgument, QGenericArgument,
                            QGenericArgument, QGenericArgument, QGenericArgument, QGenericArgument);
    static const auto f =
        real<Invoke>("_ZN11QMetaObject12invokeMethodEP7QObjectPKcN2Qt14ConnectionTypeE22QGenericReturn"
                     "Argument16QGenericArgumentS7_S7_S7_S7_S7_S7_S7_S7_S7_");
    const HandOver handOver;
    return f(obj, member, type, ret, val0, val1, val2, val3, val4, val5, val6, val7, val8, val9);
}

int QMetaType::registerNormalizedType(const ::QByteArray &normalizedTypeName, Destructor destructor,
                                      Constructor constructor, int size, QMetaType::TypeFlags flags,
                                      const QMetaObject *metaObject)
{
    using Register =
        int (*)(const ::QByteArray &, Destructor, Constructor, int, QMetaType::TypeFlags, const QMetaObject *);
    static const auto f = real<Register>("_ZN9QMetaType22registerNormalizedTypeERK10QByteArrayPFvPvEPFS3_S3_PKvEi6"
                                         "QFlagsINS_8TypeFlagEEPK11QMetaObject");
    return f(normalizedTypeName, destructor, constructor ? ordered(constructor) : nullptr, size, flags, metaObject);
}

void QCoreApplication::postEvent(QObject *receiver, QEvent *event, int priority)
{
    static const auto f =
        real<void (*)(QObject *, QEvent *, int)>("_ZN16QCoreApplication9postEventEP7QObjectP6QEventi");
    __tsan_release(&g_events);
    f(receiver, event, priority);
}

void QTimer::singleShotImpl(int msec, Qt::TimerType timerType, const QObject *receiver,
                            QtPrivate::QSlotObjectBase *slotObj)
{
    static const auto f = real<void (*)(int, Qt::TimerType, const QObject *, QtPrivate::QSlotObjectBase *)>(
        "_ZN6QTimer14singleShotImplEiN2Qt9TimerTypeEPK7QObjectPN9QtPrivate15QSlotObjectBaseE");
    __tsan_release(&g_events);
    f(msec, timerType, receiver, slotObj);
}
