// quillmere-sample-gen's command line: the output folder, --seed and --size.
#include "tools/sample_gen/options.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qm {
namespace {

using Action = sample::Options::Action;

struct OptionsCase {
    std::vector<std::string> arguments;
    Action action;
    std::uint64_t seed;
    int width;
    int height;
};

TEST(SampleGenOptionsTest, ReadsFolderSeedAndSize) {
    const std::vector<OptionsCase> cases = {
        {{"out"}, Action::Generate, 1, 1500, 1200},
        {{"out", "--seed", "42"}, Action::Generate, 42, 1500, 1200},
        {{"--size", "64x40", "out"}, Action::Generate, 1, 64, 40},
        {{"out", "--size", "8X8"}, Action::Generate, 1, 8, 8},
        {{"out", "--help"}, Action::Help, 1, 1500, 1200},
        {{"--version"}, Action::Version, 1, 1500, 1200},
        {{}, Action::UsageError, 1, 1500, 1200},
        {{"out", "other"}, Action::UsageError, 1, 1500, 1200},
        {{"out", "--seed"}, Action::UsageError, 1, 1500, 1200},
        {{"out", "--seed", "-3"}, Action::UsageError, 1, 1500, 1200},
        {{"out", "--seed", "12abc"}, Action::UsageError, 1, 1500, 1200},
        {{"out", "--size", "64"}, Action::UsageError, 1, 1500, 1200},
        {{"out", "--size", "7x40"}, Action::UsageError, 1, 1500, 1200},
        {{"out", "--size", "64x10001"}, Action::UsageError, 1, 1500, 1200},
        {{"out", "--fast"}, Action::UsageError, 1, 1500, 1200},
    };
    for (const OptionsCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const sample::Options options = sample::parseOptions(c.arguments);
        EXPECT_EQ(options.action, c.action);
        if (c.action == Action::UsageError) {
            EXPECT_FALSE(options.error.empty());
            continue;
        }
        EXPECT_EQ(options.products.seed, c.seed);
        EXPECT_EQ(options.products.width, c.width);
        EXPECT_EQ(options.products.height, c.height);
        if (c.action == Action::Generate) {
            EXPECT_EQ(options.outputDirectory, "out");
        }
    }
}

}  // namespace
}  // namespace qm
