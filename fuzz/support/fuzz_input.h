// A fuzz input read from its front: a few choice bytes, then files. Reading past
// the end gives zeros, so every input, however short, makes a whole set of choices.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace qm::fuzz {

// Between the files of an input that holds several; the dictionaries list it.
inline constexpr std::string_view kPartSeparator = "\n--QM-PART--\n";

class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t byte();
    // The next two or four bytes as a signed big-endian number.
    std::int32_t bigEndian16();
    std::int32_t bigEndian32();
    // What is left, as one file.
    std::string_view rest() const { return rest_; }
    // What is left, cut at the separator into exactly count parts: missing ones are
    // empty, and the last takes everything after the count - 1 th separator.
    std::vector<std::string_view> parts(std::size_t count) const;

  private:
    std::string_view rest_;
};

}  // namespace qm::fuzz
