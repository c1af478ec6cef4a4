#include "platform/shared_library.h"

#include <dlfcn.h>

#include <cstdio>

SharedLibrary::SharedLibrary(const char *soname) : soname_(soname) {
    handle_ = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char *why = dlerror();
        error_ = why != nullptr ? why : "not found";
    }
}

void *SharedLibrary::symbol(const char *name) {
    if (handle_ == nullptr) return nullptr;
    void *found = dlsym(handle_, name);
    if (found == nullptr && error_.empty()) error_ = std::string("no function ") + name;
    return found;
}

bool SharedLibrary::ready(const char *consequence) const {
    if (error_.empty()) return true;
    std::fflush(stdout);
    std::fprintf(stderr, ">>>> %s cannot be loaded (%s): %s!\n", soname_, error_.c_str(),
                 consequence);
    return false;
}
