#include "tools/cli/png_file.h"

#include <cstdint>
#include <limits>
#include <new>
#include <utility>
#include <vector>

#include <stb/stb_image_write.h>

#include "platform/platform.h"
#include "text/ascii.h"

namespace qm::cli {
namespace {

constexpr std::string_view kPngExtension = ".png";

int channelsOf(const ImageView& view) {
    return shownChannels(view.mode());
}

std::int64_t pictureBytes(const ImageView& view) {
    return std::int64_t{view.pixelsPerLine()} * view.lineCount() * channelsOf(view);
}

// The picture top-down: the band buffers hold it bottom-up, and composed colour
// rows come blue, green, red, where PNG wants red, green, blue.
std::vector<std::uint8_t> pictureTopDown(const ImageView& view) {
    const ChannelSources sources = view.channelSources();
    const auto width = static_cast<std::size_t>(view.pixelsPerLine());
    const int channels = channelsOf(view);
    const std::size_t rowBytes = width * static_cast<std::size_t>(channels);
    std::vector<std::uint8_t> picture(rowBytes * static_cast<std::size_t>(view.lineCount()));
    for (std::int32_t y = 0; y < view.lineCount(); ++y) {
        const std::int64_t rowStart = std::int64_t{view.lineCount() - 1 - y} * view.pixelsPerLine();
        std::uint8_t* row = picture.data() + static_cast<std::size_t>(y) * rowBytes;
        if (channels == 1) {
            mapGreyRow(sources[0], rowStart, width, row);
            continue;
        }
        mapColourRow(sources, rowStart, 0, 1, width, row);
        for (std::size_t j = 0; j < rowBytes; j += 3)
            std::swap(row[j], row[j + 2]);
    }
    return picture;
}

struct PngSink {
    platform::File* file;
    bool ok;
};

void writeToFile(void* context, void* data, int size) {
    auto* sink = static_cast<PngSink*>(context);
    sink->ok =
        sink->ok && size >= 0 &&
        sink->file->write(static_cast<const std::uint8_t*>(data), static_cast<std::size_t>(size));
}

}  // namespace

bool isPngName(std::string_view path) {
    return endsWithAsciiNoCase(path, kPngExtension);
}

bool fitsPng(const ImageView& view) {
    // The encoder counts bytes in int, and its compressed form may come out a little
    // larger than the picture: a quarter to spare.
    const std::int64_t bytes = pictureBytes(view);
    return bytes > 0 && bytes <= std::numeric_limits<int>::max() / 5 * 4;
}

platform::WriteFailure writePng(const ImageView& view, const std::string& path) {
    if (view.pixelCount() == 0 || !fitsPng(view))
        return platform::WriteFailure::Other;
    std::vector<std::uint8_t> picture;
    try {
        picture = pictureTopDown(view);
    } catch (const std::bad_alloc&) {
        return platform::WriteFailure::Other;
    }
    const int channels = channelsOf(view);
    return platform::replaceFile(path, [&](platform::File& file) {
        PngSink sink{&file, true};
        const bool encoded =
            stbi_write_png_to_func(writeToFile, &sink, view.pixelsPerLine(), view.lineCount(),
                                   channels, picture.data(), view.pixelsPerLine() * channels) != 0;
        return encoded && sink.ok;
    });
}

}  // namespace qm::cli
