#include "app/scroll_fit.h"

#include <algorithm>
#include <limits>

namespace qm {
namespace {

constexpr std::int64_t kIntMax = std::numeric_limits<int>::max();

}  // namespace

// Formed in 64 bits: a zoom that fitting a huge picture gives can make the page
// larger than a scroll bar counts.
void fitScrollState(SCROLLINFO& state, std::int32_t pictureExtent, int areaExtent,
                    std::int32_t zoom) {
    const std::int64_t page =
        std::min(std::int64_t{std::max(areaExtent, 0)} * std::max(zoom, 1), kIntMax);
    const std::int64_t length = std::max<std::int64_t>({pictureExtent, page, 1});
    // The bar's own limit: its range's end less one page (or less nothing without one).
    const std::int64_t lastPosition = length - std::max<std::int64_t>(page, 1);
    state.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    state.nMin = 0;
    state.nMax = static_cast<int>(length - 1);
    state.nPage = static_cast<UINT>(page);
    state.nPos = static_cast<int>(std::clamp<std::int64_t>(state.nPos, 0, lastPosition));
}

}  // namespace qm
