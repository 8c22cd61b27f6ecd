// The text of a fast-format header as a Landsat 7 scene has it: three records of
// 1536 characters (administrative, radiometric, geometric), each of 79-character
// lines and a line end, padded with spaces.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "product/fast_header.h"

namespace qm::sample {

// One band file a header covers and its calibration.
struct HeaderBand {
    std::string fileName;
    BandCalibration calibration;
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
