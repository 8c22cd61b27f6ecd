// A real main window, created by the test in its own process as the program
// creates it, with helpers to click, scroll, resize and show bands in it.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "band/band_image.h"
#include "tests/support/temp_dir.h"

namespace qm::test {

// Pixel value of a band at a line (counted from the top of the picture) and column.
using PixelRule = std::function<std::uint8_t(int line, int column)>;

class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    HWND window() const { return main_.window(); }
    HWND control(int id) const { return GetDlgItem(main_.window(), id); }
    RECT clientRect() const;
    // The control's outer rectangle in the main window's client coordinates.
    RECT placeOf(HWND child) const;

    // Handles what waits in this thread's queue (paints, sizes, posted messages).
    void pumpMessages();
    // Invalidates the whole client area and paints it now.
    void repaint();
    // Resizes the window so that its client area has this size.
    void setClientSize(int width, int height);
    void command(int id);
    // A click on a level up-down, reported as the control reports it.
    void clickSpin(int id, int delta);

    // A fast-format band file in the test's folder, read as the catalogue reads it.
    BandImage* makeBand(const std::string& name, int pixelsPerLine, int lines,
                        const PixelRule& pixel);
    // The mode command, then the bands and the shell's levels into the view, then a
    // full paint.
    void show(int modeCommand, BandImage* red, BandImage* green, BandImage* blue);

    TempDir dir_;
    std::vector<std::unique_ptr<BandImage>> bands_;
    // Reads the configuration file in the test's folder.
    MainWindow main_{dir_.path("QMDATA.INI")};
};

}  // namespace qm::test
