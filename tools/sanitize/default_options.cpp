// Defaults of the sanitizer build, linked into every program and test of
// it, so that a run needs no environment of its own. Options given in
// ASAN_OPTIONS, UBSAN_OPTIONS or LSAN_OPTIONS still take precedence.
extern "C" {

const char *__asan_default_options() {
    return "detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1";
}

const char *__ubsan_default_options() { return "print_stacktrace=1"; }

const char *__lsan_default_options() { return "print_suppressions=0:suppressions=" KELDARY_LSAN_SUPPRESSIONS; }

// Libraries stay loaded to the end: a leak inside one that was unloaded
// (SDL unloads the GL and D-Bus libraries it opened) can neither be traced
// to it nor suppressed by its name.
int dlclose(void *) { return 0; }

// Comparison tracing (-fsanitize-coverage=trace-cmp) guides the fuzz
// targets. The sanitizer runtime has silent defaults for the integer
// comparisons but not for these two; the fuzz driver overrides them all.
__attribute__((weak)) void __sanitizer_cov_trace_cmpf(float, float) {}
__attribute__((weak)) void __sanitizer_cov_trace_cmpd(double, double) {}
}
