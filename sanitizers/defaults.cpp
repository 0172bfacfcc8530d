// Sanitizer settings of the instrumented build. The runtimes ask for these
// through weak hooks at start-up; options given in the environment still
// override them for a single run.

extern "C" {

const char* __asan_default_options() {
    return "detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:"
           "check_initialization_order=1:detect_invalid_pointer_pairs=0";
}

const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}

// Leaks that belong to the system libraries below Qt, not to this program:
// caches that live until the process ends and are never freed on purpose.
const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n"
           "leak:libglib-2.0.so\n";
}

} // extern "C"
