#include "tests/win32/main_window_fixture.h"

#include <windows.h>

#include <commctrl.h>

namespace qm::test {

void MainWindowTest::SetUp() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_NE(main_.registerClass(instance), 0);
    ASSERT_TRUE(main_.createWindow(instance));
    pumpMessages();
}

// The window goes before the object; its quit message is not left for the next test.
void MainWindowTest::TearDown() {
    if (IsWindow(main_.window()))
        DestroyWindow(main_.window());
    pumpMessages();
    UnregisterClassA(MainWindow::kClassName, GetModuleHandleA(nullptr));
}

RECT MainWindowTest::clientRect() const {
    RECT client{};
    GetClientRect(main_.window(), &client);
    return client;
}

RECT MainWindowTest::placeOf(HWND child) const {
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(HWND_DESKTOP, main_.window(), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

void MainWindowTest::pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void MainWindowTest::repaint() {
    InvalidateRect(main_.window(), nullptr, FALSE);
    UpdateWindow(main_.window());
}

// The menu bar may wrap or unwrap with the new width, which changes the frame: a
// few rounds settle it.
void MainWindowTest::setClientSize(int width, int height) {
    for (int round = 0; round < 3; ++round) {
        RECT outer{};
        GetWindowRect(main_.window(), &outer);
        const RECT client = clientRect();
        if (client.right == width && client.bottom == height)
            return;
        const int frameWidth = (outer.right - outer.left) - client.right;
        const int frameHeight = (outer.bottom - outer.top) - client.bottom;
        SetWindowPos(main_.window(), nullptr, 0, 0, width + frameWidth, height + frameHeight,
                     SWP_NOMOVE | SWP_NOZORDER);
        pumpMessages();
    }
}

void MainWindowTest::command(int id) {
    SendMessageA(main_.window(), WM_COMMAND, id, 0);
}

void MainWindowTest::clickSpin(int id, int delta) {
    NMUPDOWN click{};
    click.hdr.hwndFrom = control(id);
    click.hdr.idFrom = static_cast<UINT_PTR>(id);
    click.hdr.code = UDN_DELTAPOS;
    click.iDelta = delta;
    SendMessageA(main_.window(), WM_NOTIFY, id, reinterpret_cast<LPARAM>(&click));
}

// Fast-format files hold the top line first; the band keeps it last.
BandImage* MainWindowTest::makeBand(const std::string& name, int pixelsPerLine, int lines,
                                    const PixelRule& pixel) {
    std::string bytes;
    for (int line = 0; line < lines; ++line) {
        for (int column = 0; column < pixelsPerLine; ++column)
            bytes.push_back(static_cast<char>(pixel(line, column)));
    }
    auto band = std::make_unique<BandImage>();
    EXPECT_TRUE(band->setPath(dir_.writeFile(name, bytes)));
    EXPECT_EQ(band->readGeometry(BandFormat::Fast, dir_.path("QMDATA.INI"), "S", "O", pixelsPerLine,
                                 lines),
              std::nullopt);
    bands_.push_back(std::move(band));
    return bands_.back().get();
}

void MainWindowTest::show(int modeCommand, BandImage* red, BandImage* green, BandImage* blue) {
    command(modeCommand);
    main_.view().setChannels(red, green, blue);
    main_.view().applyLevels(main_.levels());
    pumpMessages();
    repaint();
}

}  // namespace qm::test
