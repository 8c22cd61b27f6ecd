#include "band/row_count_worker.h"

#include <system_error>

namespace qm {

RowCountWorker::RowCountWorker(const std::uint8_t* pixels, std::size_t rowBytes,
                               PixelCounter& counter, bool useThread)
    : pixels_(pixels), rowBytes_(rowBytes), counter_(counter) {
    if (!useThread)
        return;
    try {
        worker_ = std::thread(&RowCountWorker::run, this);
    } catch (const std::system_error&) {
        // No thread to be had: the rows are counted as they are announced.
    }
}

RowCountWorker::~RowCountWorker() {
    finish();
}

void RowCountWorker::rowsPlaced(std::int32_t rows) {
    if (!worker_.joinable()) {
        countUpTo(rows);
        return;
    }
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        placed_ = rows;
    }
    wake_.notify_one();
}

void RowCountWorker::finish() {
    if (!worker_.joinable())
        return;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        finishing_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

// Counts outside the lock, so the reader is never held up announcing a block.
void RowCountWorker::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return placed_ > counted_ || finishing_; });
        const std::int32_t rows = placed_;
        if (rows == counted_ && finishing_)
            return;
        lock.unlock();
        countUpTo(rows);
        lock.lock();
    }
}

void RowCountWorker::countUpTo(std::int32_t rows) {
    if (rows <= counted_)
        return;
    const std::size_t first = static_cast<std::size_t>(counted_) * rowBytes_;
    const std::size_t count = static_cast<std::size_t>(rows - counted_) * rowBytes_;
    counter_.add(pixels_ + first, count);
    counted_ = rows;
}

}  // namespace qm
