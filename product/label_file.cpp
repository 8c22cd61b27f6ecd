#include "product/label_file.h"

#include <algorithm>
#include <array>
#include <limits>
#include <new>

#include "platform/platform.h"
#include "text/decimal.h"

namespace qm {
namespace {

// Every genuine label file carries this text somewhere; anything else is refused.
constexpr std::string_view kMarker = "ZEPHYRLAB";
constexpr std::string_view kSeparator = " : ";
// Its value is too long for one column and runs on into the next.
constexpr std::string_view kGranuleId = "Granule ID";

// A line is parsed only while this many characters remain from its start, so the
// columns (and a "Granule ID" value in the last one) always lie inside the text.
constexpr std::size_t kLineSpan = 256;
constexpr std::array<std::size_t, 5> kColumnWidths = {39, 40, 40, 40, 40};

// Moved to the front of the list after each load, index 0 ending up first.
constexpr std::array<std::string_view, 9> kKnownKeys = {
    "Satellite",      "Sensor",           "Obs. Date",       "Center Latitude", "Center Longitude",
    "Logical Format", "Number of Pixels", "Number of Lines", "Number Of Lines",
};

// Where the parts of a date such as "1998/07/15" begin.
constexpr std::size_t kYearPosition = 0;
constexpr std::size_t kMonthPosition = 5;
constexpr std::size_t kDayPosition = 8;

// The characters from start, at most count of them; never past the end of the text.
std::string_view clampedSpan(std::string_view text, std::size_t start, std::size_t count) {
    return start >= text.size() ? std::string_view() : text.substr(start, count);
}

// A position past the end of the value reads as 0, like the missing parts of "1998".
std::int32_t readDecimalAt(std::string_view text, std::size_t position) {
    return position < text.size() ? decimalValue(text.substr(position)) : 0;
}

// The file's text with every line end as one '\n'; the text stays untouched on failure.
LabelParseResult readLabelText(const std::string& path, std::string& text) {
    const std::int64_t size = platform::fileSize(path);
    if (size < 0) {
        return LabelParseResult::SizeUnknown;
    }
    try {
        if (static_cast<std::uint64_t>(size) >= text.max_size()) {
            return LabelParseResult::NoMemory;
        }
        text.reserve(static_cast<std::size_t>(size) + 1);
        if (!platform::readTextFile(path, text)) {
            return LabelParseResult::CannotOpen;
        }
    } catch (const std::bad_alloc&) {
        return LabelParseResult::NoMemory;
    }
    return LabelParseResult::Ok;
}

}  // namespace

LabelParseResult LabelFile::parse(const std::string& path) {
    std::string text;
    const LabelParseResult readResult = readLabelText(path, text);
    if (readResult != LabelParseResult::Ok) {
        promoteKnownKeys();
        return readResult;
    }
    return parseText(text);
}

LabelParseResult LabelFile::parseText(std::string_view text) {
    clear();
    if (text.find(kMarker) == std::string_view::npos) {
        return LabelParseResult::MarkerMissing;
    }
    LabelParseResult result = LabelParseResult::Ok;
    try {
        appendPairsOf(text);
    } catch (const std::bad_alloc&) {
        result = LabelParseResult::NoMemory;
    }
    promoteKnownKeys();
    return result;
}

void LabelFile::clear() {
    entries_.clear();
}

void LabelFile::appendPairsOf(std::string_view text) {
    std::size_t lineStart = 0;
    while (text.size() - lineStart >= kLineSpan) {
        std::size_t columnStart = lineStart;
        for (const std::size_t width : kColumnWidths) {
            if (std::optional<LabelEntry> entry = pairInColumn(text, columnStart, width))
                entries_.push_back(std::move(*entry));
            columnStart += width;
        }
        // A line may be shorter than its columns; the next one starts after the first
        // line end that the columns did not cover.
        const std::size_t lineEnd = text.find('\n', columnStart);
        if (lineEnd == std::string_view::npos) {
            return;
        }
        lineStart = lineEnd + 1;
    }
}

std::optional<LabelEntry> LabelFile::pairInColumn(std::string_view text, std::size_t start,
                                                  std::size_t width) {
    const std::string_view column = clampedSpan(text, start, width);
    const std::size_t separator = column.find(kSeparator);
    if (separator == std::string_view::npos) {
        return std::nullopt;
    }
    LabelEntry entry;
    entry.name.assign(column.substr(0, separator));
    const std::string_view valueSpan =
        entry.name == kGranuleId ? clampedSpan(text, start, 2 * width) : column;
    entry.value.assign(valueSpan.substr(separator + kSeparator.size()));
    trimSpaces(entry.value);
    return entry;
}

// The first entry of each known key present moves to the front, in table order;
// the other entries keep their order behind them. A list already in that order
// (a failed read keeps the list it had) is left untouched, so its value texts stay
// where they were lent.
void LabelFile::promoteKnownKeys() {
    auto front = entries_.begin();
    for (const std::string_view key : kKnownKeys) {
        // The entries before `front` hold other keys, so this is the key's first entry.
        const auto found = std::find_if(
            front, entries_.end(), [key](const LabelEntry& entry) { return entry.name == key; });
        if (found == entries_.end())
            continue;
        if (found != front)
            std::rotate(front, found, found + 1);
        ++front;
    }
}

void LabelFile::trimSpaces(std::string& text) {
    const std::size_t last = text.find_last_not_of(' ');
    text.erase(last == std::string::npos ? 0 : last + 1);
    text.erase(0, text.find_first_not_of(' '));
}

const LabelEntry* LabelFile::findEntry(std::string_view name, int mode) const {
    const auto match = std::find_if(entries_.begin(), entries_.end(),
                                    [name](const LabelEntry& entry) { return entry.name == name; });
    if (match == entries_.end())
        return nullptr;
    switch (mode) {
        case kMatch:
            return &*match;
        case kBeforeMatch:
            return match == entries_.begin() ? nullptr : &*(match - 1);
        case kAfterMatch:
            return match + 1 == entries_.end() ? nullptr : &*(match + 1);
        default:
            return nullptr;
    }
}

const char* LabelFile::valueOf(std::string_view name) const {
    const LabelEntry* entry = findEntry(name, kMatch);
    return entry ? entry->value.c_str() : nullptr;
}

std::int32_t LabelFile::integerOf(std::string_view name) const {
    const LabelEntry* entry = findEntry(name, kMatch);
    return entry ? decimalValue(entry->value) : -1;
}

LabelDate LabelFile::dateOf(std::string_view name) const {
    LabelDate date;
    if (const LabelEntry* entry = findEntry(name, kMatch)) {
        date.year = readDecimalAt(entry->value, kYearPosition);
        date.month = readDecimalAt(entry->value, kMonthPosition);
        date.dayOfMonth = readDecimalAt(entry->value, kDayPosition);
    }
    return date;
}

const char* LabelFile::satellite() const {
    return valueOf("Satellite");
}
const char* LabelFile::sensor() const {
    return valueOf("Sensor");
}
const char* LabelFile::logicalFormat() const {
    return valueOf("Logical Format");
}

std::int32_t LabelFile::cloudCoverage() const {
    const std::int32_t coverage = integerOf("Cloud Coverage");
    return coverage == -1 ? 0 : coverage;
}

LabelDate LabelFile::observationDate() const {
    return dateOf("Obs. Date");
}
LabelDate LabelFile::productionDate() const {
    return dateOf("Production Date");
}

}  // namespace qm
