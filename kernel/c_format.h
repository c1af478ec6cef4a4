// printf-style formatting that ignores the caller's locale: numbers in files
// and texts always use "." as the decimal point, whatever LC_NUMERIC says.
#pragma once
#include <cstdarg>
#include <cstddef>
#include <cstdio>

// snprintf in the "C" locale.
int formatC(char *buffer, std::size_t size, const char *format, ...)
    __attribute__((format(printf, 3, 4)));
int vformatC(char *buffer, std::size_t size, const char *format, va_list args);

// The "C" locale for the calling thread while an object lives (for reading
// numbers with the stdio scanners).
class CLocaleScope {
  public:
    CLocaleScope();
    ~CLocaleScope();
    CLocaleScope(const CLocaleScope &) = delete;
    CLocaleScope &operator=(const CLocaleScope &) = delete;

  private:
    void *previous_;
};

// fprintf in the "C" locale.
int printC(FILE *stream, const char *format, ...) __attribute__((format(printf, 2, 3)));
