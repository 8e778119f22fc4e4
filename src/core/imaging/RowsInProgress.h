#pragma once
// A picture's rows as its decode makes them, for other threads to read
// before the decode has ended: the smaller outputs of a photo are resampled
// while the largest is still being decoded, on a core the decode leaves idle.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>

class RowsInProgress {
public:
    // Rows of a picture of width x height pixels, 3 bytes each.
    RowsInProgress(int width, int height) : width_(width), height_(height) {}
    RowsInProgress(const RowsInProgress&) = delete;
    RowsInProgress& operator=(const RowsInProgress&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }

    // The decoding side. The first rows of pixels (a picture of the size
    // given above, rows top down) are final. pixels must stay valid and in
    // place until End; moving the vector that holds them keeps them there.
    void Publish(const uint8_t* pixels, int rows);
    // No more rows come. decoded: the picture is whole and its pixels stay
    // where they are (the decode's result holds them) for as long as any
    // reader runs; otherwise they are about to go, and every read fails.
    void End(bool decoded);

    // The reading side: waits until rows top .. top + count - 1 are in, then
    // copies their columns left .. left + width - 1, each row to stride
    // bytes after the last. False when the decode ended without them (or
    // failed).
    bool CopyRows(int left, int top, int width, int count, uint8_t* to, std::size_t stride) const;

private:
    const int width_;
    const int height_;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    const uint8_t* pixels_ = nullptr;
    int rows_ = 0;
    bool ended_ = false;
    bool failed_ = false;
};
