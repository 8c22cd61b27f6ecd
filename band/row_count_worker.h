// Counts a band's pixel rows while the band is still being read: the rows already
// placed are counted on a worker thread as the loading thread reads the next block,
// so a first load costs little more than its reading. The worker lives only as
// long as this object, inside one load, and shares nothing but the rows announced
// to it; the counts are the same as those of one pass over the finished buffer.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <thread>

#include "band/histogram.h"

namespace qm {

class RowCountWorker {
  public:
    // Below this many bytes a band is read so soon that starting a thread would
    // cost more than it saves.
    static constexpr std::int32_t kThreadWorthBytes = 4 << 20;

    // Rows of rowBytes bytes from pixels on are counted into counter. Without
    // useThread, or when no thread can be started, each announcement is counted
    // at once on the caller's thread.
    RowCountWorker(const std::uint8_t* pixels, std::size_t rowBytes, PixelCounter& counter,
                   bool useThread);
    // Finishes, so no worker outlives the load.
    ~RowCountWorker();
    RowCountWorker(const RowCountWorker&) = delete;
    RowCountWorker& operator=(const RowCountWorker&) = delete;

    // Rows 0 to rows - 1 are in place and stay unchanged from now on.
    void rowsPlaced(std::int32_t rows);
    // Counts every row announced and stops the worker; the counter is complete
    // when this returns.
    void finish();

  private:
    void run();
    void countUpTo(std::int32_t rows);

    const std::uint8_t* pixels_;
    std::size_t rowBytes_;
    PixelCounter& counter_;
    std::int32_t counted_ = 0;  // touched by the worker alone while it runs

    std::mutex mutex_;
    std::condition_variable wake_;
    std::int32_t placed_ = 0;
    bool finishing_ = false;
    std::thread worker_;
};

}  // namespace qm
