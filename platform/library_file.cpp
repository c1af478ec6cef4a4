#include "platform/library_file.h"

#include <dlfcn.h>

std::string libraryFile() {
    Dl_info info{};
    // Any address of the library's own code names the object that holds it.
    if (dladdr(reinterpret_cast<const void *>(&libraryFile), &info) == 0 ||
        info.dli_fname == nullptr)
        return "";
    return info.dli_fname;
}
