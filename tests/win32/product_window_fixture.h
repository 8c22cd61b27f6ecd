// The main window with small products on disk, driven through its commands and
// its real file dialogs, and the bitmap files that quillmere-cli export writes for
// the same choices.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/win32/dialog_driver.h"
#include "tests/win32/main_window_fixture.h"

namespace qm::test {

// The band files of a product and what its fast-format header says of them.
struct ProductShape {
    static constexpr int kWidth = 40;
    static constexpr int kHeight = 30;

    int width = kWidth;
    int height = kHeight;
    int extraBytes = 0;                             // more bytes in the last band file
    std::optional<int> headerLines = std::nullopt;  // the header's line count, if not the height
};

class ProductWindowTest : public MainWindowTest {
  protected:
    static constexpr int kWidth = ProductShape::kWidth;
    static constexpr int kHeight = ProductShape::kHeight;

    void SetUp() override;
    void TearDown() override;

    // A fast-format product beside the configuration: `bands` files of the shape's
    // pixels, each band its own values (see pixelValue). Returns the label's path.
    std::string writeProduct(const std::string& name, int bands, const ProductShape& shape = {});
    // Band b's value at a line (from the top of the picture) and column: never 0, and
    // no two bands agree, so every picture pixel shows in colour.
    static std::uint8_t pixelValue(int band, int line, int column);
    // The open command, answered in its dialog with the label path.
    void open(const std::string& labelPath);
    // The save command, answered in its dialog with the path (and the answer to the
    // question whether to replace an existing file). Whether the dialog asked it.
    bool save(const std::string& path,
              FileDialogAnswer::Replace replace = FileDialogAnswer::Replace::Yes);
    // Selects item `items[i]` in band chooser i (0 is "do not display").
    void choose(const std::vector<int>& items);
    int chooserCount(int channel) const;
    int chooserSelection(int channel) const;
    SCROLLINFO scrollBar(int id) const;

    // The bitmap that quillmere-cli export writes for `label` with these options.
    std::string cliExport(const std::string& label, const std::vector<std::string>& options);
    std::string fileBytes(const std::string& path) const;

  private:
    std::string startDirectory_;
};

}  // namespace qm::test
