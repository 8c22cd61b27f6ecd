// The files beside an exported picture that tell GIS programs where it lies: a
// world file (OUT.bmp gives OUT.bpw, OUT.png gives OUT.pgw) and the auxiliary XML
// (OUT.bmp.aux.xml) with the spatial reference and the transform.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "product/georeference.h"

namespace qm {

// The world file's name: the extension's first and last letters and "w".
std::string worldFilePath(const std::string& picturePath);
std::string auxiliaryXmlPath(const std::string& picturePath);

// The files an export writes: the picture, and beside a georeferenced one its
// world file and auxiliary XML.
std::vector<std::string> exportedFiles(const std::string& picturePath, bool georeferenced);

// Six lines: dx, ry, rx, dy, then the easting and northing of the centre of the
// top-left pixel.
std::string worldFileText(const geo::GeoTransform& transform);

// A PAMDataset holding the well-known text (when there is one) and the transform.
std::string auxiliaryXmlText(const geo::GeoTransform& transform, const std::string& wkt);

// Writes both beside the picture, each whole or not at all. None, or why not.
platform::WriteFailure writeGeoreferenceFiles(const std::string& picturePath,
                                              const BandGeoreference& georeference);

}  // namespace qm
