// A shared library opened when the platform first needs it. The window system
// (libX11) and the font libraries (FreeType, fontconfig) are opened so, by
// their SONAME, so that a program that only draws into files neither loads
// them nor pays for their relocation when it starts.
#pragma once
#include <string>

class SharedLibrary {
  public:
    explicit SharedLibrary(const char *soname);
    // Never closed: handles of the library may live until the process ends.
    ~SharedLibrary() = default;
    SharedLibrary(const SharedLibrary &) = delete;
    SharedLibrary &operator=(const SharedLibrary &) = delete;

    // Looks a function of the library up into slot; one that is missing makes
    // the library unusable (ready() says why).
    template <class Function> void resolve(Function *&slot, const char *name) {
        slot = reinterpret_cast<Function *>(symbol(name));
    }

    // True when the library opened and every function resolved. Otherwise
    // prints ">>>> SONAME cannot be loaded (REASON): CONSEQUENCE!" on standard
    // error and answers false.
    bool ready(const char *consequence) const;

  private:
    void *symbol(const char *name);

    const char *soname_;
    void *handle_ = nullptr;
    std::string error_; // the first failure, empty when there was none
};
