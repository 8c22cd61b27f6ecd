// What product information shows: the label's pairs, then what the fast-format
// headers say of the scene, its processing, its projection and the sun, the bands
// with their files, geometry and calibration, and the files the headers name that
// are missing. Picked and formatted here once; each front end gives the captions
// in its own language.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "product/label_file.h"
#include "product/no_band_reason.h"
#include "product/product_catalog.h"

namespace qm {

enum class FactSection { Label, Scene, Processing, Projection, Sun, Bands, MissingFiles, Count };

enum class FactCaption {
    LabelPair,  // the pair's own name
    Satellite,
    Sensor,
    PathRow,
    AcquisitionDate,
    RequestId,
    ProductType,
    ProductSize,
    Processing,
    Resampling,
    SensorMode,
    LookAngle,
    PixelSize,
    BitsPerPixel,
    Revision,
    HeaderFile,
    MapProjection,
    MapZone,
    Ellipsoid,
    Datum,
    UpperLeft,
    UpperRight,
    LowerRight,
    LowerLeft,
    Center,
    Orientation,
    Offset,
    GeoTransform,           // [x0, dx, rx, y0, ry, dy]: the top-left corner, then the steps
    NoPictureSize,          // not georeferenced: the header gives no size
    NoCorners,              // not georeferenced: corners absent or all 0
    CornersOffGrid,         // not georeferenced: the corners miss the fit (by the value)
    ProjectionNotComputed,  // the projection (its name) has no latitude and longitude here
    SunElevation,
    SunAzimuth,
    BandFile,  // the band's own display name
    BandSize,
    FileSize,
    Bias,
    Gain,
    MissingFile,
    Count,
};

struct Fact {
    FactCaption caption;
    std::string name;  // the label pair's name, the band's display name; else empty
    std::string value;
    bool valueIsPath = false;  // a path in the program's form, else program text
};

struct FactGroup {
    FactSection section;
    std::vector<Fact> facts;
};

std::vector<FactGroup> productFacts(const LabelFile& label, const ProductCatalog& catalog);

// One language's words: a title per section and a caption per fact, in the
// enumerations' order.
struct FactWords {
    std::array<const char*, static_cast<std::size_t>(FactSection::Count)> sections;
    std::array<const char*, static_cast<std::size_t>(FactCaption::Count)> captions;
};

// The facts as lines of text: "[section]" then "  caption : value" (a band: its
// display name, then its facts indented under it); lines end in lineEnd.
std::string factsText(const std::vector<FactGroup>& groups, const FactWords& words,
                      const MessageSpelling& spelling, std::string_view lineEnd);

}  // namespace qm
