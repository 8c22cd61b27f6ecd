#include "view/source_pixel.h"

#include <algorithm>

#include "view/image_view.h"
#include "view/layout.h"

namespace qm {

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
    const std::int64_t step = std::max(picture.zoom.subsample, 1);
    const std::int64_t m = std::max(picture.zoom.magnification, 1);
    const std::int64_t column = std::int64_t{picture.scrollX} + (m > 1 ? x / m : x * step);
    const std::int64_t bufferLine =
        m > 1 ? std::int64_t{picture.lineCount} - 1 - picture.scrollY - y / m
              : std::int64_t{picture.lineCount} - picture.scrollY - (y + 1) * step;
    if (column >= picture.pixelsPerLine || bufferLine < 0)
        return std::nullopt;
    SourcePixel pixel;
    pixel.column = static_cast<std::int32_t>(column);
    pixel.line = static_cast<std::int32_t>(picture.lineCount - 1 - bufferLine);
    pixel.index = bufferLine * picture.pixelsPerLine + column;
    return pixel;
}

}  // namespace qm
