// A label file from outside the program: its command line (quoted or not, with
// Shift-JIS folder names) and files dropped on its window. Such a label opens as
// the open command opens the file chosen in its dialog.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/product_path.h"
#include "platform/platform.h"
#include "res/resource.h"
#include "tests/win32/product_window_fixture.h"

namespace qm::test {
namespace {

// "表示 データ": the first character's trail byte is 0x5C, a backslash when read byte
// by byte, and the name holds a space.
constexpr char kJapaneseFolder[] = "表示 データ";
static_assert(static_cast<unsigned char>(kJapaneseFolder[1]) == 0x5C);

TEST(ProductPathTest, CommandLinesNameOneLabelFileOrHeader) {
    struct Case {
        const char* commandLine;
        std::optional<std::string> expected;
    };
    const std::string japanese = std::string("\"C:\\") + kJapaneseFolder + "\\SCENE.LAB\"";
    const Case cases[] = {
        {"C:\\DATA\\SCENE.LAB", "C:\\DATA\\SCENE.LAB"},
        {"  \"C:\\My Data\\scene.lab\"  ", "C:\\My Data\\scene.lab"},
        {japanese.c_str(), japanese.substr(1, japanese.size() - 2)},
        {"\tSCENE.Lab\t", "SCENE.Lab"},
        {"C:\\DATA\\L71118038_03819991201_HRF.FST", "C:\\DATA\\L71118038_03819991201_HRF.FST"},
        {"l7scene_hpn.fst", "l7scene_hpn.fst"},
        {"C:\\DATA\\L71118038_03819991201_B10.FST", std::nullopt},
        {"C:\\DATA\\X7SCENE_HRF.FST", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"C:\\DATA\\SCENE.TXT", std::nullopt},
        {"C:\\DATA\\SCENE.LAB.TXT", std::nullopt},
        {"C:\\DATA\\LAB", std::nullopt},
        {"A.LAB B.LAB", std::nullopt},
        {"\"C:\\My Data\\A.LAB\" B.LAB", std::nullopt},
        // Without quotes, a path with a space is two words.
        {"C:\\My Data\\SCENE.LAB", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        EXPECT_EQ(productPathFromCommandLine(c.commandLine), c.expected);
    }
}

class OpenByPathTest : public ProductWindowTest {
  protected:
    // The product `name` with three bands, moved into the Japanese folder.
    std::string japaneseProduct(const std::string& name) {
        const std::string label = writeProduct(name, 3);
        const std::string folder = dir_.path() + kJapaneseFolder;
        EXPECT_TRUE(CreateDirectoryA(folder.c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS);
        EXPECT_TRUE(MoveFileA(label.c_str(), (folder + "\\" + name + ".LAB").c_str()));
        EXPECT_TRUE(MoveFileA(dir_.path(name).c_str(), (folder + "\\" + name).c_str()));
        return folder + "\\" + name + ".LAB";
    }

    // A drop of these paths, as the shell hands it to the window: a DROPFILES
    // record followed by the zero-ended paths and one more zero.
    static HDROP dropOf(const std::vector<std::string>& paths) {
        std::string names;
        for (const std::string& path : paths)
            names.append(path).push_back('\0');
        names.push_back('\0');
        const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
        auto* record = static_cast<DROPFILES*>(GlobalLock(memory));
        record->pFiles = sizeof(DROPFILES);
        record->fWide = FALSE;
        std::memcpy(reinterpret_cast<char*>(record) + sizeof(DROPFILES), names.data(),
                    names.size());
        GlobalUnlock(memory);
        return static_cast<HDROP>(memory);
    }

    void drop(const std::vector<std::string>& paths) {
        SendMessageA(window(), WM_DROPFILES, reinterpret_cast<WPARAM>(dropOf(paths)), 0);
    }

    void expectChoosers(int count) {
        for (int channel = 0; channel < 3; ++channel) {
            EXPECT_EQ(chooserCount(channel), count) << channel;
            EXPECT_EQ(chooserSelection(channel), 0) << channel;
        }
    }
};

// Relative paths are made full against the start directory, which the product's
// discovery changes.
TEST_F(OpenByPathTest, TheCommandLineOpensItsLabel) {
    struct Case {
        const char* what;
        bool relative;
        bool quoted;
    };
    const Case cases[] = {
        {"a full path in quotes", false, true},
        {"a relative path without quotes", true, false},
    };
    int round = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string name = "SCENE" + std::to_string(++round);
        const std::string label = japaneseProduct(name);
        const std::string folder = dir_.path() + kJapaneseFolder;
        ASSERT_TRUE(platform::setCurrentDirectory(folder));
        const std::string path = c.relative ? name + ".LAB" : label;
        main_.openFromCommandLine((c.quoted ? "\"" + path + "\"" : path).c_str());
        expectChoosers(4);
    }
}

// A copy of the label named .TXT beside the product would open if its name were not
// looked at.
TEST_F(OpenByPathTest, OneDroppedLabelOpensAndOtherDropsAreIgnored) {
    const std::string label = writeProduct("SCENE", 3);
    const std::string text = dir_.writeFile("SCENE.TXT", fileBytes(label));
    const std::string first = writeProduct("FIRST", 1);

    struct Case {
        const char* what;
        std::vector<std::string> dropped;
        int chooserItems;  // after the drop; the first product gives 2
    };
    const Case cases[] = {
        {"one label", {label}, 4},
        {"a text file", {text}, 2},
        {"two labels", {label, first}, 2},
        {"a label and a text file", {label, text}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        main_.openProductPath(first.c_str());
        ASSERT_EQ(chooserCount(0), 2);
        drop(c.dropped);
        expectChoosers(c.chooserItems);
    }
}

// While a band change shows its message, a drop would free the bands under it.
TEST_F(OpenByPathTest, DropsWaitForNoMessageBox) {
    const std::string label = writeProduct("SCENE", 3, {.headerLines = 0});
    const std::string other = writeProduct("OTHER", 1);
    main_.openProductPath(label.c_str());
    choose({1, 2, 3});
    int boxes = 0;
    BandImage* shownDuring = nullptr;
    const platform::MessageBoxHandler previous =
        platform::setMessageBoxHandler([&](const platform::MessageBoxRequest&) {
            if (++boxes == 1) {
                shownDuring = main_.view().channel(0);
                drop({other});
            }
            return platform::kIdOk;
        });
    command(IDM_APPLY_BAND_CHANGE);
    platform::setMessageBoxHandler(previous);

    EXPECT_EQ(boxes, 1);
    ASSERT_NE(shownDuring, nullptr);
    EXPECT_EQ(chooserCount(0), 4) << "the dropped product was opened";
    drop({other});
    EXPECT_EQ(chooserCount(0), 2) << "drops are not taken after the box";
}

}  // namespace
}  // namespace qm::test
