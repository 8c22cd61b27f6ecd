// The viewer as a user feels it, under Wine and Xvfb: the real main window, made
// in this process as the program makes it, opens an 8000 x 7000 three-band product
// and is driven through its own commands. Each step is timed from the command to
// the end of the paint it causes (UpdateWindow, then GdiFlush); the pieces of a
// paint (composition, bitmap section, copy to the window) are timed on their own,
// and so is the command-line program's load of the same three bands.
//   quillmere-gui-bench FOLDER [RUNS]
// FOLDER gets the product (kept between runs). Times are medians over RUNS (5).
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/main_window.h"
#include "app/texts.h"
#include "bench/gui/gui_product.h"
#include "paths/paths.h"
#include "platform/platform.h"
#include "res/resource.h"
#include "tests/win32/dialog_driver.h"
#include "tools/cli/command_line.h"
#include "view/gdi/panel_layout.h"
#include "view/layout.h"

namespace qm::bench {
namespace {

constexpr int kImageWidth = 1920;
constexpr int kImageHeight = 1080;

// Milliseconds from the performance counter: <chrono> cannot be had here, where
// string literals are in the program's code page (see CMakeLists.txt).
double nowMilliseconds() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER count;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&count);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> times) {
    if (times.empty())
        return 0;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const std::string& what, const std::vector<double>& times) {
    std::printf("%-58s %9.1f ms  (median of %zu)\n", what.c_str(), median(times), times.size());
}

class GuiBench {
  public:
    GuiBench(int runs, const std::string& configuration) : runs_(runs), main_(configuration) {}
    bool start(const std::string& label);
    void run();
    void finish();

  private:
    HWND window() const { return main_.window(); }
    HWND control(int id) const { return GetDlgItem(main_.window(), id); }
    void pumpMessages();
    void setClientSize(int width, int height);
    void command(int id) { SendMessageA(window(), WM_COMMAND, id, 0); }
    void choose(int first);
    // The paint that the last command asked for, to its end.
    void paint();
    double timed(const std::function<void()>& step);

    void bandChanges();
    void scrollSteps();
    void zoomOuts();
    void panelsOnlyPaints();
    void uncoveredPaints();
    void paintPieces();

    int runs_;
    MainWindow main_;
};

void GuiBench::pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The menu bar may wrap with the width, which changes the frame: a few rounds.
void GuiBench::setClientSize(int width, int height) {
    for (int round = 0; round < 3; ++round) {
        RECT outer{};
        RECT client{};
        GetWindowRect(window(), &outer);
        GetClientRect(window(), &client);
        if (client.right == width && client.bottom == height)
            return;
        SetWindowPos(window(), nullptr, 0, 0, width + (outer.right - outer.left) - client.right,
                     height + (outer.bottom - outer.top) - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER);
        pumpMessages();
    }
}

// Item 0 is "do not display"; bands 1 to 3 follow.
void GuiBench::choose(int first) {
    for (int channel = 0; channel < kSceneBands; ++channel) {
        SendMessageA(control(control::kFirstBandChooser + channel), CB_SETCURSEL,
                     static_cast<WPARAM>(first == 0 ? 0 : first + channel), 0);
    }
}

void GuiBench::paint() {
    UpdateWindow(window());
    GdiFlush();
}

double GuiBench::timed(const std::function<void()>& step) {
    const double start = nowMilliseconds();
    step();
    return nowMilliseconds() - start;
}

bool GuiBench::start(const std::string& label) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!main_.registerClass(instance) || !main_.createWindow(instance))
        return false;
    pumpMessages();
    setClientSize(kImageWidth + layout::kControlPanelWidth + layout::kScrollBarThickness,
                  kImageHeight + layout::kToolbarHeight + layout::kScrollBarThickness);
    test::FileDialogAnswer answer(texts::kOpenTitle, label);
    command(IDM_OPEN);
    pumpMessages();
    const LRESULT bands = SendMessageA(control(control::kFirstBandChooser), CB_GETCOUNT, 0, 0);
    if (!answer.answered() || bands <= kSceneBands) {
        std::fprintf(stderr, "open dialog %s, %d choices\n",
                     answer.answered() ? "answered" : "never answered", static_cast<int>(bands));
        return false;
    }
    return true;
}

// The first change loads the pixels and builds the histograms; later ones, after
// the bands were let go, load the pixels only.
void GuiBench::bandChanges() {
    double load = 0;
    choose(1);
    const double first = timed([&] {
        load = timed([&] { command(IDM_APPLY_BAND_CHANGE); });
        paint();
    });
    report("band change, first: command to end of first paint", {first});
    report("  of which the command (3 bands loaded, histograms built)", {load});

    std::vector<double> totals;
    std::vector<double> loads;
    for (int run = 0; run < runs_; ++run) {
        choose(0);
        command(IDM_APPLY_BAND_CHANGE);
        paint();
        choose(1);
        totals.push_back(timed([&] {
            loads.push_back(timed([&] { command(IDM_APPLY_BAND_CHANGE); }));
            paint();
        }));
    }
    report("band change again: command to end of first paint", totals);
    report("  of which the command (3 bands loaded)", loads);
}

void GuiBench::scrollSteps() {
    const HWND bar = control(control::kVerticalScrollBar);
    std::vector<double> times;
    for (int run = 0; run < runs_; ++run) {
        times.push_back(timed([&] {
            SendMessageA(window(), WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar));
            paint();
        }));
    }
    report("scroll one line down: message to end of paint", times);
}

void GuiBench::zoomOuts() {
    std::vector<double> times;
    for (int run = 0; run < runs_; ++run) {
        times.push_back(timed([&] {
            command(IDM_ZOOM_OUT);
            paint();
        }));
        command(IDM_ZOOM_IN);
        paint();
    }
    report("zoom out (1 to 2): command to end of paint", times);
}

// A level up-down click redraws the panels and not the image.
void GuiBench::panelsOnlyPaints() {
    const int spin = control::kFirstLowSpin;
    std::vector<double> times;
    for (int run = 0; run < runs_; ++run) {
        NMUPDOWN click{};
        click.hdr.hwndFrom = control(spin);
        click.hdr.idFrom = static_cast<UINT_PTR>(spin);
        click.hdr.code = UDN_DELTAPOS;
        click.iDelta = run % 2 ? -1 : 1;
        times.push_back(timed([&] {
            SendMessageA(window(), WM_NOTIFY, spin, reinterpret_cast<LPARAM>(&click));
            paint();
        }));
    }
    report("level click (panels only): message to end of paint", times);
}

// What the window does when it is uncovered: nothing in the view has changed.
void GuiBench::uncoveredPaints() {
    std::vector<double> times;
    for (int run = 0; run < runs_; ++run) {
        times.push_back(timed([&] {
            InvalidateRect(window(), nullptr, FALSE);
            paint();
        }));
    }
    report("uncovered window: invalidation to end of paint", times);

    // The same with only the image area uncovered: what the window system's
    // share of a paint is when the panels are not redrawn.
    const RECT image{layout::kControlPanelWidth, layout::kToolbarHeight,
                     layout::kControlPanelWidth + kImageWidth,
                     layout::kToolbarHeight + kImageHeight};
    times.clear();
    for (int run = 0; run < runs_; ++run) {
        times.push_back(timed([&] {
            InvalidateRect(window(), &image, FALSE);
            paint();
        }));
    }
    report("uncovered image area alone: invalidation to end of paint", times);
}

// The parts of an image paint on their own, at the size of the image area.
void GuiBench::paintPieces() {
    ImageView& view = main_.view();
    std::vector<double> composes;
    std::vector<double> sections;
    std::vector<double> copies;
    const HDC windowDc = GetDC(window());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kImageWidth;
    info.bmiHeader.biHeight = kImageHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const HDC memory = CreateCompatibleDC(windowDc);
    for (int run = 0; run < runs_; ++run) {
        view.prepareBuffer(kImageWidth, kImageHeight);
        composes.push_back(timed([&] { view.compose(); }));
        void* bits = nullptr;
        HBITMAP section = nullptr;
        sections.push_back(timed([&] {
            section = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
            if (bits)
                static_cast<std::uint8_t*>(bits)[0] = 1;  // the first touch of its memory
        }));
        const HGDIOBJ previous = SelectObject(memory, section);
        copies.push_back(timed([&] {
            BitBlt(windowDc, layout::kControlPanelWidth, layout::kToolbarHeight, kImageWidth,
                   kImageHeight, memory, 0, 0, SRCCOPY);
            GdiFlush();
        }));
        SelectObject(memory, previous);
        DeleteObject(section);
    }
    DeleteDC(memory);
    ReleaseDC(window(), windowDc);
    report("  piece: compose 1920 x 1080 (zoom 1) into a buffer", composes);
    report("  piece: create a 1920 x 1080 24-bit DIB section", sections);
    report("  piece: BitBlt it to the window, GdiFlush", copies);
}

void GuiBench::run() {
    bandChanges();
    scrollSteps();
    zoomOuts();
    panelsOnlyPaints();
    uncoveredPaints();
    paintPieces();
}

void GuiBench::finish() {
    DestroyWindow(window());
    pumpMessages();
}

// quillmere-cli info --stats on the same product, in this process: the three
// bands opened, loaded and counted, as the viewer's first band change does.
void cliLoad(const std::string& label, const std::string& configuration) {
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> arguments = {"info", label, "--stats", "--config",
                                                configuration};
    const double start = nowMilliseconds();
    cli::runCommandLine(arguments, out, err);
    const double elapsed = nowMilliseconds() - start;
    report("quillmere-cli info --stats, same product, in this process", {elapsed});
}

}  // namespace
}  // namespace qm::bench

int main(int argc, char** argv) {
    using namespace qm::bench;
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillmere-gui-bench FOLDER [RUNS]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    if (!writeSceneProduct(folder)) {
        std::fprintf(stderr, "quillmere-gui-bench: cannot write the product in %s\n", argv[1]);
        return 1;
    }
    const std::string label = qm::platform::fromNativePath(sceneLabelPath(folder));
    const std::string configuration = qm::platform::fromNativePath(sceneConfigurationPath(folder));

    std::printf("Viewer, image area %d x %d, three bands of %d x %d\n", 1920, 1080, kScenePixels,
                kSceneLines);
    cliLoad(label, configuration);
    GuiBench bench(runs, configuration);
    if (!bench.start(label)) {
        std::fprintf(stderr, "quillmere-gui-bench: the product did not open\n");
        return 1;
    }
    bench.run();
    bench.finish();
    cliLoad(label, configuration);
    return 0;
}
