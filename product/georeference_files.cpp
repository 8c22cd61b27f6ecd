#include "product/georeference_files.h"

#include <cstdio>

#include "paths/paths.h"
#include "text/ascii.h"

namespace qm {
namespace {

// Seventeen significant digits: a double read back is the double written.
std::string exact(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// Only '&' and '<' need escaping inside an element's text.
std::string xmlText(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '&')
            escaped += "&amp;";
        else if (c == '<')
            escaped += "&lt;";
        else
            escaped += c;
    }
    return escaped;
}

platform::WriteFailure writeText(const std::string& path, const std::string& text) {
    return platform::replaceFile(
        path, [&text](platform::File& file) { return file.write(text.data(), text.size()); });
}

}  // namespace

std::string worldFilePath(const std::string& picturePath) {
    const std::string name = lastPathComponent(picturePath);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot + 1 >= name.size())
        return picturePath + ".wld";
    const std::string extension = name.substr(dot + 1);
    const std::string stem = picturePath.substr(0, picturePath.size() - extension.size());
    const bool lower = extension.front() == asciiLower(extension.front());
    return stem + extension.front() + extension.back() + (lower ? 'w' : 'W');
}

std::string auxiliaryXmlPath(const std::string& picturePath) {
    return picturePath + ".aux.xml";
}

std::vector<std::string> exportedFiles(const std::string& picturePath, bool georeferenced) {
    if (!georeferenced)
        return {picturePath};
    return {picturePath, worldFilePath(picturePath), auxiliaryXmlPath(picturePath)};
}

std::string worldFileText(const geo::GeoTransform& t) {
    const geo::MapPoint centre = t.centreOf(0, 0);
    return exact(t.dx) + "\n" + exact(t.ry) + "\n" + exact(t.rx) + "\n" + exact(t.dy) + "\n" +
           exact(centre.easting) + "\n" + exact(centre.northing) + "\n";
}

std::string auxiliaryXmlText(const geo::GeoTransform& t, const std::string& wkt) {
    std::string text = "<PAMDataset>\n";
    if (!wkt.empty())
        text += "  <SRS dataAxisToSRSAxisMapping=\"1,2\">" + xmlText(wkt) + "</SRS>\n";
    text += "  <GeoTransform>" + exact(t.x0) + ", " + exact(t.dx) + ", " + exact(t.rx) + ", " +
            exact(t.y0) + ", " + exact(t.ry) + ", " + exact(t.dy) + "</GeoTransform>\n";
    return text + "</PAMDataset>\n";
}

platform::WriteFailure writeGeoreferenceFiles(const std::string& picturePath,
                                              const BandGeoreference& georeference) {
    const platform::WriteFailure world =
        writeText(worldFilePath(picturePath), worldFileText(georeference.transform));
    if (world != platform::WriteFailure::None)
        return world;
    return writeText(auxiliaryXmlPath(picturePath),
                     auxiliaryXmlText(georeference.transform,
                                      geo::projectionWkt(georeference.header.projection)));
}

}  // namespace qm
