// Reads a PNG file back for the tests, through stb_image (not our writer's code).
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace qm::test {

struct DecodedPng {
    int width = 0;
    int height = 0;
    int channels = 0;                  // as stored: 1 grey, 3 red green blue
    std::vector<std::uint8_t> pixels;  // rows top-down, no padding
};

// Empty (width 0) when the file is missing or not a PNG.
DecodedPng readPng(const std::filesystem::path& path);

}  // namespace qm::test
