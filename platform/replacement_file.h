// ReplacementFile: the new contents of a file, written beside it and renamed
// over it in one step, so that a failure anywhere leaves the file as it was.
// The new file takes the file's name with a unique suffix and is made
// exclusively, so that no other file is opened, overwritten or removed; it
// gets the permissions of the file it replaces.
#pragma once
#include <cstdio>
#include <string>

class ReplacementFile {
  public:
    // Opens the new file beside target, which must exist; file() is null when
    // the new file cannot be made.
    explicit ReplacementFile(const char *target);
    // Removes the new file unless commit renamed it over the target.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile &) = delete;
    ReplacementFile &operator=(const ReplacementFile &) = delete;

    FILE *file() const { return file_; }
    // Closes the new file and renames it over the target; false, with the
    // new file removed and the target unchanged, when a write, the close or
    // the rename failed.
    bool commit();

  private:
    std::string target_;
    std::string name_; // the new file; empty once it is gone
    FILE *file_ = nullptr;
};
