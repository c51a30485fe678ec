// Test binaries that start the embedded Firebird engine link this file: the engine keeps ICU
// tables for the life of the process, which LeakSanitizer would report at exit.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libicuuc.so\n";
}
