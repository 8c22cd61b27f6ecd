// Code page 932 texts on POSIX: iconv converts them, terminals take UTF-8.
#include <errno.h>
#include <iconv.h>

#include "platform/platform.h"

namespace qm::platform {
namespace {

// U+FFFD, written as bytes: literals here are compiled to code page 932.
constexpr char kReplacement[] = "\xEF\xBF\xBD";

// An iconv descriptor from code page 932 to UTF-8, closed when it goes.
class Cp932Converter {
  public:
    Cp932Converter() : handle_(iconv_open("UTF-8", "CP932")) {}
    ~Cp932Converter() {
        if (isOpen())
            iconv_close(handle_);
    }
    Cp932Converter(const Cp932Converter&) = delete;
    Cp932Converter& operator=(const Cp932Converter&) = delete;

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

}  // namespace

std::string utf8FromAnsi(std::string_view text) {
    Cp932Converter converter;
    if (!converter.isOpen())
        return asciiOnly(text);

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
        // EILSEQ or EINVAL (a lead byte cut off at the end): the byte at `in` starts
        // no character. It is replaced and the text goes on after it.
        result += kReplacement;
        ++in;
        --inLeft;
    }
    return result;
}

std::string consoleTextFromAnsi(std::string_view text) {
    return utf8FromAnsi(text);
}

}  // namespace qm::platform
