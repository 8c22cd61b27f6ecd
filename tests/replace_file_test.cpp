// Files written whole or not at all: the new file replaces the old only when it is
// complete, and every failure leaves the old file and nothing else behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "tests/support/scoped_write_fault.h"
#include "tests/support/temp_dir.h"

namespace qm::platform {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t entries(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// Writes "new picture" in two pieces, as the exports write header and rows.
WriteFailure writeNewPicture(const std::string& target) {
    return replaceFile(
        target, [](File& file) { return file.write("new ", 4) && file.write("picture", 7); });
}

TEST(ReplaceFile, ANewFileIsWrittenAndAnOldOneReplaced) {
    test::TempDir dir;
    EXPECT_EQ(writeNewPicture(dir.path("NEW.BMP")), WriteFailure::None);
    EXPECT_EQ(contents(dir.native("NEW.BMP")), "new picture");
    dir.writeFile("OLD.BMP", std::string(5000, 'o'));
    EXPECT_EQ(writeNewPicture(dir.path("OLD.BMP")), WriteFailure::None);
    EXPECT_EQ(contents(dir.native("OLD.BMP")), "new picture");
    EXPECT_EQ(entries(dir.native()), 2u);  // no temporary file stays
}

// The old file stays as it was and no temporary file is left, whatever failed.
TEST(ReplaceFile, EveryFailureKeepsTheOldFileAndLeavesNothing) {
    const struct {
        const char* name;
        std::optional<WriteFault> fault;
        const char* target;
        WriteFailure failure;
    } cases[] = {
        {"disk full after the header", WriteFault{WriteFailure::DiskFull, 4}, "OLD.BMP",
         WriteFailure::DiskFull},
        {"disk full at once", WriteFault{WriteFailure::DiskFull, 0}, "OLD.BMP",
         WriteFailure::DiskFull},
        {"read-only folder", WriteFault{WriteFailure::AccessDenied, -1}, "OLD.BMP",
         WriteFailure::AccessDenied},
        {"no such folder", std::nullopt, "MISSING/OLD.BMP", WriteFailure::FolderMissing},
        {"name too long", std::nullopt, nullptr, WriteFailure::NameTooLong},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        dir.writeFile("OLD.BMP", "old picture");
        const std::string target =
            c.target ? dir.path(c.target) : dir.path() + std::string(kMaxPath, 'n');
        {
            const test::ScopedWriteFault fault(c.fault);
            EXPECT_EQ(writeNewPicture(target), c.failure);
        }
        EXPECT_EQ(contents(dir.native("OLD.BMP")), "old picture");
        EXPECT_EQ(entries(dir.native()), 1u);
    }
}

// A read-only file is not replaced (Windows refuses it; POSIX follows), and a
// writer that gives up of its own accord fails as Other.
TEST(ReplaceFile, ReadOnlyFilesAndAbandonedWritesKeepTheOldFile) {
    test::TempDir dir;
    const std::string readOnly = dir.writeFile("READONLY.BMP", "kept");
    fs::permissions(dir.native("READONLY.BMP"), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(writeNewPicture(readOnly), WriteFailure::AccessDenied);
    EXPECT_EQ(contents(dir.native("READONLY.BMP")), "kept");
    fs::permissions(dir.native("READONLY.BMP"), fs::perms::owner_all);

    const std::string old = dir.writeFile("OLD.BMP", "old picture");
    EXPECT_EQ(replaceFile(old, [](File& file) { return file.write("x", 1) && false; }),
              WriteFailure::Other);
    EXPECT_EQ(contents(dir.native("OLD.BMP")), "old picture");
    EXPECT_EQ(entries(dir.native()), 2u);
}

// What the flush hands on is in the file before it closes; after a failed write the
// flush reports the failure rather than a file on disk.
TEST(ReplaceFile, FlushToDiskSaysWhetherTheBytesGotThere) {
    test::TempDir dir;
    File file;
    EXPECT_FALSE(file.flushToDisk());  // nothing open
    ASSERT_TRUE(file.open(dir.path("NEW.BMP"), File::Mode::Write));
    ASSERT_TRUE(file.write("new", 3));
    EXPECT_TRUE(file.flushToDisk());
    EXPECT_EQ(contents(dir.native("NEW.BMP")), "new");

    const test::ScopedWriteFault fault(WriteFault{WriteFailure::DiskFull, 3});
    ASSERT_TRUE(file.open(dir.path("FULL.BMP"), File::Mode::Write));
    EXPECT_FALSE(file.write("picture", 7));
    EXPECT_FALSE(file.flushToDisk());
    EXPECT_EQ(file.failure(), WriteFailure::DiskFull);
}

}  // namespace
}  // namespace qm::platform
