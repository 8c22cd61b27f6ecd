// The label file of a product: "name : value" pairs laid out in fixed columns on
// fixed-length lines, held as an ordered list that answers lookups by name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// One name/value pair of a label file.
struct LabelEntry {
    std::string name;   // exactly as written in its column before " : "
    std::string value;  // spaces trimmed at both ends
};

// A date read from a label value. Only dayOfMonth, month (1 to 12) and year (as
// written, e.g. 1998) are ever set; the other fields stay 0.
struct LabelDate {
    std::int32_t second = 0;
    std::int32_t minute = 0;
    std::int32_t hour = 0;
    std::int32_t dayOfMonth = 0;
    std::int32_t month = 0;
    std::int32_t year = 0;
    std::int32_t dayOfWeek = 0;
    std::int32_t dayOfYear = 0;
    std::int32_t daylightSaving = 0;

    bool operator==(const LabelDate&) const = default;
};

// What LabelFile::parse() and parseText() give. The numbers are those the
// command-line tool's reports write.
enum class LabelParseResult : std::int32_t {
    Ok = 0,
    SizeUnknown = -1,
    NoMemory = -2,
    CannotOpen = -3,
    MarkerMissing = -4,
};

// The pairs of one label file in file order, except that the known keys
// ("Satellite", "Sensor", ...) lead the list after every load. Lookups take the
// first entry whose name matches byte for byte. Value texts are lent: they stay
// valid until the next load, clear() or the object's deletion.
class LabelFile {
  public:
    // Modes of findEntry(): the match itself, the entry before it, the entry after it.
    static constexpr int kMatch = 0;
    static constexpr int kBeforeMatch = 1;
    static constexpr int kAfterMatch = 2;

    LabelFile() = default;
    LabelFile(const LabelFile&) = delete;
    LabelFile& operator=(const LabelFile&) = delete;

    // Loads the label file at the path (the program's own path form). A failure to
    // size, hold or open the file keeps the previous list; otherwise the list is
    // replaced as by parseText().
    LabelParseResult parse(const std::string& path);
    // Replaces the list by the pairs of the text (line ends already single '\n').
    // Ok, NoMemory (the pairs completed so far stay) or MarkerMissing (list empty).
    LabelParseResult parseText(std::string_view text);
    void clear();

    const std::vector<LabelEntry>& entries() const { return entries_; }
    // nullptr when nothing matches, or when the wanted neighbour does not exist.
    const LabelEntry* findEntry(std::string_view name, int mode) const;
    const char* valueOf(std::string_view name) const;
    // The value as a decimal integer (no digits gives 0), or -1 without such an entry.
    std::int32_t integerOf(std::string_view name) const;
    // A value such as "1998/07/15"; all fields 0 without such an entry.
    LabelDate dateOf(std::string_view name) const;

    const char* satellite() const;
    const char* sensor() const;
    const char* logicalFormat() const;
    // An absent entry and a value of -1 both give 0.
    std::int32_t cloudCoverage() const;
    LabelDate observationDate() const;
    LabelDate productionDate() const;

  private:
    void appendPairsOf(std::string_view text);
    static std::optional<LabelEntry> pairInColumn(std::string_view text, std::size_t start,
                                                  std::size_t width);
    void promoteKnownKeys();
    static void trimSpaces(std::string& text);

    std::vector<LabelEntry> entries_;
};

}  // namespace qm
