#include "imaging/RawStream.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace {

// Enough for the headers of every kind seen, in one read.
constexpr int64_t kBlockBytes = 256 * 1024;

}  // namespace

RawStream::RawStream(int fd, int64_t bytes, std::string path)
    : fd_(fd), bytes_(bytes), path_(std::move(path)) {}

bool RawStream::Fill(int64_t at) {
    if (at < 0 || at >= bytes_)
        return false;
    block_.resize(size_t(std::min(kBlockBytes, bytes_ - at)));
    ssize_t got = 0;
    do
        got = pread(fd_, block_.data(), block_.size(), at);
    while (got < 0 && errno == EINTR);
    block_.resize(got > 0 ? size_t(got) : 0);
    blockStart_ = at;
    return !block_.empty();
}

int RawStream::SlowChar() {
    if (!Fill(at_))
        return -1;
    return block_[size_t(at_++ - blockStart_)];
}

int RawStream::read(void* into, size_t size, size_t count) {
    if (size == 0 || count == 0)
        return 0;
    auto* out = static_cast<unsigned char*>(into);
    const size_t wanted = size * count;
    size_t done = 0;
    while (done < wanted && at_ < bytes_) {
        const bool inBlock = at_ >= blockStart_ && at_ < blockStart_ + int64_t(block_.size());
        if (!inBlock && wanted - done >= size_t(kBlockBytes)) {
            // A large read (raw data) goes straight to its place.
            ssize_t got = 0;
            do
                got = pread(fd_, out + done, wanted - done, at_);
            while (got < 0 && errno == EINTR);
            if (got <= 0)
                break;
            done += size_t(got);
            at_ += got;
            continue;
        }
        if (!inBlock && !Fill(at_))
            break;
        const size_t offset = size_t(at_ - blockStart_);
        const size_t n = std::min(wanted - done, block_.size() - offset);
        std::memcpy(out + done, block_.data() + offset, n);
        done += n;
        at_ += int64_t(n);
    }
    return int(done / size);
}

int RawStream::seek(INT64 offset, int whence) {
    int64_t to = offset;
    if (whence == SEEK_CUR)
        to += at_;
    else if (whence == SEEK_END)
        to += bytes_;
    else if (whence != SEEK_SET)
        return -1;
    // Past the end reads nothing, as a file would.
    at_ = std::max<int64_t>(0, std::min<int64_t>(to, bytes_));
    return 0;
}

char* RawStream::gets(char* into, int size) {
    if (size <= 0 || at_ >= bytes_)
        return nullptr;
    int n = 0;
    while (n < size - 1) {
        const int c = get_char();
        if (c < 0)
            break;
        into[n++] = char(c);
        if (c == '\n')
            break;
    }
    into[n] = '\0';
    return n > 0 ? into : nullptr;
}

int RawStream::scanf_one(const char* format, void* value) {
    // As fscanf: one number or word, the stream left after it.
    char text[64] = {};
    const int64_t start = at_;
    const int got = read(text, 1, sizeof text - 1);
    text[got] = '\0';
    int used = 0;
    const std::string withCount = std::string(format) + "%n";
    const int result = std::sscanf(text, withCount.c_str(), value, &used);
    at_ = start + (result > 0 ? used : 0);
    return result;
}
