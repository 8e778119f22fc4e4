#include "imaging/RowsInProgress.h"

#include <cstring>

void RowsInProgress::Publish(const uint8_t* pixels, int rows) {
    {
        const std::lock_guard lock(mutex_);
        if (ended_)
            return;
        pixels_ = pixels;
        rows_ = rows < height_ ? rows : height_;
    }
    changed_.notify_all();
}

void RowsInProgress::End(bool decoded) {
    {
        const std::lock_guard lock(mutex_);
        if (ended_)
            return;
        ended_ = true;
        failed_ = !decoded || rows_ < height_;
    }
    changed_.notify_all();
}

bool RowsInProgress::CopyRows(int left, int top, int width, int count, uint8_t* to,
                              std::size_t stride) const {
    if (left < 0 || top < 0 || width < 0 || count < 0 || left + width > width_ ||
        top + count > height_)
        return false;
    // The copy is made under the lock, so that a failed decode cannot free
    // the pixels in the middle of it.
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return failed_ || ended_ || rows_ >= top + count; });
    if (failed_ || rows_ < top + count)
        return false;
    const std::size_t rowBytes = std::size_t(width_) * 3;
    for (int y = 0; y < count; ++y)
        std::memcpy(to + std::size_t(y) * stride,
                    pixels_ + std::size_t(top + y) * rowBytes + std::size_t(left) * 3,
                    std::size_t(width) * 3);
    return true;
}
