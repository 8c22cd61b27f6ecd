// WM_KEYDOWN: the scroll keys move the picture. Windows hands keys to the window
// with the keyboard focus, so they reach the picture while the main window itself
// has it (at start, and after a click in the window); a band chooser or another
// control with the focus keeps its own arrow, page, Home and End keys.
#include <limits>

#include "app/main_window.h"
#include "app/scroll_step.h"

namespace qm {
namespace {

enum class KeyStep { kLine, kPage, kEnd };

struct ScrollKey {
    WPARAM key;
    bool shift;
    bool horizontal;
    KeyStep step;
    int direction;  // -1 up or left, +1 down or right
};

// Arrows move a line step, Page Up and Page Down a page, Home and End to the top
// and bottom; with Shift the page keys and Home and End work sideways.
constexpr ScrollKey kScrollKeys[] = {
    {VK_UP, false, false, KeyStep::kLine, -1},    {VK_DOWN, false, false, KeyStep::kLine, 1},
    {VK_LEFT, false, true, KeyStep::kLine, -1},   {VK_RIGHT, false, true, KeyStep::kLine, 1},
    {VK_PRIOR, false, false, KeyStep::kPage, -1}, {VK_NEXT, false, false, KeyStep::kPage, 1},
    {VK_PRIOR, true, true, KeyStep::kPage, -1},   {VK_NEXT, true, true, KeyStep::kPage, 1},
    {VK_HOME, false, false, KeyStep::kEnd, -1},   {VK_END, false, false, KeyStep::kEnd, 1},
    {VK_HOME, true, true, KeyStep::kEnd, -1},     {VK_END, true, true, KeyStep::kEnd, 1},
};

bool pressed(int key) {
    return GetKeyState(key) < 0;
}

// The key as pressed now; keys held with Ctrl or Alt are not scroll keys.
const ScrollKey* scrollKey(WPARAM key) {
    if (pressed(VK_CONTROL) || pressed(VK_MENU))
        return nullptr;
    const bool shift = pressed(VK_SHIFT);
    for (const ScrollKey& entry : kScrollKeys) {
        if (entry.key == key && entry.shift == shift)
            return &entry;
    }
    return nullptr;
}

}  // namespace

LRESULT MainWindow::onKeyDown(WPARAM key, LPARAM lParam) {
    const ScrollKey* entry = scrollKey(key);
    if (!entry)
        return DefWindowProcA(window_, WM_KEYDOWN, key, lParam);
    if (!showsAnyBand())
        return 0;
    const SCROLLINFO& state = entry->horizontal ? hScroll_ : vScroll_;
    switch (entry->step) {
        case KeyStep::kLine:
            scrollBy(entry->horizontal, entry->direction * std::int64_t{kLineStep});
            break;
        case KeyStep::kPage:
            scrollBy(entry->horizontal, entry->direction * std::int64_t{state.nPage});
            break;
        case KeyStep::kEnd:
            scrollWithinReach(entry->horizontal, entry->direction < 0
                                                     ? std::numeric_limits<int>::min()
                                                     : std::numeric_limits<int>::max());
            break;
    }
    return 0;
}

}  // namespace qm
