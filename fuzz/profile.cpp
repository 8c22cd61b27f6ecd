// Arbitrary bytes as a configuration file, read with the integer and string
// functions for the names the viewer asks for and for names taken from the input,
// with buffers from one byte to the display name's 1023.
//
// Input: a section name line, a key name line, then the file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/support/fuzz_folder.h"
#include "fuzz/support/require.h"
#include "platform/platform.h"

namespace qm::fuzz {
namespace {

struct Names {
    std::string section;
    std::string key;
};

const Names kViewerNames[] = {
    {"Logical Format", "SAMPLE-RECORD"}, {"FileNameMask", "SAMPLE-FAST"}, {"SYNTH-7MSR", "BAND80"},
    {"SYNTH-7MSR", "PrefixPos"},         {"SYNTH-7MSR", "RightFillSize"}, {"", ""},
};
constexpr std::array<std::size_t, 4> kBufferSizes = {1, 2, 260, 1023};

std::string_view takeLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return line;
}

// A smaller buffer gets the start of what a larger one gets.
void readWithEveryBuffer(const std::string& file, const Names& names) {
    const std::string longest =
        platform::profileString(file, names.section, names.key, "*", kBufferSizes.back());
    for (const std::size_t size : kBufferSizes) {
        const std::string value =
            platform::profileString(file, names.section, names.key, "*", size);
        require(value == longest.substr(0, size - 1), "a buffer gets the start of the value");
    }
    platform::profileInt(file, names.section, names.key, 7);
}

}  // namespace
}  // namespace qm::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm::fuzz;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    const Names fuzzed{std::string(takeLine(text)), std::string(takeLine(text))};
    const std::string file = writeFuzzFile("QMDATA.INI", text);
    for (const Names& names : kViewerNames)
        readWithEveryBuffer(file, names);
    readWithEveryBuffer(file, fuzzed);
    return 0;
}
