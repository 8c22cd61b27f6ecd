// Where is this? Over the sample scene, opened by its header, the toolbar's pixel
// text adds the pixel centre's map position and its latitude and longitude (as
// PROJ gives them for UTM zone 54), on a second line when one does not hold it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/control_ids.h"
#include "res/resource.h"
#include "tests/win32/product_window_fixture.h"
#include "tools/sample_gen/sample_products.h"
#include "view/gdi/panel_layout.h"

namespace qm::test {
namespace {

class MapPositionTextTest : public ProductWindowTest {
  protected:
    std::string textAt(int column, int line) {
        const int x = layout::kControlPanelWidth + column;
        const int y = layout::kToolbarHeight + line;
        POINT screen{x, y};
        ClientToScreen(window(), &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageA(window(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        const HWND pixelText = GetDlgItem(control(control::kToolbar), control::kPixelText);
        char buffer[256] = {};
        GetWindowTextA(pixelText, buffer, sizeof buffer);
        return buffer;
    }
};

TEST_F(MapPositionTextTest, PixelsOfTheSampleSceneNameTheirPlace) {
    // 60 x 40 pixels of 30 m around the centre (291614, 3921153).
    sample::writeSampleProducts(dir_.native(), {7, 60, 40});
    main_.openFromCommandLine(("\"" + dir_.path("SYN7FAST/L71SYN7_HRF.FST") + "\"").c_str());
    choose({3, 2, 1});
    command(IDM_APPLY_BAND_CHANGE);
    pumpMessages();
    const struct {
        int column;
        int line;
        const char* place;
    } cases[] = {
        {0, 0, "E 290729 N 3921738  35.41709N 138.69511E"},
        {59, 39, "E 292499 N 3920568  35.40691N 138.71489E"},
        {30, 20, "E 291629 N 3921138  35.41187N 138.70517E"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.place);
        const std::string text = textAt(c.column, c.line);
        const std::string pixel = "X " + std::to_string(c.column) + "  Y " + std::to_string(c.line);
        EXPECT_EQ(text.rfind(pixel, 0), 0u) << text;
        const std::size_t place = text.find(c.place);
        ASSERT_NE(place, std::string::npos) << text;
        // The default window is too narrow for one line.
        EXPECT_EQ(text[place - 1], '\n') << text;
    }
}

}  // namespace
}  // namespace qm::test
