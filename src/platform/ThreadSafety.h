#pragma once
// Clang's thread-safety annotations, so that the compiler checks which lock guards what.
//
// Under clang with -Wthread-safety (the analysis build, `make analyze`) they expand to
// clang's attributes; under any other compiler to nothing. A lock type is a CAPABILITY,
// a type that holds a lock for a scope is a SCOPED_CAPABILITY; a member names its lock
// with GUARDED_BY (PT_GUARDED_BY for what a pointer member points to); a function says
// that its caller holds a lock (REQUIRES), that it takes one and keeps it (ACQUIRE),
// gives one up (RELEASE), must not be called with one held (EXCLUDES), or returns one
// (RETURN_CAPABILITY). NO_THREAD_SAFETY_ANALYSIS turns the check off for one function:
// only where the analysis cannot follow the code (a lock taken again by the thread that
// holds it, a lock taken only for a non-null owner), each with a comment that says why.
// See docs/threads.md.

#if defined(__clang__)
#define SKYLOOM_THREAD_ANNOTATION(x) __attribute__((x))
#else
#define SKYLOOM_THREAD_ANNOTATION(x)
#endif

#define CAPABILITY(x) SKYLOOM_THREAD_ANNOTATION(capability(x))
#define SCOPED_CAPABILITY SKYLOOM_THREAD_ANNOTATION(scoped_lockable)
#define GUARDED_BY(x) SKYLOOM_THREAD_ANNOTATION(guarded_by(x))
#define PT_GUARDED_BY(x) SKYLOOM_THREAD_ANNOTATION(pt_guarded_by(x))
#define REQUIRES(...) SKYLOOM_THREAD_ANNOTATION(requires_capability(__VA_ARGS__))
#define ACQUIRE(...) SKYLOOM_THREAD_ANNOTATION(acquire_capability(__VA_ARGS__))
#define RELEASE(...) SKYLOOM_THREAD_ANNOTATION(release_capability(__VA_ARGS__))
#define TRY_ACQUIRE(...) SKYLOOM_THREAD_ANNOTATION(try_acquire_capability(__VA_ARGS__))
#define EXCLUDES(...) SKYLOOM_THREAD_ANNOTATION(locks_excluded(__VA_ARGS__))
#define RETURN_CAPABILITY(x) SKYLOOM_THREAD_ANNOTATION(lock_returned(x))
#define NO_THREAD_SAFETY_ANALYSIS SKYLOOM_THREAD_ANNOTATION(no_thread_safety_analysis)
