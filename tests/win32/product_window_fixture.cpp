#include "tests/win32/product_window_fixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/texts.h"
#include "platform/platform.h"
#include "res/resource.h"
#include "tests/support/product_files.h"
#include "tests/win32/dialog_driver.h"
#include "tools/cli/command_line.h"

namespace qm::test {
namespace {

constexpr char kConfiguration[] =
    "[Logical Format]\r\nFAST=2\r\n"
    "[FileNameMask]\r\nFAST=*_B*.FST\r\n";

}  // namespace

// Values that tell band, line and column apart.
std::uint8_t ProductWindowTest::pixelValue(int band, int line, int column) {
    return static_cast<std::uint8_t>((40 * band + 3 * line + 5 * column) % 251 + 1);
}

// The file dialogs change the current directory: it is put back for the next test.
void ProductWindowTest::SetUp() {
    startDirectory_ = platform::currentDirectory();
    dir_.writeFile("QMDATA.INI", kConfiguration);
    MainWindowTest::SetUp();
}

void ProductWindowTest::TearDown() {
    MainWindowTest::TearDown();
    platform::setCurrentDirectory(startDirectory_);
}

std::string ProductWindowTest::writeProduct(const std::string& name, int bands,
                                            const ProductShape& shape) {
    const std::string label = dir_.writeFile(
        name + ".LAB", labelText({{"Satellite : SAT1", "Sensor : OPT", "Logical Format : FAST"}}));
    dir_.makeDir(name);
    const int headerLines = shape.headerLines.value_or(shape.height);
    dir_.writeFile(name + "/L7A_HRF.FST", fastHeader(std::to_string(shape.width) + " ",
                                                     std::to_string(headerLines) + " "));
    for (int b = 1; b <= bands; ++b) {
        std::string bytes;
        for (int line = 0; line < shape.height; ++line) {
            for (int column = 0; column < shape.width; ++column)
                bytes.push_back(static_cast<char>(pixelValue(b, line, column)));
        }
        if (b == bands)
            bytes.append(static_cast<std::size_t>(shape.extraBytes), '\0');
        dir_.writeFile(name + "/SCENE_B" + std::to_string(b) + "0.FST", bytes);
    }
    return label;
}

void ProductWindowTest::open(const std::string& labelPath) {
    FileDialogAnswer answer(texts::kOpenTitle, labelPath);
    command(IDM_OPEN);
    EXPECT_TRUE(answer.answered()) << "no open dialog";
    pumpMessages();
}

bool ProductWindowTest::save(const std::string& path, FileDialogAnswer::Replace replace) {
    FileDialogAnswer answer(texts::kSaveTitle, path, FileDialogAnswer::kTimeoutMs, replace);
    command(IDM_SAVE_AS);
    EXPECT_TRUE(answer.answered()) << "no save dialog";
    pumpMessages();
    return answer.askedToReplace();
}

void ProductWindowTest::choose(const std::vector<int>& items) {
    for (std::size_t i = 0; i < items.size(); ++i)
        SendMessageA(control(100 + static_cast<int>(i)), CB_SETCURSEL,
                     static_cast<WPARAM>(items[i]), 0);
}

int ProductWindowTest::chooserCount(int channel) const {
    return static_cast<int>(SendMessageA(control(100 + channel), CB_GETCOUNT, 0, 0));
}

int ProductWindowTest::chooserSelection(int channel) const {
    return static_cast<int>(SendMessageA(control(100 + channel), CB_GETCURSEL, 0, 0));
}

SCROLLINFO ProductWindowTest::scrollBar(int id) const {
    SCROLLINFO state{};
    state.cbSize = sizeof state;
    state.fMask = SIF_ALL;
    GetScrollInfo(control(id), SB_CTL, &state);
    return state;
}

std::string ProductWindowTest::cliExport(const std::string& label,
                                         const std::vector<std::string>& options) {
    const std::string output = dir_.path("CLI.BMP");
    std::vector<std::string> arguments = {"export", label,      "-o",
                                          output,   "--config", dir_.path("QMDATA.INI")};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::ostringstream out, err;
    EXPECT_EQ(cli::runCommandLine(arguments, out, err), cli::kExitSuccess) << err.str();
    return fileBytes(output);
}

std::string ProductWindowTest::fileBytes(const std::string& path) const {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace qm::test
