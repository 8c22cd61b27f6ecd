// The application object: the main window and its controls, the three channels'
// level pairs, the scroll states and the paint flags, and the view, the product
// catalogue and the label file that live as long as the program runs. The window
// procedure hands each message to one of its handlers.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/modal_guard.h"
#include "app/picture_drag.h"
#include "app/pixel_text.h"
#include "app/spectral_profile_window.h"
#include "app/wheel_steps.h"
#include "product/label_file.h"
#include "product/product_catalog.h"
#include "view/band_change.h"
#include "view/image_view.h"
#include "view/level_range.h"
#include "view/source_pixel.h"

namespace qm {

class MainWindow {
  public:
    static constexpr char kClassName[] = "Quillmere";
    static constexpr char kTitle[] = "Quillmere";
    static constexpr char kMenuName[] = "IDR_MAIN_MENU";
    // The class names an icon that the resources do not hold: the system's default
    // icon is shown.
    static constexpr char kIconName[] = "IDI_ICON";
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 528;
    // Bit 0 of the paint flags: the next paint redraws the panels, not the image.
    static constexpr std::uint32_t kPanelsOnly = 1;

    // The product catalogue reads the given configuration file: QMDATA.INI beside
    // the program unless a test or benchmark names another.
    explicit MainWindow(std::string configurationPath = configurationFilePath());
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    // Deletes the label file, the catalogue and the view, in that order. The window
    // is already gone by then.
    ~MainWindow();

    // The class atom, 0 when the class cannot be registered.
    ATOM registerClass(HINSTANCE instance);
    // Creates the window (WM_CREATE builds the control panel), shows it in its
    // normal state and paints it. False when the window cannot be created.
    bool createWindow(HINSTANCE instance);
    LRESULT onClose();
    // Opens a label file or a Landsat 7 header as the open command does after its
    // dialog: the product is read and the band choosers refilled; when it has no
    // band, a box says why.
    void openProductPath(const char* path);
    // Opens the label file that the program's command line names, if it names one.
    void openFromCommandLine(const char* commandLine);

    HWND window() const { return window_; }
    const SpectralProfileWindow& profile() const { return profile_; }
    ImageView& view() { return *view_; }
    ChannelLevels& levels() { return levels_; }
    std::uint32_t paintFlags() const { return paintFlags_; }
    bool linkLevels() const { return linkLevels_; }
    // The shell's own copies of the scroll states; the bars are never read back.
    // Every command and resize leaves them and the bars holding the same.
    SCROLLINFO& verticalScroll() { return vScroll_; }
    SCROLLINFO& horizontalScroll() { return hScroll_; }

  private:
    struct LevelSpins {
        HWND highSpin = nullptr;
        HWND lowSpin = nullptr;
    };

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static MainWindow* attach(HWND window, LPARAM createStruct);

    // Message handlers.
    LRESULT onCreate(HWND window);
    LRESULT onDestroy();
    LRESULT onSize(WPARAM wParam, LPARAM lParam);
    LRESULT onPaint();
    LRESULT onNotify(WPARAM id, LPARAM record);
    LRESULT onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onHScroll(WPARAM wParam, LPARAM bar);
    LRESULT onVScroll(WPARAM wParam, LPARAM bar);
    // The mouse and the keys on the picture. `tilted`: WM_MOUSEHWHEEL.
    LRESULT onMouseWheel(WPARAM wParam, LPARAM screenPoint, bool tilted);
    LRESULT onLButtonDown(LPARAM point);
    LRESULT onMouseMove(LPARAM point);
    LRESULT onLButtonUp(LPARAM point);
    LRESULT onCaptureChanged();
    LRESULT onSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT onKeyDown(WPARAM key, LPARAM lParam);
    LRESULT onMouseLeave();
    LRESULT onDropFiles(WPARAM drop);

    // Parts of the handlers.
    void createChannelControls(int channel);
    void createScrollBars();
    void onLevelSpin(int id, int delta);
    void scroll(SCROLLINFO& state, HWND bar, WPARAM wParam, bool horizontal);
    // The position into the shell's copy, the bar and the view's origin.
    void moveScrollPosition(SCROLLINFO& state, HWND bar, int position, bool horizontal);
    // The wheel, the keys and drags move within what the bar reaches.
    int reachedPosition(bool horizontal) const;
    void scrollBy(bool horizontal, std::int64_t amount);
    void scrollWithinReach(bool horizontal, std::int64_t position);
    void zoomByWheel(int delta, POINT cursor);
    // The source pixel at the client point, or none.
    std::optional<SourcePixel> pixelAt(POINT point) const;
    // Scrolls so that the source pixel is drawn at the client point, as far as the
    // bars reach.
    void keepPixelAt(const SourcePixel& pixel, POINT point);
    bool inImageArea(POINT point) const;
    void fitScrollBars();
    void drawPanels(HDC dc) const;
    // What a change asks to be painted again: the image area alone (a scroll or a
    // zoom leaves the panels as they are), or the control panel below the toolbar
    // (a level click, which does not reach the image).
    void invalidateImageArea();
    void invalidatePanels();

    // Commands, one per menu item or toolbar button.
    void openProduct();
    void quit();
    void saveAs();
    void zoomIn();
    void zoomOut();
    void zoomToFit();
    void zoomActualSize();
    void singleBandMode();
    void threeBandMode();
    void viewDocument();
    void showAbout();
    void autoLevelTrueColour();
    // Each shown channel stretched between its band's 2nd and 98th percentiles, or
    // to its mean plus or minus two deviations.
    void autoLevelClip();
    void autoLevelDeviation();
    void autoLevelNaturalColour() {}
    void applyInputLevels();
    void applyBandChange();
    void toggleLevelLink();
    void showProductInfo();
    // The spectral profile's tool window, shown or closed.
    void toggleSpectralProfile();
    // The profile follows the pixel under the cursor unless a click pinned one; a
    // click pins the pixel under it, the next one lets it go.
    void followProfile(POINT point);
    void pinProfile(POINT point);
    // The picture changed (another product, a band change, a mode): the pinned
    // pixel is read again from the new bands, or the profile empties.
    void refreshProfile();
    void showProfileAt(std::int32_t column, std::int32_t line);
    // The picture as the image area shows it, onto the clipboard as a DIB.
    void copyPicture();

    // Parts of the commands.
    LabelParseResult readProduct(const char* labelPath);
    void fillBandChoosers();
    void explainNoBand(LabelParseResult parseResult);
    bool saveFile(const std::string& path, const std::function<platform::WriteFailure()>& write);
    void showError(const std::string& text);
    bool showsAnyBand() const;
    BandImage* chosenBand(int channel) const;
    void setScrollRanges(const ChosenBands& chosen);
    void startScrollingAgain(std::int32_t pictureWidth, std::int32_t pictureHeight);
    void zoomChanged();
    void resetChannel(int channel, bool shown);
    void setModeMenu(UINT activeMode, UINT otherMode);

    bool linkLevels_ = false;
    ModalGuard modal_;
    ChannelLevels levels_;
    HINSTANCE instance_ = nullptr;
    HWND window_ = nullptr;
    std::uint32_t paintFlags_ = 0;
    std::unique_ptr<ImageView> view_;
    std::unique_ptr<ProductCatalog> catalog_;
    std::unique_ptr<LabelFile> label_;
    std::array<HWND, ImageView::kChannelCount> bandCombos_{};
    std::array<LevelSpins, ImageView::kChannelCount> levelSpins_{};
    HWND toolbar_ = nullptr;
    HWND vScrollBar_ = nullptr;
    HWND hScrollBar_ = nullptr;
    SCROLLINFO vScroll_{};
    SCROLLINFO hScroll_{};
    // The picture's extent along each bar, in source pixels, as the last band change
    // (or an open, which shows none) set it.
    std::int32_t pictureWidth_ = 0;
    std::int32_t pictureHeight_ = 0;
    // Parts of a wheel notch not yet scrolled or zoomed, and the picture's drag.
    WheelSteps verticalWheel_;
    WheelSteps horizontalWheel_;
    WheelSteps zoomWheel_;
    PictureDrag drag_;
    PixelText pixelText_;
    SpectralProfileWindow profile_;
};

}  // namespace qm
