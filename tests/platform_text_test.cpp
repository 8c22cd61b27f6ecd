// Code page 932 texts turned into UTF-8, and paths made full.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "platform/platform.h"
#include "tests/support/temp_dir.h"

namespace qm {
namespace {

std::string utf8(std::u8string_view text) {
    return std::string(text.begin(), text.end());
}

bool isValidUtf8(const std::string& text) {
    try {
        static_cast<void>(nlohmann::json(text).dump());
        return true;
    } catch (const nlohmann::json::type_error&) {
        return false;
    }
}

TEST(Utf8FromAnsi, ConvertsShiftJisCharacters) {
    const struct {
        std::string ansi;
        std::u8string utf8;
    } cases[] = {
        {"", u8""},
        {"A\\~ z", u8"A\\~ z"},
        // 0x5C as the trail byte of a double-byte character is no backslash.
        {"\x95\x5C\x83\x5C", u8"表ソ"},
        {"\x8A\xCF\x91\xAA"
         "ABC",
         u8"観測ABC"},
        {"\xB1\xDD", u8"ｱﾝ"},  // half-width katakana are single bytes
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::utf8FromAnsi(c.ansi), utf8(c.utf8)) << c.ansi;
    }
}

TEST(Utf8FromAnsi, ReplacesBytesThatStartNoCharacter) {
    for (const std::string& ansi : {std::string("OK\x81"), std::string("OK\x81") + '\0',
                                    std::string("OK\xFF"), std::string("OK\xFD\xFE")}) {
        const std::string result = platform::utf8FromAnsi(ansi);
        EXPECT_TRUE(isValidUtf8(result)) << ansi;
        EXPECT_EQ(result.substr(0, 2), "OK");
        EXPECT_GT(result.size(), 2u);
    }
}

TEST(FullPath, ResolvesAgainstTheCurrentDirectory) {
    test::TempDir dir;
    const std::string start = platform::currentDirectory();
    ASSERT_TRUE(platform::setCurrentDirectory(dir.path()));
    const std::string here = platform::currentDirectory();
    const struct {
        std::string path;
        std::string full;
    } cases[] = {
        {"B.LAB", here + "B.LAB"},
        {"A\\B.LAB", here + "A\\B.LAB"},
        {"A/B.LAB", here + "A\\B.LAB"},
        {".\\A\\..\\B.LAB", here + "B.LAB"},
        {here + "C\\D.LAB", here + "C\\D.LAB"},
        {"", ""},
        {std::string(platform::kMaxPath, 'x'), ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::fullPath(platform::fromNativePath(c.path)), c.full) << c.path;
    }
    ASSERT_TRUE(platform::setCurrentDirectory(start));
}

}  // namespace
}  // namespace qm
