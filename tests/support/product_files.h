// The files of small products as a CD-ROM holds them: label files, record-format
// band files and the fast-format header.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm::test {

// A label in CD-ROM form: one 256-character line per entry of `lines`, its
// "name : value" columns starting at 0, 39, 79, 119 and 159 and the marker at 199,
// Shift-JIS text, CR LF line ends.
std::string labelText(const std::vector<std::vector<std::string>>& lines);

// A record-format band file: `records` records of `recordLength` bytes (the first
// is the file descriptor record), the record length at bytes 8 to 11, prefix and
// suffix counts as 4-character texts at 20 and 24, and 2-byte left and right fill
// counts at record offsets 16 and 18 of the first image record and of the last
// record. Every other byte is 0.
struct RecordBand {
    std::uint32_t recordLength;
    std::size_t records;
    const char* prefix;
    const char* suffix;
    std::array<int, 2> firstFills;
    std::array<int, 2> lastFills;

    std::string bytes() const;
};

// A fast-format header whose numbers stand at text offsets 842 and 864.
std::string fastHeader(std::string_view pixels, std::string_view lines);

// A Landsat 7 (Fast-L7A) header: the lines of its administrative, radiometric and
// geometric records, each line 79 characters and a line end (or 80 without one),
// each record padded with spaces to 1536 characters.
enum class LineEnds { Lf, CrLf, None };
std::string landsatHeader(const std::vector<std::string>& administrative,
                          const std::vector<std::string>& radiometric,
                          const std::vector<std::string>& geometric, LineEnds ends = LineEnds::Lf);

}  // namespace qm::test
