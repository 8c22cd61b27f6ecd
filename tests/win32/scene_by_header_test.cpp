// A Landsat 7 scene opened by its header from the command line, without a label,
// and product information showing what its headers say.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>

#include "res/resource.h"
#include "tests/support/product_files.h"
#include "tests/win32/dialog_driver.h"
#include "tests/win32/product_window_fixture.h"

namespace qm::test {
namespace {

using SceneByHeaderTest = ProductWindowTest;

constexpr char kInfoCaption[] = "プロダクト情報";

bool menuItemGrayed(HWND window, UINT id) {
    return (GetMenuState(GetMenu(window), id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

TEST_F(SceneByHeaderTest, OpensFromTheCommandLineAndShowsProductInformation) {
    const std::string hrf = dir_.writeFile(
        "L71SCENE_HRF.FST", landsatHeader({"SATELLITE =LANDSAT7  SENSOR =ETM+", "LOC =118/0380000",
                                           "PIXELS PER LINE =40 LINES PER BAND =30",
                                           "FILENAME =L71SCENE_B10.FST FILENAME =L71SCENE_B20.FST",
                                           "FILENAME =L71SCENE_B30.FST"},
                                          {"GAINS AND BIASES IN ASCENDING BAND NUMBER ORDER",
                                           "-6.2 0.786", "-6.4 0.817", "-5.0 0.639"},
                                          {"SUN ELEVATION ANGLE =36.3 SUN AZIMUTH ANGLE =149.3"}));
    for (const char* name : {"L71SCENE_B10.FST", "L71SCENE_B20.FST"})
        dir_.writeFile(name, std::string(40 * 30, '\x40'));
    EXPECT_TRUE(menuItemGrayed(window(), IDM_PRODUCT_INFO));

    main_.openFromCommandLine(("\"" + hrf + "\"").c_str());
    ASSERT_EQ(chooserCount(0), 3);  // "do not display" and the two bands there are
    EXPECT_FALSE(menuItemGrayed(window(), IDM_PRODUCT_INFO));
    choose({1, 2, 1});
    command(IDM_APPLY_BAND_CHANGE);
    ASSERT_NE(main_.view().channel(0), nullptr);
    EXPECT_EQ(main_.view().pixelsPerLine(), 40);

    std::string shown;
    std::thread reader([&] {
        const HWND dialog = waitForDialog(kInfoCaption, FileDialogAnswer::kTimeoutMs);
        if (!dialog)
            return;
        char text[8192] = "";
        GetDlgItemTextA(dialog, IDC_PRODUCT_INFO_TEXT, text, sizeof text);
        shown = text;
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    command(IDM_PRODUCT_INFO);
    reader.join();
    for (const std::string& line :
         {std::string("衛星 : LANDSAT7"), std::string("パス/ロウ : 118/038"),
          std::string("バイアス : -6.200000"), std::string("見つからない : L71SCENE_B30.FST\r\n"),
          std::string("バンド2 : ") + dir_.path("L71SCENE_B20.FST"), hrf})
        EXPECT_NE(shown.find(line), std::string::npos) << line << "\n" << shown;
}

}  // namespace
}  // namespace qm::test
