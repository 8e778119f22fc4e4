#pragma once
// A RAW file's bytes for LibRaw, read from an open descriptor in large
// blocks. LibRaw's own file stream seeks and reads 8 KiB at a time, some
// three hundred system calls for one file's headers; this reads them in one
// or two. For the imaging layer's RAW files only.

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include <libraw/libraw_datastream.h>

class RawStream : public LibRaw_abstract_datastream {
public:
    // fd stays the caller's, open while the stream is used; read with pread
    // only, so its offset is left alone.
    RawStream(int fd, int64_t bytes, std::string path);

    int valid() override { return fd_ >= 0; }
    int read(void* into, size_t size, size_t count) override;
    int seek(INT64 offset, int whence) override;
    INT64 tell() override { return at_; }
    INT64 size() override { return bytes_; }
    int get_char() override {
        if (at_ >= blockStart_ && at_ < blockStart_ + int64_t(block_.size()))
            return block_[size_t(at_++ - blockStart_)];
        return SlowChar();
    }
    char* gets(char* into, int size) override;
    int scanf_one(const char* format, void* value) override;
    int eof() override { return at_ >= bytes_; }
    void* make_jas_stream() override { return nullptr; }
    // Decoders that read from several threads take turns.
    int lock() override {
        mutex_.lock();
        return 1;
    }
    void unlock() override { mutex_.unlock(); }
    const char* fname() override { return path_.c_str(); }

private:
    int SlowChar();
    // Makes the block hold the bytes from at on; false at the end or on an
    // error.
    bool Fill(int64_t at);

    int fd_;
    int64_t bytes_;
    std::string path_;
    int64_t at_ = 0;
    int64_t blockStart_ = 0;
    std::vector<unsigned char> block_;
    std::mutex mutex_;
};
