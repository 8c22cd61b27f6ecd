// The command line of quillmere-cli: an option's value after '=' reads as the
// next word would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/cli/arguments.h"

namespace qm::cli {
namespace {

using Strings = std::vector<std::string>;

void expectSameArguments(const Arguments& got, const Arguments& want) {
    EXPECT_EQ(got.action, want.action) << got.error;
    EXPECT_EQ(got.error, want.error);
    EXPECT_EQ(got.labelPath, want.labelPath);
    EXPECT_EQ(got.configPath, want.configPath);
    EXPECT_EQ(got.outputPath, want.outputPath);
    EXPECT_EQ(got.bands, want.bands);
    ASSERT_EQ(got.levels.size(), want.levels.size());
    for (std::size_t k = 0; k < got.levels.size(); ++k) {
        EXPECT_EQ(got.levels[k].high, want.levels[k].high);
        EXPECT_EQ(got.levels[k].low, want.levels[k].low);
    }
    EXPECT_EQ(got.json, want.json);
    EXPECT_EQ(got.stats, want.stats);
}

TEST(CliArgumentsTest, ValueAfterEqualsReadsAsTheNextWord) {
    const struct {
        Strings gnu;
        Strings spaced;
    } cases[] = {
        {{"export", "L.LAB", "-o", "O.BMP", "--band=2", "--levels=-100:300"},
         {"export", "L.LAB", "-o", "O.BMP", "--band", "2", "--levels", "-100:300"}},
        {{"export", "L.LAB", "-o", "O.BMP", "--rgb=3,2,1", "--levels=1:2,3:4,5:6",
          "--config=C:\\x=y.INI"},
         {"export", "L.LAB", "-o", "O.BMP", "--rgb", "3,2,1", "--levels", "1:2,3:4,5:6", "--config",
          "C:\\x=y.INI"}},
        {{"info", "--config=Q.INI", "L.LAB", "--json"},
         {"info", "--config", "Q.INI", "L.LAB", "--json"}},
        // A value that itself looks like an option is taken whole.
        {{"info", "--config", "--band=1", "L.LAB"}, {"info", "L.LAB", "--config", "--band=1"}},
        // An empty value is still a value, refused by the option itself.
        {{"export", "L.LAB", "-o", "O.BMP", "--band="},
         {"export", "L.LAB", "-o", "O.BMP", "--band", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gnu.back());
        expectSameArguments(parseArguments(c.gnu), parseArguments(c.spaced));
    }
}

TEST(CliArgumentsTest, EqualsOnAFlagOrAnUnknownOptionIsAUsageError) {
    const struct {
        Strings words;
        const char* error;
    } cases[] = {
        {{"info", "L.LAB", "--json=yes"}, "--json takes no value"},
        {{"export", "L.LAB", "-o", "O.BMP", "--band", "1", "--auto-true-colour=1"},
         "--auto-true-colour takes no value"},
        {{"export", "L.LAB", "-o", "O.BMP", "--band", "1", "--zoom=2"}, "unknown option --zoom=2"},
    };
    for (const auto& c : cases) {
        const Arguments result = parseArguments(c.words);
        EXPECT_EQ(result.action, Arguments::Action::UsageError);
        EXPECT_EQ(result.error, c.error);
    }
}

}  // namespace
}  // namespace qm::cli
