// Code page 932 texts on POSIX: iconv converts them, terminals take UTF-8. Paths
// are the file system's bytes, UTF-8, and shown as they are.
#include <errno.h>
#include <iconv.h>

#include <algorithm>

#include "platform/platform.h"

namespace qm::platform {
namespace {

// U+FFFD, written as bytes: literals here are compiled to code page 932.
constexpr char kReplacement[] = "\xEF\xBF\xBD";

// An iconv descriptor between two encodings, closed when it goes.
class Converter {
  public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (isOpen())
            iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool isOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const { return handle_; }

  private:
    iconv_t handle_;
};

// Without a converter (no CP932 module installed) ASCII still comes through.
std::string asciiOnly(std::string_view text) {
    std::string result;
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x80)
            result.push_back(c);
        else
            result += kReplacement;
    }
    return result;
}

// The text converted; a byte sequence the converter cannot take becomes the
// replacement, and the text goes on after `skip(byte)` bytes.
template <typename Skip>
std::string converted(Converter& converter, std::string_view text, std::string_view replacement,
                      Skip skip) {
    std::string result;
    // iconv takes a non-const input pointer but never writes through it.
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char buffer[256];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t done = iconv(converter.handle(), &in, &inLeft, &out, &outLeft);
        result.append(buffer, static_cast<std::size_t>(out - buffer));
        if (done != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        // EILSEQ or EINVAL (a character cut off at the end): the bytes at `in` make
        // no character the converter takes. They are replaced and the text goes on.
        result += replacement;
        const std::size_t skipped = std::min(inLeft, skip(static_cast<unsigned char>(*in)));
        in += skipped;
        inLeft -= skipped;
    }
    return result;
}

// The bytes of the UTF-8 character that this byte starts; 1 for a stray byte.
std::size_t utf8CharacterBytes(unsigned char lead) {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

}  // namespace

std::string utf8FromAnsi(std::string_view text) {
    Converter converter("UTF-8", "CP932");
    if (!converter.isOpen())
        return asciiOnly(text);
    return converted(converter, text, kReplacement, [](unsigned char) { return std::size_t{1}; });
}

std::string consoleTextFromAnsi(std::string_view text) {
    return utf8FromAnsi(text);
}

std::string consolePath(std::string_view path) {
    return toNativePath(path);
}

std::string utf8Path(std::string_view path) {
    return toNativePath(path);
}

std::string programTextFromPath(std::string_view path) {
    Converter converter("CP932", "UTF-8");
    if (!converter.isOpen())
        return std::string(path);
    return converted(converter, path, "?", utf8CharacterBytes);
}

}  // namespace qm::platform
