#include <gtest/gtest.h>

#include <climits>
#include <string_view>

#include "text/ascii.h"
#include "text/decimal.h"

namespace qm {
namespace {

TEST(DecimalValue, ReadsLeadingDigitsAndSaturatesInsteadOfOverflowing) {
    struct Case {
        std::string_view text;
        std::int32_t value;
    };
    const Case cases[] = {
        {" \t+42x", 42},
        {"\n\v\f\r7", 7},
        {"-17", -17},
        {"x1", 0},
        {"", 0},
        {"-", 0},
        {"+-3", 0},
        // A full-width Shift-JIS digit is no digit.
        {"\x82\x4F", 0},
        {"2147483647", INT32_MAX},
        {"99999999999999999999", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"-99999999999", INT32_MIN},
        // The fixed-width fields are not zero-terminated: the view ends the number.
        {std::string_view("12345", 3), 123},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decimalValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(Ascii, LeavesEveryByteOutsideItsLettersAndDigitsAlone) {
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const bool letter = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z');
        if (!letter) {
            EXPECT_EQ(asciiUpper(c), c) << byte;
            EXPECT_EQ(asciiLower(c), c) << byte;
        }
        EXPECT_EQ(isAsciiDigit(c), byte >= '0' && byte <= '9') << byte;
    }
    EXPECT_EQ(asciiUpper('a'), 'A');
    EXPECT_EQ(asciiUpper('z'), 'Z');
    EXPECT_EQ(asciiLower('A'), 'a');
    EXPECT_EQ(asciiLower('Z'), 'z');
}

TEST(Ascii, EndingsCompareLettersWithoutCaseAndOtherBytesExactly) {
    struct Case {
        std::string_view text;
        std::string_view ending;
        bool ends;
    };
    const Case cases[] = {
        {"SCENE.LAB", ".LAB", true},  {"scene.lab", ".LAB", true},
        {"Scene.Png", ".png", true},  {".LAB", ".LAB", true},
        {"LAB", ".LAB", false},       {"SCENE.LAB.TXT", ".LAB", false},
        {"SCENE_LAB", ".LAB", false}, {"", "", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(endsWithAsciiNoCase(c.text, c.ending), c.ends) << '"' << c.text << '"';
}

}  // namespace
}  // namespace qm
