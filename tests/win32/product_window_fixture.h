// The main window with small products on disk, driven through its commands and
// its real file dialogs, and the bitmap files that quillmere-cli export writes for
// the same choices.
#pragma once

#include <string>
#include <vector>

#include "tests/win32/main_window_fixture.h"

namespace qm::test {

class ProductWindowTest : public MainWindowTest {
  protected:
    static constexpr int kWidth = 40;
    static constexpr int kHeight = 30;

    void SetUp() override;
    void TearDown() override;

    // A fast-format product beside the configuration: `bands` files of kWidth by
    // kHeight pixels (each band its own values), `extraBytes` more in the last one.
    // Returns the label's path.
    std::string writeProduct(const std::string& name, int bands, int extraBytes = 0);
    // The open command, answered in its dialog with the label path.
    void open(const std::string& labelPath);
    // The save command, answered in its dialog with the path.
    void save(const std::string& path);
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
