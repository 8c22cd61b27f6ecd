#include "product/product_facts.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "product/georeference.h"

namespace qm {
namespace {

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// "35.412000N 138.705000E", then "E 291614.000 N 3921153.000", as far as given.
std::string cornerText(const HeaderCorner& corner) {
    std::string text;
    if (corner.latitude && corner.longitude) {
        text += fixed(std::abs(*corner.latitude), 6) + (*corner.latitude < 0 ? "S " : "N ") +
                fixed(std::abs(*corner.longitude), 6) + (*corner.longitude < 0 ? "W" : "E");
    }
    if (corner.easting && corner.northing) {
        text += (text.empty() ? "" : "  ") + std::string("E ") + fixed(*corner.easting, 3) + " N " +
                fixed(*corner.northing, 3);
    }
    return text;
}

class GroupBuilder {
  public:
    explicit GroupBuilder(FactSection section) : group_{section, {}} {}

    void add(FactCaption caption, const std::optional<std::string>& value) {
        if (value && !value->empty())
            group_.facts.push_back({caption, {}, *value, false});
    }
    void add(FactCaption caption, const std::optional<double>& value, int decimals) {
        if (value)
            add(caption, fixed(*value, decimals));
    }
    void add(FactCaption caption, const std::optional<int>& value) {
        if (value)
            add(caption, std::to_string(*value));
    }
    void add(Fact fact) { group_.facts.push_back(std::move(fact)); }

    void addTo(std::vector<FactGroup>& groups) {
        if (!group_.facts.empty())
            groups.push_back(std::move(group_));
    }

  private:
    FactGroup group_;
};

void addLabel(const LabelFile& label, std::vector<FactGroup>& groups) {
    GroupBuilder group(FactSection::Label);
    for (const LabelEntry& entry : label.entries())
        group.add({FactCaption::LabelPair, entry.name, entry.value, false});
    group.addTo(groups);
}

void addScene(const FastHeader& header, std::vector<FactGroup>& groups) {
    GroupBuilder scene(FactSection::Scene);
    scene.add(FactCaption::Satellite, header.satellite);
    scene.add(FactCaption::Sensor, header.sensor);
    if (header.path && header.row) {
        char pathRow[32];
        std::snprintf(pathRow, sizeof pathRow, "%03d/%03d", *header.path, *header.row);
        scene.add(FactCaption::PathRow, std::string(pathRow));
    }
    if (header.acquisitionDate)
        scene.add(FactCaption::AcquisitionDate, header.acquisitionDate->isoText());
    scene.add(FactCaption::RequestId, header.requestId);
    scene.addTo(groups);

    GroupBuilder processing(FactSection::Processing);
    processing.add(FactCaption::ProductType, header.productType);
    processing.add(FactCaption::ProductSize, header.productSize);
    processing.add(FactCaption::Processing, header.processing);
    processing.add(FactCaption::Resampling, header.resampling);
    processing.add(FactCaption::SensorMode, header.sensorMode);
    processing.add(FactCaption::LookAngle, header.lookAngle, 2);
    processing.add(FactCaption::PixelSize, header.pixelSize, 2);
    processing.add(FactCaption::BitsPerPixel, header.outputBitsPerPixel);
    processing.add(FactCaption::Revision, header.revision);
    processing.addTo(groups);
}

// The transform the corners give, or why they give none; and whether the projection
// turns map positions into latitude and longitude here.
void addGeoreference(const Georeference& georeference, GroupBuilder& group) {
    switch (georeference.problem) {
        case GeoreferenceProblem::None: {
            const geo::GeoTransform& t = *georeference.transform;
            group.add(FactCaption::GeoTransform,
                      "[" + fixed(t.x0, 3) + ", " + fixed(t.dx, 6) + ", " + fixed(t.rx, 6) + ", " +
                          fixed(t.y0, 3) + ", " + fixed(t.ry, 6) + ", " + fixed(t.dy, 6) + "]");
            break;
        }
        case GeoreferenceProblem::NoPictureSize:
            group.add(FactCaption::NoPictureSize, std::string("-"));
            break;
        case GeoreferenceProblem::NoCorners:
            group.add(FactCaption::NoCorners, std::string("-"));
            break;
        case GeoreferenceProblem::CornersOffGrid:
            group.add(FactCaption::CornersOffGrid, fixed(georeference.largestMiss, 1) + " m");
            break;
    }
    if (!georeference.projection.name.empty() && !georeference.projection.computed())
        group.add(FactCaption::ProjectionNotComputed, georeference.projection.name);
}

// Each header has its own grid (the pan band's is finer), so each its corners.
void addProjection(const SceneHeader& scene, std::vector<FactGroup>& groups) {
    const FastHeader& header = scene.header;
    GroupBuilder projection(FactSection::Projection);
    projection.add({FactCaption::HeaderFile, {}, scene.path, true});
    projection.add(FactCaption::MapProjection, header.mapProjection);
    projection.add(FactCaption::MapZone, header.mapZone);
    projection.add(FactCaption::Ellipsoid, header.ellipsoid);
    projection.add(FactCaption::Datum, header.datum);
    projection.add(FactCaption::PixelSize, header.pixelSize, 2);
    const std::pair<FactCaption, const HeaderCorner*> corners[] = {
        {FactCaption::UpperLeft, &header.upperLeft},
        {FactCaption::UpperRight, &header.upperRight},
        {FactCaption::LowerRight, &header.lowerRight},
        {FactCaption::LowerLeft, &header.lowerLeft},
        {FactCaption::Center, &header.center},
    };
    for (const auto& [caption, corner] : corners)
        projection.add(caption, cornerText(*corner));
    projection.add(FactCaption::Orientation, header.orientationAngle, 2);
    projection.add(FactCaption::Offset, header.offset, 0);
    addGeoreference(georeferenceOf(header), projection);
    projection.addTo(groups);
}

void addSun(const FastHeader& header, std::vector<FactGroup>& groups) {
    GroupBuilder sun(FactSection::Sun);
    sun.add(FactCaption::SunElevation, header.sunElevation, 1);
    sun.add(FactCaption::SunAzimuth, header.sunAzimuth, 1);
    sun.addTo(groups);
}

void addBands(const ProductCatalog& catalog, std::vector<FactGroup>& groups) {
    GroupBuilder bands(FactSection::Bands);
    for (int i = 0; i < catalog.bandCount(); ++i) {
        const BandImage& band = *catalog.band(i);
        bands.add({FactCaption::BandFile, band.bandName(), band.path(), true});
        bands.add(FactCaption::BandSize,
                  std::to_string(band.pixelsPerLine()) + " x " + std::to_string(band.lineCount()));
        bands.add(FactCaption::FileSize, std::to_string(band.fileSize()));
        if (const std::optional<BandCalibration>& calibration = catalog.bandFacts(i).calibration) {
            bands.add(FactCaption::Bias, calibration->bias, 6);
            bands.add(FactCaption::Gain, calibration->gain, 6);
        }
    }
    bands.addTo(groups);
}

void addMissing(const ProductCatalog& catalog, std::vector<FactGroup>& groups) {
    GroupBuilder missing(FactSection::MissingFiles);
    for (const std::string& name : catalog.missingFiles())
        missing.add({FactCaption::MissingFile, {}, name, false});
    missing.addTo(groups);
}

// Facts that belong to a band are shown under it.
bool belongsToBand(FactCaption caption) {
    return caption == FactCaption::BandSize || caption == FactCaption::FileSize ||
           caption == FactCaption::Bias || caption == FactCaption::Gain;
}

}  // namespace

std::vector<FactGroup> productFacts(const LabelFile& label, const ProductCatalog& catalog) {
    std::vector<FactGroup> groups;
    addLabel(label, groups);
    const std::vector<SceneHeader>& headers = catalog.headers();
    if (!headers.empty()) {
        addScene(headers.front().header, groups);
        for (const SceneHeader& header : headers)
            addProjection(header, groups);
        addSun(headers.front().header, groups);
    }
    addBands(catalog, groups);
    addMissing(catalog, groups);
    return groups;
}

std::string factsText(const std::vector<FactGroup>& groups, const FactWords& words,
                      const MessageSpelling& spelling, std::string_view lineEnd) {
    std::string text;
    for (const FactGroup& group : groups) {
        if (!text.empty())
            text += lineEnd;
        text += spelling.text(std::string("[") +
                              words.sections[static_cast<std::size_t>(group.section)] + "]");
        text += lineEnd;
        for (const Fact& fact : group.facts) {
            const std::string value =
                fact.valueIsPath ? spelling.path(fact.value) : spelling.text(fact.value);
            const bool named =
                fact.caption == FactCaption::LabelPair || fact.caption == FactCaption::BandFile;
            const std::string caption =
                named ? fact.name : words.captions[static_cast<std::size_t>(fact.caption)];
            text += spelling.text(belongsToBand(fact.caption) ? "    " : "  ");
            text += spelling.text(caption) + spelling.text(" : ") + value;
            text += lineEnd;
        }
    }
    return text;
}

}  // namespace qm
