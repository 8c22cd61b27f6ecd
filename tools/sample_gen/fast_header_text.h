// The text of a fast-format header as a Landsat 7 scene has it: three records of
// 1536 characters (administrative, radiometric, geometric), each of 79-character
// lines and a line end, padded with spaces.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "product/product_catalog.h"

namespace qm::sample {

// Label products read the multispectral line length and line count at these offsets.
using qm::kHeaderLinesOffset;
using qm::kHeaderPixelsOffset;

// One band file a header covers and its calibration: radiance = bias + gain x value.
struct HeaderBand {
    std::string fileName;
    double bias = 0.0;
    double gain = 0.0;
};

// What one header says of its own bands; the date, the place and the map are the
// scene's and the same in every header.
struct FastHeaderContent {
    std::string satellite;
    std::string sensor;
    std::string bandsPresent;       // band numbers, "123457"; "66" for two gains of band 6
    std::vector<HeaderBand> bands;  // in ascending band order, at most six
    int pixelsPerLine = 0;
    int lines = 0;
    double pixelSize = 0.0;  // metres
};

// The header text with '\n' line ends (the file on disc has CR LF). Throws
// std::length_error when the content does not fit the fixed layout.
std::string fastHeaderText(const FastHeaderContent& content);

}  // namespace qm::sample
