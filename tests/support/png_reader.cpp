#include "tests/support/png_reader.h"

#include <fstream>
#include <iterator>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb/stb_image.h>

namespace qm::test {

DecodedPng readPng(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> file{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    DecodedPng png;
    unsigned char* pixels = stbi_load_from_memory(file.data(), static_cast<int>(file.size()),
                                                  &png.width, &png.height, &png.channels, 0);
    if (!pixels)
        return DecodedPng{};
    png.pixels.assign(pixels, pixels + std::size_t(png.width) * png.height * png.channels);
    stbi_image_free(pixels);
    return png;
}

}  // namespace qm::test
