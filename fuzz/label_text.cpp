// Arbitrary bytes as a label file, parsed from memory both as the file's text-mode
// reading gives them and as they stand, then every lookup.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/support/fuzz_folder.h"
#include "fuzz/support/require.h"
#include "platform/platform.h"
#include "product/label_file.h"

namespace qm::fuzz {
namespace {

// The known keys in their table order; the label leads with those it holds.
constexpr std::array<std::string_view, 9> kKnownKeys = {
    "Satellite",      "Sensor",           "Obs. Date",       "Center Latitude", "Center Longitude",
    "Logical Format", "Number of Pixels", "Number of Lines", "Number Of Lines",
};
constexpr std::array<std::string_view, 4> kOtherNames = {"Cloud Coverage", "Production Date",
                                                         "Granule ID", ""};
// Names of entries looked up besides the fixed ones; a long label has many.
constexpr int kEntryNamesLookedUp = 16;

// A pair lies in one 40-character column (39 for the first) around " : "; a
// "Granule ID" value runs on into a second column.
void checkEntries(const LabelFile& label) {
    for (const LabelEntry& entry : label.entries()) {
        const std::size_t span = entry.name == "Granule ID" ? 80 : 40;
        require(entry.name.size() + 3 + entry.value.size() <= span, "a pair fits its column");
        require(entry.value.empty() || (entry.value.front() != ' ' && entry.value.back() != ' '),
                "a value has no spaces at either end");
    }
}

// The first entry of each known key present leads the list, in table order.
void checkPromotion(const LabelFile& label) {
    std::size_t position = 0;
    for (const std::string_view key : kKnownKeys) {
        if (const LabelEntry* first = label.findEntry(key, LabelFile::kMatch)) {
            require(first == &label.entries()[position],
                    "the known keys lead the list in table order");
            ++position;
        }
    }
}

void lookUp(const LabelFile& label, std::string_view name) {
    const LabelEntry* match = label.findEntry(name, LabelFile::kMatch);
    const LabelEntry* before = label.findEntry(name, LabelFile::kBeforeMatch);
    const LabelEntry* after = label.findEntry(name, LabelFile::kAfterMatch);
    require(!match || match->name == name, "a match has the name looked for");
    const LabelEntry* first = label.entries().empty() ? nullptr : &label.entries().front();
    const LabelEntry* last = label.entries().empty() ? nullptr : &label.entries().back();
    require(!match || (before ? before + 1 == match : first == match),
            "the entry before the match leads to it");
    require(after == (match && match != last ? match + 1 : nullptr),
            "the entry after follows the match");
    require((label.valueOf(name) != nullptr) == (match != nullptr), "a value only for a match");
    require(match || label.integerOf(name) == -1, "no entry reads as -1");
    const LabelDate date = label.dateOf(name);
    require(date.second == 0 && date.minute == 0 && date.hour == 0 && date.dayOfWeek == 0 &&
                date.dayOfYear == 0 && date.daylightSaving == 0,
            "a date sets only day, month and year");
}

void lookUpEverything(const LabelFile& label) {
    for (const std::string_view name : kKnownKeys)
        lookUp(label, name);
    for (const std::string_view name : kOtherNames)
        lookUp(label, name);
    const std::size_t looked =
        std::min(label.entries().size(), static_cast<std::size_t>(kEntryNamesLookedUp));
    for (std::size_t i = 0; i < looked; ++i)
        lookUp(label, label.entries()[i].name);
    label.satellite();
    label.sensor();
    label.logicalFormat();
    label.cloudCoverage();
    label.observationDate();
    label.productionDate();
}

void parseAndLookUp(std::string_view text) {
    LabelFile label;
    const LabelParseResult result = label.parseText(text);
    const bool marked = text.find("ZEPHYRLAB") != std::string_view::npos;
    require(result == (marked ? LabelParseResult::Ok : LabelParseResult::MarkerMissing),
            "a marked text parses, an unmarked one is refused");
    require(marked || label.entries().empty(), "a refused text leaves no pairs");
    checkEntries(label);
    checkPromotion(label);
    lookUpEverything(label);
}

}  // namespace
}  // namespace qm::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qm::fuzz::answerMessageBoxesSilently();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qm::fuzz::parseAndLookUp(qm::platform::textFromBytes(bytes));
    qm::fuzz::parseAndLookUp(bytes);
    return 0;
}
