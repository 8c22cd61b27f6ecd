// Command 40033: the picture as the image area shows it, onto the clipboard as a
// device-independent bitmap (CF_DIB) of the image area's size.
#include <windows.h>

#include <cstring>

#include "app/main_window.h"
#include "app/scoped_clipboard.h"
#include "view/bitmap_info.h"
#include "view/gdi/panel_layout.h"

namespace qm {
namespace {

// The display image composed afresh for the image area as it is now: the last paint
// may be older than the last change, and it keeps no bytes to read anyway.
bool composeImageArea(HWND window, ImageView& view) {
    RECT client{};
    GetClientRect(window, &client);
    return view.prepareBuffer(layout::imageAreaWidth(client.right),
                              layout::imageAreaHeight(client.bottom)) &&
           view.compose();
}

// A 24-bit bottom-up bitmap: its header, then the display image's rows, padded as
// the clipboard expects them.
bool writeDib(HGLOBAL memory, const ImageView& view) {
    const ScopedGlobalLock bytes(memory);
    if (!bytes)
        return false;
    BitmapInfoHeader header = displayBitmapInfo(view.outputWidth(), view.outputHeight()).header;
    header.sizeImage = static_cast<std::uint32_t>(view.bufferSize());
    std::memcpy(bytes.get(), &header, sizeof header);
    std::memcpy(bytes.get() + sizeof header, view.displayBits(),
                static_cast<std::size_t>(view.bufferSize()));
    return true;
}

}  // namespace

// Nothing shown, or an image area too small to hold a pixel, leaves the clipboard
// as it was. Once SetClipboardData takes the memory, the clipboard frees it.
void MainWindow::copyPicture() {
    if (!composeImageArea(window_, *view_))
        return;
    ScopedGlobalMemory memory(sizeof(BITMAPINFOHEADER) + static_cast<SIZE_T>(view_->bufferSize()));
    if (!memory || !writeDib(memory.get(), *view_))
        return;
    const ScopedClipboard clipboard(window_);
    if (clipboard && EmptyClipboard() && SetClipboardData(CF_DIB, memory.get()))
        memory.release();
}

}  // namespace qm
