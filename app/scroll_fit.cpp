#include "app/scroll_fit.h"

#include <algorithm>
#include <limits>

namespace qm {
namespace {

constexpr std::int64_t kIntMax = std::numeric_limits<int>::max();

}  // namespace

// Formed in 64 bits: a zoom that fitting a huge picture gives can make the page
// larger than a scroll bar counts.
void fitScrollState(SCROLLINFO& state, std::int32_t pictureExtent, int areaExtent, Zoom zoom) {
    zoom.subsample = std::max(zoom.subsample, 1);
    const std::int64_t page = std::min(zoom.sourcePixelsIn(std::max(areaExtent, 0)), kIntMax);
    const std::int64_t length = std::max<std::int64_t>({pictureExtent, page, 1});
    state.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    state.nMin = 0;
    state.nMax = static_cast<int>(length - 1);
    state.nPage = static_cast<UINT>(page);
    state.nPos = reachablePosition(state, state.nPos);
}

// The bar's own limit, in 64 bits: a range's end plus one can pass the largest int.
int reachablePosition(const SCROLLINFO& state, std::int64_t position) {
    const std::int64_t pageOrOne = std::max<std::int64_t>(state.nPage, 1);
    const std::int64_t lastPosition =
        std::max<std::int64_t>(std::int64_t{state.nMax} + 1 - pageOrOne, state.nMin);
    return static_cast<int>(std::clamp<std::int64_t>(position, state.nMin, lastPosition));
}

}  // namespace qm
