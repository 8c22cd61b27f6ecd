#include "fuzz/support/fuzz_input.h"

namespace qm::fuzz {

std::uint8_t FuzzInput::byte() {
    if (rest_.empty())
        return 0;
    const auto value = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return value;
}

std::int32_t FuzzInput::bigEndian16() {
    const std::int32_t high = byte();
    return static_cast<std::int16_t>(high << 8 | byte());
}

std::int32_t FuzzInput::bigEndian32() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | byte();
    return static_cast<std::int32_t>(value);
}

std::vector<std::string_view> FuzzInput::parts(std::size_t count) const {
    std::vector<std::string_view> parts;
    std::string_view text = rest_;
    while (parts.size() + 1 < count) {
        const std::size_t separator = text.find(kPartSeparator);
        if (separator == std::string_view::npos)
            break;
        parts.push_back(text.substr(0, separator));
        text.remove_prefix(separator + kPartSeparator.size());
    }
    parts.push_back(text);
    parts.resize(count);
    return parts;
}

}  // namespace qm::fuzz
