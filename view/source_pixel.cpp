#include "view/source_pixel.h"

#include <algorithm>

#include "view/image_view.h"
#include "view/layout.h"

namespace qm {
namespace {

// How many lines from the top of the area's first shown line area row y shows:
// magnified, row y shows y / m lines further; subsampled, (y + 1) * s - 1.
std::int64_t linesAbove(Zoom zoom, std::int64_t y) {
    return zoom.magnified() ? y / zoom.magnification : (y + 1) * zoom.subsample - 1;
}

}  // namespace

PictureGeometry pictureGeometry(const ImageView& view, int areaWidth, int areaHeight) {
    PictureGeometry picture;
    picture.pixelsPerLine = view.pixelsPerLine();
    picture.lineCount = view.lineCount();
    picture.zoom = view.scale();
    picture.scrollX = view.scrollX();
    picture.scrollY = view.scrollY();
    picture.areaWidth = areaWidth;
    picture.areaHeight = areaHeight;
    return picture;
}

// Formed in 64 bits, like the composition's line numbers: no origin overflows them.
std::optional<SourcePixel> sourcePixelAt(const PictureGeometry& picture, int clientX, int clientY) {
    const std::int64_t x = std::int64_t{clientX} - layout::kControlPanelWidth;
    const std::int64_t y = std::int64_t{clientY} - layout::kToolbarHeight;
    if (x < 0 || y < 0 || x >= picture.areaWidth || y >= picture.areaHeight)
        return std::nullopt;
    Zoom zoom = picture.zoom;
    zoom.subsample = std::max(zoom.subsample, 1);
    const std::int64_t column = picture.scrollX + zoom.sourcePixelsIn(x);
    const std::int64_t bufferLine =
        std::int64_t{picture.lineCount} - 1 - picture.scrollY - linesAbove(zoom, y);
    if (column >= picture.pixelsPerLine || bufferLine < 0)
        return std::nullopt;
    SourcePixel pixel;
    pixel.column = static_cast<std::int32_t>(column);
    pixel.line = static_cast<std::int32_t>(picture.lineCount - 1 - bufferLine);
    pixel.index = bufferLine * picture.pixelsPerLine + column;
    return pixel;
}

ScrollOrigin originShowingAt(const SourcePixel& pixel, Zoom zoom, int clientX, int clientY) {
    const std::int64_t x = std::int64_t{clientX} - layout::kControlPanelWidth;
    const std::int64_t y = std::int64_t{clientY} - layout::kToolbarHeight;
    return {pixel.column - zoom.sourcePixelsIn(x), pixel.line - linesAbove(zoom, y)};
}

}  // namespace qm
