// Files, the current directory, the program's path and the message-box seam.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "tests/support/message_capture.h"
#include "tests/support/temp_dir.h"

namespace qm::platform {
namespace {

TEST(PlatformFiles, TextModeDropsOnlyTheCarriageReturnBeforeALineFeed) {
    test::TempDir dir;
    const std::string path = dir.writeFile("a.txt", "one\r\ntwo\rthree\r\n\r\r\n\x1a!");
    std::string text;
    ASSERT_TRUE(readTextFile(path, text));
    EXPECT_EQ(text, std::string("one\ntwo\rthree\n\r\n\x1a!"));
    EXPECT_FALSE(readTextFile(dir.path("missing.txt"), text));
}

TEST(PlatformFiles, SizesComeFromMetadata) {
    test::TempDir dir;
    EXPECT_EQ(fileSize(dir.writeFile("five.bin", "12345")), 5);
    EXPECT_EQ(fileSize(dir.writeFile("empty.bin", "")), 0);
    EXPECT_EQ(fileSize(dir.makeDir("folder")), 0);
    EXPECT_EQ(fileSize(dir.path("missing.bin")), -1);
    EXPECT_EQ(fileSize(dir.path() + std::string(260, 'x')), -1);
}

TEST(PlatformFiles, BinaryReadsAtSixtyFourBitPositions) {
    test::TempDir dir;
    const std::string path =
        dir.writeFile("data.bin", std::string_view("\x00\x01\x02\x03\r\n\x06", 7));
    File file;
    ASSERT_TRUE(file.open(path, File::Mode::Read));
    unsigned char bytes[8] = {};
    ASSERT_TRUE(file.seek(3));
    EXPECT_EQ(file.read(bytes, 8), 4u);  // short read at the end, no translation
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[1], '\r');
    EXPECT_EQ(bytes[2], '\n');
    EXPECT_TRUE(file.seek(std::int64_t{1} << 33));  // far past the end
    EXPECT_EQ(file.read(bytes, 1), 0u);
    EXPECT_FALSE(file.seek(-1));

    File folder;
    EXPECT_FALSE(folder.open(dir.makeDir("sub"), File::Mode::Read));
    EXPECT_FALSE(folder.open(dir.path("missing.bin"), File::Mode::Read));
}

TEST(PlatformFiles, PositionedReadsTakeWhatLiesAtTheOffset) {
    test::TempDir dir;
    const std::string path = dir.writeFile("b.dat", "0123456789");
    File file;
    ASSERT_TRUE(file.open(path, File::Mode::Read));
    struct Case {
        std::int64_t offset;
        std::size_t count;
        std::string expected;
    };
    const Case cases[] = {
        {3, 4, "3456"}, {0, 2, "01"}, {7, 8, "789"}, {10, 4, ""}, {25, 4, ""}, {-1, 4, ""},
    };
    for (const Case& c : cases) {
        char buffer[16] = {};
        const std::size_t got = file.readAt(c.offset, buffer, c.count);
        EXPECT_EQ(std::string(buffer, got), c.expected) << "offset " << c.offset;
    }
    // After positioned reads a seek makes plain reads work as before.
    char next[3] = {};
    ASSERT_TRUE(file.seek(0));
    EXPECT_EQ(file.read(next, 3), 3u);
    EXPECT_EQ(std::string(next, 3), "012");
}

TEST(PlatformFiles, WrittenBytesArriveUnchanged) {
    test::TempDir dir;
    const std::string path = dir.path("out.bin");
    File file;
    ASSERT_TRUE(file.open(path, File::Mode::Write));
    ASSERT_TRUE(file.write("a\nb\r\n", 5));
    ASSERT_TRUE(file.close());
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(readFileBytes(path, bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "a\nb\r\n");
    EXPECT_FALSE(file.open(dir.path("no-such-folder\\out.bin"), File::Mode::Write));
}

TEST(PlatformFiles, OverlongPathsAreRefused) {
    test::TempDir dir;
    const std::string longPath = dir.path() + std::string(kMaxPath, 'a');
    File file;
    EXPECT_FALSE(file.open(longPath, File::Mode::Write));
    EXPECT_FALSE(setCurrentDirectory(longPath));
    EXPECT_TRUE(fitsPath(std::string(kMaxPath - 1, 'a')));
    EXPECT_FALSE(fitsPath(std::string(kMaxPath, 'a')));
}

TEST(PlatformFiles, CurrentDirectoryChangesAndEndsInABackslash) {
    test::TempDir dir;
    const std::string previous = currentDirectory();
    ASSERT_FALSE(previous.empty());
    EXPECT_EQ(previous.back(), '\\');
    const std::string sub = dir.makeDir("work");
    ASSERT_TRUE(setCurrentDirectory(sub));
    EXPECT_EQ(fileSize("..\\work"), 0);  // relative paths resolve against it
    dir.writeFile("work\\here.txt", "abc");
    EXPECT_EQ(fileSize("here.txt"), 3);
    EXPECT_FALSE(setCurrentDirectory(dir.path("missing")));
    ASSERT_TRUE(setCurrentDirectory(previous));
}

TEST(PlatformFiles, ModulePathNamesTheRunningTestProgram) {
    const std::string path = modulePath();
    ASSERT_FALSE(path.empty());
    EXPECT_NE(path.find("quillmere-tests"), std::string::npos) << path;
    EXPECT_NE(path.find('\\'), std::string::npos) << path;
    EXPECT_GT(fileSize(path), 0);
}

TEST(PlatformMessageBox, AHandlerAnswersInsteadOfTheSystem) {
    test::MessageCapture capture;
    EXPECT_EQ(messageBox(nullptr, "text", "ERROR", kMbOk | kMbIconError), kIdOk);
    ASSERT_EQ(capture.boxes().size(), 1u);
    EXPECT_EQ(capture.boxes()[0].text, "text");
    EXPECT_EQ(capture.boxes()[0].caption, "ERROR");
    EXPECT_EQ(capture.boxes()[0].style, 0x10u);
}

}  // namespace
}  // namespace qm::platform
