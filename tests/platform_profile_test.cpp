// Configuration files: the same answers from the POSIX reader and from Windows'
// GetPrivateProfileIntA / GetPrivateProfileStringA.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "tests/support/temp_dir.h"

namespace qm::platform {
namespace {

constexpr char kIni[] =
    "; configuration for the profile tests\r\n"
    "[Logical Format]\r\n"
    "  CEOS-A  =  1  \r\n"
    "fast=2\r\n"
    "Hex = 0x10\r\n"
    "Negative=-5\r\n"
    "Trailing= 12abc\r\n"
    "Empty=\r\n"
    "NoEquals\r\n"
    "Dup=first\r\n"
    "Dup=second\r\n"
    "Quoted = \"quoted value\" \r\n"
    "Half = \"only opening\r\n"
    "QuotedNumber=\"42\"\r\n"
    "Long=123456789012345678901234567890123\r\n"
    "Spaced key = with inner  spaces \r\n"
    "[Other]\n"
    "fast=7\n"
    "[logical format]\n"
    "Later=3\n";

class PlatformProfile : public testing::Test {
  protected:
    test::TempDir dir;
    std::string ini = dir.writeFile("QMDATA.INI", kIni);
};

TEST_F(PlatformProfile, StringsFollowTheWindowsRules) {
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"Logical Format", "CEOS-A", "1"},       // spaces around key and value dropped
        {"LOGICAL FORMAT", "ceos-a", "1"},       // names compared without regard to case
        {"Logical Format", "Empty", ""},         // present but empty: not the default
        {"Logical Format", "NoEquals", "dflt"},  // a line without '=' is no value
        {"Logical Format", "Dup", "first"},      // the first key wins
        {"Logical Format", "Quoted", "quoted value"},
        {"Logical Format", "Half", "\"only opening"},
        {"Logical Format", "Spaced key", "with inner  spaces"},
        {"Logical Format", "Later", "dflt"},  // only the first section of a name counts
        {"Other", "fast", "7"},
        {"Missing", "fast", "dflt"},
        {"Logical Format", "Missing", "dflt"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(profileString(ini, c.section, c.key, "dflt", 260), c.expected)
            << c.section << " / " << c.key;
    }
}

TEST_F(PlatformProfile, StringIsCutToTheCallersBuffer) {
    EXPECT_EQ(profileString(ini, "Logical Format", "Long", "*", 6), "12345");
    EXPECT_EQ(profileString(ini, "Logical Format", "Missing", "default", 4), "def");
    EXPECT_EQ(profileString(ini, "Logical Format", "Long", "*", 1), "");
}

TEST_F(PlatformProfile, IntegersFollowTheWindowsRules) {
    struct Case {
        const char* key;
        int expected;
    };
    const Case cases[] = {
        {"CEOS-A", 1}, {"fast", 2},      {"Hex", 16},     {"Negative", -5}, {"Trailing", 12},
        {"Empty", 99}, {"NoEquals", 99}, {"Missing", 99}, {"Quoted", 0},    {"QuotedNumber", 42},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(profileInt(ini, "logical format", c.key, 99), c.expected) << c.key;
    }
}

TEST_F(PlatformProfile, IntegerReadsOnly29CharactersAndWraps) {
    // 12345678901234567890123456789 modulo 2^32, seen as signed.
    EXPECT_EQ(profileInt(ini, "Logical Format", "Long", 0), 1849262357);
}

TEST_F(PlatformProfile, MissingFileGivesDefaults) {
    const std::string missing = dir.path("NOPE.INI");
    EXPECT_EQ(profileInt(missing, "Logical Format", "fast", 0), 0);
    EXPECT_EQ(profileString(missing, "FileNameMask", "fast", "*", 260), "*");
}

TEST_F(PlatformProfile, OverlongFilePathGivesDefaults) {
    const std::string tooLong = dir.path(std::string(300, 'a') + ".INI");
    EXPECT_EQ(profileInt(tooLong, "Logical Format", "fast", 5), 5);
    EXPECT_EQ(profileString(tooLong, "Logical Format", "fast", "*", 260), "*");
}

}  // namespace
}  // namespace qm::platform
