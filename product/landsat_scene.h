// A Landsat 7 scene as it is delivered without a label: one header per band group
// (*_HRF.FST for bands 1-5 and 7, *_HTM.FST for band 6 low and high gain,
// *_HPN.FST for band 8) beside one raw file per band, all named after the scene.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "product/fast_header.h"

namespace qm {

struct SceneHeader {
    std::string path;
    FastHeader header;
};

struct SceneBand {
    // The two digits after "_B" in the file name: 10 to 50, 61, 62, 70, 80; they
    // sort in band order 1, 2, 3, 4, 5, 6 low, 6 high, 7, 8.
    int code = 0;
    std::string fileName;  // as the header's FILENAME writes it
    std::string path;      // the file found in the folder; empty when it is missing
    std::size_t headerIndex = 0;
    std::optional<BandCalibration> calibration;
};

struct LandsatScene {
    std::vector<SceneHeader> headers;  // HRF, HTM, HPN: those the folder holds
    std::vector<SceneBand> bands;      // in band order, the missing ones included
};

// Whether the path names a Landsat 7 header: L7*_H??.FST, letters in any case.
bool isLandsatHeaderName(std::string_view path);

// The band code a file name carries ("..._B61.FST" gives 61); nothing without one.
std::optional<int> bandCodeOf(std::string_view fileName);

// The scene of the header at the path: every header of the same scene in its
// folder (the same name before "_H"), and the bands their FILENAMEs name, each
// looked for in that folder without regard to case. Nothing when the header at the
// path cannot be read.
std::optional<LandsatScene> readLandsatScene(const std::string& headerPath);

// The calibration the header gives the file of that name (compared without regard
// to case): the radiometric record's entry in the FILENAME's place.
std::optional<BandCalibration> calibrationFor(const FastHeader& header, std::string_view fileName);

}  // namespace qm
