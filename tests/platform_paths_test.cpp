// Paths as each system spells them: where a path's folder ends, whether two paths
// name one file, and how a path reaches the console and the program's texts.
#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "tests/support/temp_dir.h"

namespace qm::platform {
namespace {

std::string utf8(std::u8string_view text) {
    return std::string(text.begin(), text.end());
}

TEST(PlatformPaths, TheLastSeparatorFollowsTheSystemsEncoding) {
    const std::string japaneseFolder = utf8(u8"D:\\テスト\\A.LAB");  // E3 83 86 E3 82 B9 E3 83 88
    const struct {
        std::string path;
        std::size_t windows;
        std::size_t posix;
    } cases[] = {
        {"D:\\DATA\\A.LAB", 7, 7},
        {"A.LAB", std::string::npos, std::string::npos},
        // Shift-JIS 0x95 0x5C is one character on Windows; POSIX bytes are UTF-8.
        {"D:\\\x95\x5C\\A.LAB", 5, 5},
        {"D:\\X\\\x95\x5C", 4, 6},
        // UTF-8 bytes read as Shift-JIS would swallow the backslash after 0x88.
        {japaneseFolder, 0, 12},
    };
    for (const auto& c : cases) {
#ifdef _WIN32
        const std::size_t expected = c.windows;
        if (c.path == japaneseFolder)
            continue;  // not a Windows path in the program's code page
#else
        const std::size_t expected = c.posix;
#endif
        EXPECT_EQ(lastPathSeparator(c.path), expected) << c.path;
    }
}

TEST(PlatformPaths, SameFileHoweverThePathIsSpelled) {
    test::TempDir dir;
    const std::string band = dir.writeFile("SCENE/B1.DAT", "band");
    dir.writeFile("OTHER.DAT", "other");
    EXPECT_TRUE(sameFile(band, band));
    EXPECT_TRUE(sameFile(band, dir.path("SCENE/../SCENE/B1.DAT")));
    EXPECT_FALSE(sameFile(band, dir.path("OTHER.DAT")));
    EXPECT_FALSE(sameFile(band, dir.path("SCENE/NEW.BMP")));  // not there yet
    EXPECT_TRUE(sameFile(dir.path("SCENE/NEW.BMP"), dir.path("SCENE/./NEW.BMP")));
#ifdef _WIN32
    EXPECT_TRUE(sameFile(band, dir.path("scene/b1.dat")));
    EXPECT_TRUE(sameFile(dir.path("SCENE/NEW.BMP"), dir.path("scene/new.bmp")));
#else
    EXPECT_FALSE(sameFile(dir.path("SCENE/NEW.BMP"), dir.path("scene/new.bmp")));
#endif
}

// POSIX prints a path's own bytes with '/'; Windows keeps the program's bytes.
TEST(PlatformPaths, PathsReachTheConsoleAsTheUserSpellsThem) {
#ifdef _WIN32
    EXPECT_EQ(consolePath("C:\\\x83\x65\x83\x58\x83\x67\\A.LAB"),
              "C:\\\x83\x65\x83\x58\x83\x67\\A.LAB");
    EXPECT_EQ(utf8Path("C:\\\x83\x65\x83\x58\x83\x67"), utf8(u8"C:\\テスト"));
    EXPECT_EQ(programTextFromPath("\x83\x65\x83\x58\x83\x67"), "\x83\x65\x83\x58\x83\x67");
#else
    EXPECT_EQ(consolePath(utf8(u8"\\tmp\\テスト\\A.LAB")), utf8(u8"/tmp/テスト/A.LAB"));
    EXPECT_EQ(utf8Path(utf8(u8"\\tmp\\テスト")), utf8(u8"/tmp/テスト"));
    // A file name becomes a display name in the program's code page; what it lacks is '?'.
    EXPECT_EQ(programTextFromPath(utf8(u8"テスト_B1.DAT")), "\x83\x65\x83\x58\x83\x67_B1.DAT");
    EXPECT_EQ(programTextFromPath("a\xF0\x9F\x98\x80"
                                  "b"),
              "a?b");  // an emoji
#endif
}

}  // namespace
}  // namespace qm::platform
