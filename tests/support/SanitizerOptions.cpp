// The sanitizers' settings for every test program, compiled in: ctest's per-test
// environment cannot carry them (the test discovery splits its environment list at the
// semicolons that separate them). The sanitizer runtimes call these hooks at start-up;
// a build without sanitizers never does.
extern "C" {

const char* __asan_default_options() { return "detect_leaks=1"; }

const char* __lsan_default_options() { return "suppressions=" SKYLOOM_LSAN_SUPPRESSIONS; }

const char* __tsan_default_options() { return "halt_on_error=1 second_deadlock_stack=1"; }

} // extern "C"
