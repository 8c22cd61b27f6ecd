// The text in the toolbar strip, right of the buttons, that names the picture's
// pixel under the cursor and the shown bands' values there. It is empty while the
// cursor is elsewhere or nothing is shown.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "product/georeference.h"

namespace qm {

class ImageView;

class PixelText {
  public:
    PixelText() = default;
    PixelText(const PixelText&) = delete;
    PixelText& operator=(const PixelText&) = delete;

    // A read-only text as a child of the toolbar, so no control of the window moves.
    void create(HWND toolbar, HINSTANCE instance, int id);

    // The cursor is at a client point of the main window. The first move asks for
    // the leave notice, so the text empties when the cursor leaves the window.
    void pointerMoved(HWND window, POINT point, const ImageView& view);
    void pointerLeft();
    // The picture may have changed under a still cursor: a scroll, a zoom, a band
    // change.
    void refresh(HWND window, const ImageView& view);
    // Where the shown picture lies: with it the text adds the pixel's map position
    // and latitude and longitude, on a second line when one does not hold them.
    void setGeoreference(std::optional<BandGeoreference> georeference);

  private:
    void show(const std::string& text);
    std::string withMapPosition(const std::string& readout, int column, int line);

    // What the last text with a map position was made from.
    struct MapTextKey {
        std::string readout;
        int column = 0;
        int line = 0;
        int room = 0;
        bool operator==(const MapTextKey&) const = default;
    };

    HWND control_ = nullptr;
    std::optional<BandGeoreference> georeference_;
    bool trackingLeave_ = false;
    std::optional<POINT> pointer_;
    std::string shown_;
    std::optional<MapTextKey> mapTextFor_;
    std::string mapText_;
};

}  // namespace qm
