// Wildcard directory search: the same names, in the same order, from the POSIX
// search and from FindFirstFileA / FindNextFileA.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "tests/support/temp_dir.h"

namespace qm::platform {
namespace {

using Names = std::vector<std::string>;

class PlatformSearch : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"zeta.DAT", "Alpha.DAT", "b10.DAT", "B2.DAT", "beta.DAT",
                                 "delta.DAT", "GAMMA.DAT", "t.ini", "NODOT", "_under.DAT"}) {
            dir.writeFile(name, "x");
        }
        dir.makeDir("sub.DAT");
    }
    std::string pattern(const char* mask) const { return dir.path() + mask; }

    test::TempDir dir;
};

TEST_F(PlatformSearch, WildcardsMatchWithoutRegardToCase) {
    struct Case {
        const char* mask;
        Names expected;
    };
    const Case cases[] = {
        {"*.dat",
         {"Alpha.DAT", "b10.DAT", "B2.DAT", "beta.DAT", "delta.DAT", "GAMMA.DAT", "sub.DAT",
          "zeta.DAT", "_under.DAT"}},
        {"B?.DAT", {"B2.DAT"}},
        {"b*0.dat", {"b10.DAT"}},
        {"?????.DAT", {"Alpha.DAT", "delta.DAT", "GAMMA.DAT"}},
        {"t.INI", {"t.ini"}},
        {"NODOT.", {"NODOT"}},
        {"*.*",
         {"Alpha.DAT", "b10.DAT", "B2.DAT", "beta.DAT", "delta.DAT", "GAMMA.DAT", "NODOT",
          "sub.DAT", "t.ini", "zeta.DAT", "_under.DAT"}},
        {"*.xyz", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(findFiles(pattern(c.mask)), c.expected) << c.mask;
    }
}

TEST_F(PlatformSearch, StarYieldsEveryEntryButTheDotEntries) {
    // Names are in upper-case-folded order, so '_' (after 'Z') comes last.
    const Names expected = {"Alpha.DAT", "b10.DAT", "B2.DAT", "beta.DAT", "delta.DAT", "GAMMA.DAT",
                            "NODOT",     "sub.DAT", "t.ini",  "zeta.DAT", "_under.DAT"};
    EXPECT_EQ(findFiles(pattern("*")), expected);
}

TEST_F(PlatformSearch, RelativePatternSearchesTheCurrentDirectory) {
    const std::string previous = currentDirectory();
    ASSERT_TRUE(setCurrentDirectory(dir.path()));
    EXPECT_EQ(findFiles("b*.dat"), (Names{"b10.DAT", "B2.DAT", "beta.DAT"}));
    ASSERT_TRUE(setCurrentDirectory(previous));
}

TEST_F(PlatformSearch, MissingDirectoryAndOverlongPatternFindNothing) {
    EXPECT_TRUE(findFiles(dir.path("missing\\*")).empty());
    EXPECT_TRUE(findFiles(dir.path() + std::string(300, 'a') + "*").empty());
}

}  // namespace
}  // namespace qm::platform
