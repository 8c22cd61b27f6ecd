// Which source pixel a point of the main window's client area shows: the inverse of
// the composition, so that what the user points at and what the picture holds agree
// at every zoom and scroll origin.
#pragma once

#include <cstdint>
#include <optional>

#include "view/zoom.h"

namespace qm {

class ImageView;

// The shown picture's geometry and the image area's size, in client pixels; the
// area's top-left corner lies right of the control panel, below the toolbar.
struct PictureGeometry {
    std::int32_t pixelsPerLine = 0;
    std::int32_t lineCount = 0;
    Zoom zoom;
    std::int32_t scrollX = 0;
    std::int32_t scrollY = 0;
    int areaWidth = 0;
    int areaHeight = 0;
};

// A pixel of the picture. Column and line count from 0 at the top-left corner of
// the picture as the user sees it; the index is the pixel's place in a band buffer
// of the picture's geometry, whose rows are stored bottom-up.
struct SourcePixel {
    std::int32_t column = 0;
    std::int32_t line = 0;
    std::int64_t index = 0;

    bool operator==(const SourcePixel&) const = default;
};

// The view's picture in an image area of this size.
PictureGeometry pictureGeometry(const ImageView& view, int areaWidth, int areaHeight);

// The pixel drawn at the client point: display column j shows source column
// scrollX + j * zoom, and display row i (from the top) shows buffer line
// lineCount - scrollY - (i + 1) * zoom, as composition draws them; magnified, column
// j shows scrollX + j / m and row i the line scrollY + i / m from the top. None
// outside the image area and in the black right of and below the picture.
std::optional<SourcePixel> sourcePixelAt(const PictureGeometry& picture, int clientX, int clientY);

// A scroll origin: the source column and line (from the top) at the image area's
// top-left corner.
struct ScrollOrigin {
    std::int64_t column = 0;
    std::int64_t line = 0;
};

// The origin that shows the pixel at the client point at this zoom: the inverse of
// sourcePixelAt. It may lie beyond what the scroll bars reach.
ScrollOrigin originShowingAt(const SourcePixel& pixel, Zoom zoom, int clientX, int clientY);

}  // namespace qm
