// The sanitizers' options of the sweeps' programs and of every child they
// fork. Allocations the size of the machine fail instead of being tried: the
// sanitizers report them, and a child cannot take the machine's memory.
extern "C" __attribute__((visibility("default"), used)) const char *__asan_default_options() {
    return "abort_on_error=1:allocator_may_return_null=1:max_allocation_size_mb=1024";
}
extern "C" __attribute__((visibility("default"), used)) const char *__ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1:abort_on_error=1";
}
