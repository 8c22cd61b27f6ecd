#include "product/label_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace qm {
namespace {

using Names = std::vector<std::string>;
constexpr std::array<std::size_t, 5> kColumnEnds = {39, 79, 119, 159, 199};

// One label line without its line end: each column padded with spaces to where the
// next begins (an over-long one runs on), `after` from position 199 (the marker
// unless told otherwise), then spaces up to `length`.
std::string line(const Names& columns, std::string_view after = "ZEPHYRLAB",
                 std::size_t length = 256) {
    std::string text;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        text += columns[i];
        text.resize(std::max(text.size(), kColumnEnds[i]), ' ');
    }
    text.resize(kColumnEnds.back(), ' ');
    text += after;
    text.resize(length, ' ');
    return text;
}

std::unique_ptr<LabelFile> parsed(const std::string& text) {
    auto file = std::make_unique<LabelFile>();
    file->parseText(text);
    return file;
}

Names names(const LabelFile& file) {
    Names result;
    for (const LabelEntry& entry : file.entries()) {
        result.push_back(entry.name);
    }
    return result;
}

TEST(LabelFileLines, LastLineTakenOnlyWhile256CharactersRemain) {
    const std::pair<std::string, std::size_t> cases[] = {{line({"B : 2"}) + "\n", 2},
                                                         {line({"B : 2"}, "", 255) + "\n", 2},
                                                         {line({"B : 2"}, "", 256), 2},
                                                         {line({"B : 2"}, "", 255), 1},
                                                         {line({"B : 2"}, "", 200), 1}};
    for (const auto& [lastLine, count] : cases) {
        EXPECT_EQ(names(*parsed(line({"A : 1"}) + "\n" + lastLine)).size(), count)
            << lastLine.size();
    }
}

class LabelFileLineEnds : public testing::TestWithParam<std::string> {};

TEST_P(LabelFileLineEnds, EveryFullLineOfAFileIsParsed) {
    const std::string& end = GetParam();
    test::TempDir dir;
    // The last line counts 255 characters with its line end, whichever form it has.
    const std::string path =
        dir.writeFile("A.LAB", line({"A : 1"}) + end + line({"B : 2"}) + end +
                                   line({"C : 3", "D : 4"}) + end + line({"E : 5"}, "", 254) + end);
    LabelFile file;
    EXPECT_EQ(file.parse(path), LabelParseResult::Ok);
    EXPECT_EQ(names(file), (Names{"A", "B", "C", "D"}));
}

INSTANTIATE_TEST_SUITE_P(LfAndCrLf, LabelFileLineEnds, testing::Values("\n", "\r\n"));

TEST(LabelFileLines, ShortLineRunsOnUntilTheFirstNewlineFrom199) {
    const std::string rest = line({"B : 2"}) + "\n" + line({"C : 3"}) + "\n";
    EXPECT_EQ(names(*parsed(std::string(198, '-') + "\n" + rest)), Names{"C"});
    EXPECT_EQ(names(*parsed(std::string(199, '-') + "\n" + rest)), (Names{"B", "C"}));

    const auto runOn = parsed("A : 1\n" + rest);
    EXPECT_EQ(names(*runOn), (Names{"A", "C"}));
    EXPECT_STREQ(runOn->valueOf("A"), "1\nB : 2");
}

TEST(LabelFileColumns, PairsKeepToTheirColumns) {
    const std::string a(35, 'a'), b(36, 'b'), e(36, 'e');
    const auto full =
        parsed(line({"A : " + a, "B : " + b, "C : c", "D : d", "E : " + e}, "F : f ZEPHYRLAB"));
    ASSERT_EQ(names(*full), (Names{"A", "B", "C", "D", "E"}));
    EXPECT_EQ(std::string(full->valueOf("A")) + full->valueOf("B") + full->valueOf("E"), a + b + e);
    // The separator must lie wholly inside the column.
    EXPECT_EQ(names(*parsed(line({std::string(36, 'N') + " : v"}))).size(), 1u);
    EXPECT_EQ(names(*parsed(line({std::string(37, 'N') + " : v"}))).size(), 0u);
}

TEST(LabelFileColumns, NamesAsWrittenAndValuesTrimmedOfSpaces) {
    const struct {
        Names columns;
        std::string name, value;
    } cases[] = {{{"Satellite  : X-1"}, "Satellite ", "X-1"},
                 {{"N :      "}, "N", ""},
                 {{std::string(36, 'N') + " : ", "xyz"}, std::string(36, 'N'), ""},
                 {{"N :  \tx\t  "}, "N", "\tx\t"},
                 {{"N : a : b"}, "N", "a : b"}};
    for (const auto& c : cases) {
        const auto file = parsed(line(c.columns));
        ASSERT_EQ(names(*file), Names{c.name});
        EXPECT_EQ(file->entries().front().value, c.value);
        EXPECT_EQ(file->satellite(), nullptr);
    }
}

TEST(LabelFileColumns, GranuleIdValueSpansTwoColumnWidths) {
    const std::string dots(31, '.'), run(39, 't');
    const auto first = parsed(line({"Granule ID : G1", "Path : 7" + dots + "Z"}));
    EXPECT_STREQ(first->valueOf("Granule ID"),
                 ("G1" + std::string(24, ' ') + "Path : 7" + dots).c_str());
    EXPECT_STREQ(first->valueOf("Path"), ("7" + dots + "Z").c_str());
    const auto last = parsed(line({"", "", "", "", "Granule ID : G5"}, run + "XZEPHYRLAB"));
    EXPECT_STREQ(last->valueOf("Granule ID"), ("G5" + std::string(25, ' ') + run + "X").c_str());
}

TEST(LabelFileMarker, RequiredAnywhereAndEmptiesTheListWhenMissing) {
    const struct {
        std::string text;
        LabelParseResult result;
        Names names;
    } cases[] = {{line({"A : ZEPHYRLAB"}, ""), LabelParseResult::Ok, {"A"}},
                 {line({"A : 1"}, "") + "\nZEPHYRLAB", LabelParseResult::Ok, {"A"}},
                 {line({"A : 1"}, "ZEPHYRLA") + "\n", LabelParseResult::MarkerMissing, {}},
                 {line({"no pair"}) + "\n", LabelParseResult::Ok, {}},
                 {"A : 1 ZEPHYRLAB\n", LabelParseResult::Ok, {}}};
    for (const auto& c : cases) {
        const auto file = parsed(line({"Q : q"}));
        EXPECT_EQ(file->parseText(c.text), c.result);
        EXPECT_EQ(names(*file), c.names);
    }
}

TEST(LabelFilePromotion, KnownKeysLeadInTableOrderThenTheRestInFileOrder) {
    const auto file = parsed(line({"X : x", "Number Of Lines : 9", "Number of Lines : 8",
                                   "Number of Pixels : 7", "Logical Format : 6"}) +
                             "\n" +
                             line({"Y : y", "Center Longitude : 5", "Center Latitude : 4",
                                   "Obs. Date : 3", "Sensor : 2"}) +
                             "\n" + line({"Satellite : 1"}) + "\n");
    EXPECT_EQ(names(*file), (Names{"Satellite", "Sensor", "Obs. Date", "Center Latitude",
                                   "Center Longitude", "Logical Format", "Number of Pixels",
                                   "Number of Lines", "Number Of Lines", "X", "Y"}));
}

TEST(LabelFilePromotion, OnlyTheFirstOfDuplicatesMoves) {
    const auto file =
        parsed(line({"A : a", "Sensor : s", "B : b", "Satellite : one", "Satellite : two"}));
    EXPECT_EQ(names(*file), (Names{"Satellite", "Sensor", "A", "B", "Satellite"}));
    EXPECT_STREQ(file->satellite(), "one");
    EXPECT_EQ(file->findEntry("B", LabelFile::kAfterMatch)->value, "two");
}

TEST(LabelFileLookup, FindEntryModesAtHeadAndTail) {
    const auto file = parsed(line({"A : 1", "B : 2", "C : 3"}));
    const auto found = [&](const char* name, int mode) {
        const LabelEntry* entry = file->findEntry(name, mode);
        return entry ? entry->name : "(none)";
    };
    EXPECT_EQ(found("A", 0) + found("A", 1) + found("A", 2), "A(none)B");
    EXPECT_EQ(found("C", 0) + found("C", 1) + found("C", 2), "CB(none)");
    EXPECT_EQ(found("Z", 0) + found("Z", 1) + found("Z", 2) + found("a", 0),
              "(none)(none)(none)(none)");
    EXPECT_EQ(LabelFile().findEntry("A", 0), nullptr);
}

TEST(LabelFileValues, IntegersReadTheLeadingDecimal) {
    const auto integer = [](const std::string& value) {
        return parsed(line({"N : " + value}))->integerOf("N");
    };
    EXPECT_EQ(integer("\t-7"), -7);
    EXPECT_EQ(integer("+5"), 5);
    EXPECT_EQ(integer("12abc"), 12);
    EXPECT_EQ(integer("abc"), 0);
    EXPECT_EQ(integer("- 5"), 0);
    EXPECT_EQ(integer("2147483648"), 2147483647);
    EXPECT_EQ(integer("-99999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(LabelFile().integerOf("N"), -1);

    EXPECT_EQ(parsed(line({"Other : 5"}))->cloudCoverage(), 0);
    EXPECT_EQ(parsed(line({"Cloud Coverage : -1"}))->cloudCoverage(), 0);
    EXPECT_EQ(parsed(line({"Cloud Coverage : -2"}))->cloudCoverage(), -2);
}

TEST(LabelFileValues, DatesReadYearMonthAndDayAtFixedPositions) {
    const auto observed = [](const std::string& value) {
        return parsed(line({"Obs. Date : " + value}))->observationDate();
    };
    EXPECT_EQ(observed("1998/07/15"), (LabelDate{.dayOfMonth = 15, .month = 7, .year = 1998}));
    EXPECT_EQ(observed("1998"), (LabelDate{.year = 1998}));
    EXPECT_EQ(observed("1998-7-5"), (LabelDate{.month = 7, .year = 1998}));
    EXPECT_EQ(parsed(line({"Production Date : 2001/12/31"}))->productionDate(),
              (LabelDate{.dayOfMonth = 31, .month = 12, .year = 2001}));
    EXPECT_EQ(parsed(line({"Other : 2001/12/31"}))->observationDate(), LabelDate{});
}

TEST(LabelFileLoad, FailedReadsKeepThePreviousPairsAndMissingMarkerEmpties) {
    test::TempDir dir;
    LabelFile file;
    ASSERT_EQ(file.parse(dir.writeFile("A.LAB", line({"Satellite : ONE"}) + "\n")),
              LabelParseResult::Ok);
    const char* satellite = file.satellite();
    EXPECT_EQ(file.parse(dir.path("MISSING.LAB")), LabelParseResult::SizeUnknown);
    EXPECT_EQ(file.parse(dir.makeDir("FOLDER.LAB")), LabelParseResult::CannotOpen);
    EXPECT_EQ(file.satellite(), satellite);
    EXPECT_STREQ(satellite, "ONE");
    EXPECT_EQ(file.parse(dir.writeFile("B.LAB", line({"Satellite : TWO"}, "") + "\n")),
              LabelParseResult::MarkerMissing);
    EXPECT_TRUE(file.entries().empty());
}

TEST(LabelFileList, LongListIsReleasedWithoutDeepRecursion) {
    const std::string oneLine = line({"A : 1", "B : 2", "C : 3", "D : 4", "E : 5"}) + "\n";
    std::string text;
    for (int i = 0; i < 30000; ++i) {
        text += oneLine;
    }
    EXPECT_EQ(names(*parsed(text)).size(), 150000u);
}

}  // namespace
}  // namespace qm
