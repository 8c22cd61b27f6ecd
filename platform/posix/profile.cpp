// Initialisation-file reading with the rules of GetPrivateProfileIntA and
// GetPrivateProfileStringA, for systems that lack them.
#include <optional>

#include "platform/platform.h"
#include "text/ascii.h"

namespace qm::platform {
namespace {

bool isProfileSpace(char c) {
    // End-of-file (Ctrl+Z) counts as a space as well.
    return isAsciiSpace(c) || c == 0x1a;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isProfileSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isProfileSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

// The value of the first key of that name in the first section of that name; none
// when the section or key is missing or the key line has no '='.
std::optional<std::string> findValue(std::string_view text, std::string_view section,
                                     std::string_view key) {
    bool inSection = false, sectionSeen = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty())
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            if (close == std::string_view::npos)
                continue;
            // Only the first section of a name is looked at.
            if (sectionSeen)
                return std::nullopt;
            inSection = equalsAsciiNoCase(line.substr(1, close - 1), section);
            sectionSeen = inSection;
            continue;
        }
        if (!inSection)
            continue;
        const std::size_t equals = line.find('=');
        if (!equalsAsciiNoCase(trimmed(line.substr(0, equals)), key))
            continue;
        if (equals == std::string_view::npos)
            return std::nullopt;
        return std::string(trimmed(line.substr(equals + 1)));
    }
    return std::nullopt;
}

std::optional<std::string> readValue(const std::string& file, const std::string& section,
                                     const std::string& key) {
    std::vector<std::uint8_t> bytes;
    if (!fitsPath(file) || !readFileBytes(file, bytes))
        return std::nullopt;
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    return findValue(text, section, key);
}

// A value enclosed in a matching pair of quotes loses them.
std::string withoutQuotes(std::string value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// RtlUnicodeStringToInteger with base 0: the number Windows reads from a profile value.
std::uint32_t windowsInteger(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    unsigned base = 10;
    if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'o' || s[1] == 'b')) {
        base = s[1] == 'x' ? 16 : s[1] == 'o' ? 8 : 2;
        s.remove_prefix(2);
    }
    std::uint32_t total = 0;
    for (const char c : s) {
        unsigned digit = 99;
        if (isAsciiDigit(c))
            digit = unsigned(c - '0');
        if (c >= 'A' && c <= 'Z')
            digit = unsigned(c - 'A' + 10);
        if (c >= 'a' && c <= 'z')
            digit = unsigned(c - 'a' + 10);
        if (digit >= base)
            break;
        total = total * base + digit;
    }
    return negative ? 0u - total : total;
}

}  // namespace

std::string profileString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& defaultValue,
                          std::size_t bufferSize) {
    if (bufferSize == 0)
        return {};
    const std::optional<std::string> value = readValue(file, section, key);
    std::string result = value ? withoutQuotes(*value) : defaultValue;
    if (result.size() > bufferSize - 1)
        result.resize(bufferSize - 1);
    return result;
}

int profileInt(const std::string& file, const std::string& section, const std::string& key,
               int defaultValue) {
    // Windows reads the value into a 30-character buffer before converting it.
    const std::string value = profileString(file, section, key, std::string(), 30);
    if (value.empty())
        return defaultValue;
    return static_cast<int>(windowsInteger(value));
}

}  // namespace qm::platform
