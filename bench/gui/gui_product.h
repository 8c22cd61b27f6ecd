// The product the viewer benchmark opens: three fast-format bands of a full
// Landsat-size scene, 8000 x 7000 pixels each, with the configuration, label and
// header files that make the viewer find them.
#pragma once

#include <string>

namespace qm::bench {

inline constexpr int kScenePixels = 8000;
inline constexpr int kSceneLines = 7000;
inline constexpr int kSceneBands = 3;

// The files, under `folder`: QMDATA.INI, SCENE.LAB and SCENE\ with the header
// and the band files. Files already there with the right size are kept. False
// when a file cannot be written.
bool writeSceneProduct(const std::string& folder);

// SCENE.LAB and QMDATA.INI under the folder.
std::string sceneLabelPath(const std::string& folder);
std::string sceneConfigurationPath(const std::string& folder);

}  // namespace qm::bench
