#pragma once

// A stack overflow leaves the faulting thread no stack to run the crash
// handler on: every thread the client starts calls ThreadStack::install() as
// the first thing it does, which gives it its own signal stack. The stack is
// kept until the thread ends; a second call on the same thread does nothing,
// and a thread that already has one (the sanitizers give theirs) keeps it.
namespace ThreadStack {

void install();
// True when the calling thread has an alternate signal stack.
bool installed();

} // namespace ThreadStack
