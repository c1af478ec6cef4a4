// Temporary folders and small file helpers for the tests.
#include "tests/support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

TempDir::TempDir() {
    const char *base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr ? base : "/tmp") + "/kavlor-test-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

ScopedCwd::ScopedCwd(const std::string &dir) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
}

ScopedCwd::~ScopedCwd() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string &path, const std::string &contents) {
    std::ofstream out(path, std::ios::binary);
    out << contents;
}

bool fileExists(const std::string &path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}
