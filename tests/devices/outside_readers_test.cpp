// The inputs kept from fuzzing the readers of outside data, replayed: each
// reader on each kept file keeps its rules, and the sanitizers of the ASan
// build see every byte it touches.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/devices/fuzz/outside_readers.h"
#include "tests/support/fresh_record.h"
#include "tests/support/temp_dir.h"

namespace {

using ReaderFn = bool (*)(const std::uint8_t *, std::size_t);

class OutsideReaders : public FreshRecord {
  protected:
    // Every kept input of the reader's corpus folder; the number replayed.
    static int replay(const char *kind, ReaderFn reader) {
        int files = 0;
        for (const auto &entry : std::filesystem::directory_iterator(
                 std::filesystem::path(KAVLOR_FUZZ_CORPUS) / kind)) {
            const std::string bytes = readFile(entry.path());
            ++files;
            EXPECT_TRUE(reader(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size()))
                << entry.path();
        }
        return files;
    }
};

TEST_F(OutsideReaders, BdfFonts) {
    EXPECT_GT(replay("bdf", readBdfBytes), 0);
}

TEST_F(OutsideReaders, RegistryFiles) {
    EXPECT_GT(replay("registry", readRegistryBytes), 0);
}

TEST_F(OutsideReaders, UnitFiles) {
    EXPECT_GT(replay("unit_file", readUnitFileBytes), 0);
}

TEST_F(OutsideReaders, ColourTables) {
    EXPECT_GT(replay("colour_table", readColourTableBytes), 0);
}

TEST_F(OutsideReaders, IncludedFilesOnEveryDevice) {
    EXPECT_GT(replay("include", includeIntoEachDevice), 0);
}

} // namespace
