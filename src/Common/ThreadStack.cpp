#include "ThreadStack.h"

#include <csignal>
#include <cstdlib>

namespace {

// Enough for the handler's backtrace and writes, whatever the C library's minimum.
constexpr size_t kStackSize = 64 * 1024;

struct AltStack
{
    void *memory = nullptr;

    ~AltStack()
    {
        if (!memory)
            return;
        // Switched off before it is freed: the kernel must never point into freed memory.
        stack_t off{};
        off.ss_flags = SS_DISABLE;
        sigaltstack(&off, nullptr);
        std::free(memory);
    }
};

thread_local AltStack t_stack;

} // namespace

namespace ThreadStack {

void install()
{
    if (t_stack.memory || installed())
        return;
    const size_t size = kStackSize < size_t(SIGSTKSZ) ? size_t(SIGSTKSZ) : kStackSize;
    void *memory = std::malloc(size);
    if (!memory)
        return;
    stack_t stack{};
    stack.ss_sp = memory;
    stack.ss_size = size;
    if (sigaltstack(&stack, nullptr) != 0) {
        std::free(memory);
        return;
    }
    t_stack.memory = memory;
}

bool installed()
{
    stack_t current{};
    return sigaltstack(nullptr, &current) == 0 && !(current.ss_flags & SS_DISABLE);
}

} // namespace ThreadStack
