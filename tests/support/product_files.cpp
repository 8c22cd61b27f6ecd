#include "tests/support/product_files.h"

namespace qm::test {
namespace {

std::string labelLine(const std::vector<std::string>& columns) {
    constexpr std::array<std::size_t, 5> kColumnStarts = {0, 39, 79, 119, 159};
    std::string line(256, ' ');
    for (std::size_t i = 0; i < columns.size(); ++i)
        line.replace(kColumnStarts[i], columns[i].size(), columns[i]);
    line.replace(199, 9, "ZEPHYRLAB");
    return line;
}

}  // namespace

std::string labelText(const std::vector<std::vector<std::string>>& lines) {
    std::string text;
    for (const std::vector<std::string>& columns : lines)
        text += labelLine(columns) + "\r\n";
    return text;
}

std::string RecordBand::bytes() const {
    std::string file(recordLength * records, '\0');
    const auto put = [&file](std::size_t offset, std::uint32_t value, int width) {
        for (int i = width - 1; i >= 0; --i, value >>= 8)
            file[offset + static_cast<std::size_t>(i)] = static_cast<char>(value & 0xFF);
    };
    put(8, recordLength, 4);
    file.replace(20, 4, prefix);
    file.replace(24, 4, suffix);
    const std::size_t last = recordLength * (records - 1);
    put(recordLength + 16, static_cast<std::uint32_t>(firstFills[0]), 2);
    put(recordLength + 18, static_cast<std::uint32_t>(firstFills[1]), 2);
    put(last + 16, static_cast<std::uint32_t>(lastFills[0]), 2);
    put(last + 18, static_cast<std::uint32_t>(lastFills[1]), 2);
    return file;
}

namespace {

std::string landsatRecord(const std::vector<std::string>& lines, LineEnds ends) {
    std::string text;
    for (std::string line : lines) {
        line.resize(79, ' ');
        text += line + (ends == LineEnds::None ? " " : "\n");
    }
    text.resize(1536, ' ');
    if (ends != LineEnds::CrLf)
        return text;
    std::string crLf;
    for (const char c : text)
        crLf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return crLf;
}

}  // namespace

std::string landsatHeader(const std::vector<std::string>& administrative,
                          const std::vector<std::string>& radiometric,
                          const std::vector<std::string>& geometric, LineEnds ends) {
    return landsatRecord(administrative, ends) + landsatRecord(radiometric, ends) +
           landsatRecord(geometric, ends);
}

std::string fastHeader(std::string_view pixels, std::string_view lines) {
    std::string text(900, 'h');
    text.replace(842, pixels.size(), pixels);
    text.replace(864, lines.size(), lines);
    return text;
}

}  // namespace qm::test
