// A temporary folder for one test, removed with everything in it at the end,
// and a scope that makes a folder the working directory.
#pragma once
#include <string>

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return path_; }
    std::string file(const std::string &name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

class ScopedCwd {
  public:
    explicit ScopedCwd(const std::string &dir);
    ~ScopedCwd();
    ScopedCwd(const ScopedCwd &) = delete;
    ScopedCwd &operator=(const ScopedCwd &) = delete;

  private:
    std::string previous_;
};

// Whole file as a string; empty when it cannot be read.
std::string readFile(const std::string &path);
void writeFile(const std::string &path, const std::string &contents);
bool fileExists(const std::string &path);
