#include "tools/sample_gen/label_text.h"

#include <array>

namespace qm::sample {
namespace {

// A reader takes a line only while a full 256 characters remain from its start, so
// every line, the last included, is padded to that length.
constexpr std::size_t kLineLength = 256;
constexpr std::array<std::size_t, 5> kColumnStarts = {0, 39, 79, 119, 159};
constexpr std::size_t kColumnsEnd = 199;
constexpr char kMarker[] = "ZEPHYRLAB";

std::string labelLine(const std::vector<std::string>& columns) {
    std::string line(kLineLength, ' ');
    for (std::size_t i = 0; i < columns.size() && i < kColumnStarts.size(); ++i) {
        const std::size_t end = i + 1 < kColumnStarts.size() ? kColumnStarts[i + 1] : kColumnsEnd;
        const std::size_t width = end - kColumnStarts[i];
        line.replace(kColumnStarts[i], std::min(width, columns[i].size()), columns[i], 0, width);
    }
    return line;
}

}  // namespace

std::string labelText(const std::vector<std::vector<std::string>>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string line = labelLine(lines[i]);
        if (i == 0)
            line.replace(kColumnsEnd, sizeof kMarker - 1, kMarker);
        text += line + "\r\n";
    }
    return text;
}

}  // namespace qm::sample
